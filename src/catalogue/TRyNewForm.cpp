#include "TRyNewForm.h"

#include "app/DesignState.h"
#include "catalogue/SteelThickness.h"
#include "common/Modal.h"
#include "tools/HelpEngine.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

TRyNewForm::TRyNewForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TRyNewForm"));
    setWindowTitle(QStringLiteral("Уточнение Ry  в зависимости от толщины стали"));
    HelpEngine::bindHelpKey(this, 9);
    // Left only through "Продолжить": no system menu, no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    RyPageControl = new QTabWidget(this);
    RyPageControl->setObjectName(QStringLiteral("RyPageControl"));

    int number = 1;
    const auto& rules = steelThicknessRules();
    for (int g = 0; g < kSteelGradesWithTab; ++g) {
        const SteelThicknessRule& rule = rules[std::size_t(g)];
        auto* sheet = new QWidget;
        auto* box = new QGroupBox(QStringLiteral(" Выберете: "), sheet);
        auto* boxLayout = new QVBoxLayout(box);
        QVector<QRadioButton*> gradeRadios;
        for (int i = 0; i < int(rule.ranges.size()); ++i) {
            auto* button = new QRadioButton(rangeCaption(rule, i), box);
            button->setObjectName(QStringLiteral("RadioButton%1").arg(number++));
            button->setChecked(i == 0);
            boxLayout->addWidget(button);
            gradeRadios << button;
        }
        boxLayout->addStretch();
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->addWidget(box);
        RyPageControl->addTab(sheet, rule.tabCaption);
        radios_ << gradeRadios;
    }

    BitBtn1 = new QPushButton(QStringLiteral("Продолжить"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StaticText1);
    layout->addWidget(RyPageControl, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(BitBtn1);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
    resize(380, 230);
}

QRadioButton* TRyNewForm::RadioButton(int number) const {
    for (const auto& grade : radios_)
        for (QRadioButton* b : grade)
            if (b->objectName() == QStringLiteral("RadioButton%1").arg(number))
                return b;
    return nullptr;
}

void TRyNewForm::showGradeTab(const QString& steel) {
    const auto& rules = steelThicknessRules();
    for (int g = 0; g < kSteelGradesWithTab; ++g) {
        const bool mine = rules[std::size_t(g)].steel == steel;
        RyPageControl->setTabVisible(g, mine);
        if (mine)
            RyPageControl->setCurrentIndex(g);
    }
}

bool Ry_Sravnenie(QWidget* parent, double thickness, double min, double max) {
    const QString steel = designState().SteelName;
    if (thickness < min) {
        Modal::inform(parent, thicknessBelowMinText(thickness, min, steel));
        return true;
    }
    if (thickness > max) {
        Modal::inform(parent, thicknessAboveMaxText(thickness, max, steel));
        return true;
    }
    return false;
}

void Window_Message(QWidget* parent, int kind, double bound, double thickness) {
    Modal::inform(parent, wrongRangeText(kind, bound, thickness));
}

namespace {

// Index of a grade among the tabs of the dialog, or -1.
int gradeTab(const QString& steel) {
    const auto& rules = steelThicknessRules();
    for (int g = 0; g < kSteelGradesWithTab; ++g)
        if (rules[std::size_t(g)].steel == steel)
            return g;
    return -1;
}

// One pass over the ranges of the confirmed grade: a range that holds Tst sets
// Ry; a checked range that does not hold it is rejected with its message.
// Returns false when the user must choose again.
bool acceptConfirmedRange(const RyNewContext& c, int grade, const SteelThicknessRule& rule) {
    DesignState& ds = designState();
    const int count = int(rule.ranges.size());
    for (int i = 0; i < count; ++i) {
        const ThicknessRange& r = rule.ranges[std::size_t(i)];
        const bool holds = rule.inRange(i, ds.Tst);
        // A grade of one range (C345K) has nothing to confirm.
        const bool checked = count > 1 && c.dialog->radio(grade, i)->isChecked();
        if (checked && !holds) {
            if (i == 0)
                Window_Message(c.parent, 1, r.to, ds.Tst);
            else if (i == count - 1)
                Window_Message(c.parent, 2, r.from, ds.Tst);
            else
                Window_Message(c.parent, 3, r.from, ds.Tst);
            return false;
        }
        if (holds)
            ds.Ry = r.Ry;
    }
    return true;
}

} // namespace

void Ry_New(const RyNewContext& c) {
    DesignState& ds = designState();
    if (c.handMode && c.dialog) {
        c.dialog->StaticText1->setText(thicknessLineText(ds.Tst));
        c.dialog->showGradeTab(ds.SteelName);
        const int grade = gradeTab(ds.SteelName);
        bool outOfRange = false;
        for (;;) {
            outOfRange = false;
            if (Modal::exec(*c.dialog) != QDialog::Accepted)
                break;
            if (grade < 0)
                break; // no tab: nothing to confirm, Ry stays
            const SteelThicknessRule& rule = steelThicknessRules()[std::size_t(grade)];
            outOfRange = Ry_Sravnenie(c.parent, ds.Tst, rule.minThickness(), rule.maxThickness());
            if (outOfRange)
                break;
            if (acceptConfirmedRange(c, grade, rule))
                break;
        }
        if (outOfRange && c.backToSectionChoice)
            c.backToSectionChoice();
    }

    ds.TstOut = false;
    if (c.autoMode && !applyAutomaticThicknessRule())
        Modal::inform(c.parent, thicknessOutOfGradeText(ds.SteelName));
}
