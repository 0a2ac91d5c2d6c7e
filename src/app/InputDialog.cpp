#include "InputDialog.h"

#include "app/DesignState.h"
#include "app/EffectiveLengthSketch.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "tools/HelpEngine.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int helpContext = 3;

// A masked field. The masks "!99999.99" and "!9.999" have optional digits and
// a literal point, with the blank as placeholder ("0" is Qt's optional digit).
QLineEdit* maskedEdit(QWidget* parent, const char* name, const QString& mask, int maxLength,
                      const QString& text) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setInputMask(mask);
    edit->setMaxLength(maxLength);
    edit->setText(text);
    edit->setFont(QFont(QStringLiteral("Monospace")));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (maxLength + 2) +
                        12);
    return edit;
}

} // namespace

TDialog1::TDialog1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDialog1"));
    setWindowTitle(QStringLiteral("Ввод исходных данных"));
    auto* layout = new QVBoxLayout(this);

    // The mode, at the top.
    auto* modePanel = new QFrame(this);
    modePanel->setFrameShape(QFrame::StyledPanel);
    auto* modeLayout = new QHBoxLayout(modePanel);
    HandBut3 = new QRadioButton(QStringLiteral("Ручной расчет"), modePanel);
    HandBut3->setObjectName(QStringLiteral("HandBut3"));
    AutoBut4 = new QRadioButton(QStringLiteral("Автоматический расчет"), modePanel);
    AutoBut4->setObjectName(QStringLiteral("AutoBut4"));
    HandBut3->setChecked(true);
    modeLayout->addWidget(HandBut3);
    modeLayout->addWidget(AutoBut4);
    modeLayout->addStretch();
    layout->addWidget(modePanel);

    auto* fields = new QGridLayout;
    int row = 0;
    fields->addWidget(new QLabel(QStringLiteral("Название стержня - "), this), row, 0);
    Nazvan = new QLineEdit(this);
    Nazvan->setObjectName(QStringLiteral("Nazvan"));
    Nazvan->setMaxLength(50);
    fields->addWidget(Nazvan, row++, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Продольная сила в Кн (по модулю)    - "), this),
                      row, 0);
    Strange =
        maskedEdit(this, "Strange", QStringLiteral("00000.00; "), 8, QStringLiteral("  500.0 "));
    fields->addWidget(Strange, row++, 1);
    fields->addWidget(new QLabel(QStringLiteral("Геометрическая длина стержня в мм - "), this), row,
                      0);
    Lenght =
        maskedEdit(this, "Lenght", QStringLiteral("00000.00; "), 8, QStringLiteral(" 3000.0 "));
    fields->addWidget(Lenght, row++, 1);
    fields->setColumnStretch(2, 1);
    layout->addLayout(fields);

    auto* middle = new QHBoxLayout;
    auto* muGroup = new QGroupBox(QStringLiteral(" Введите : "), this);
    auto* muLayout = new QGridLayout(muGroup);
    muLayout->addWidget(new QLabel(QStringLiteral("μ x - "), muGroup), 0, 0);
    Mx = maskedEdit(muGroup, "Mx", QStringLiteral("0.000; "), 5, QStringLiteral("1.0  "));
    muLayout->addWidget(Mx, 0, 1);
    muLayout->addWidget(new QLabel(QStringLiteral("μ y - "), muGroup), 1, 0);
    My = maskedEdit(muGroup, "My", QStringLiteral("0.000; "), 5, QStringLiteral("1.0  "));
    muLayout->addWidget(My, 1, 1);
    middle->addWidget(muGroup);

    auto* forceGroup = new QGroupBox(QStringLiteral(" Выберете: "), this);
    auto* forceLayout = new QVBoxLayout(forceGroup);
    RadioButton1 = new QRadioButton(QStringLiteral("Растяжение"), forceGroup);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("Сжатие"), forceGroup);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton1->setChecked(true);
    forceLayout->addWidget(RadioButton1);
    forceLayout->addWidget(RadioButton2);
    middle->addWidget(forceGroup);
    middle->addStretch();
    layout->addLayout(middle);

    const QString latticeHint = QStringLiteral("      В стержнях ферм из уголков \n"
                                               "толщина фасонки определяется \n"
                                               "по усилию в опорном расскосе");
    auto* lattice = new QHBoxLayout;
    CheckBox1 = new QCheckBox(
        QStringLiteral("Максимальное усилие в стержнях решетки, в кН (по модулю) - "), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setToolTip(latticeHint);
    StrangeRas =
        maskedEdit(this, "StrangeRas", QStringLiteral("00000.00; "), 8, QStringLiteral("  500.0 "));
    StrangeRas->setToolTip(latticeHint);
    StrangeRas->setEnabled(false);
    lattice->addWidget(CheckBox1);
    lattice->addWidget(StrangeRas);
    lattice->addStretch();
    layout->addLayout(lattice);

    auto* note = new QGroupBox(QStringLiteral(" Примечание: "), this);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->addWidget(new QLabel(
        QStringLiteral("Коэффициенты расчетной длины μ по условиям закрепления концов стержня:"),
        note));
    noteLayout->addWidget(new EffectiveLengthSketch(note));
    layout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Отмена"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(QStringLiteral("Справка"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn4 = new QPushButton(QStringLiteral("Далее..."), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    buttons->addStretch();
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(CheckBox1, &QCheckBox::toggled, this, &TDialog1::CheckBox1Click);
    connect(HandBut3, &QRadioButton::clicked, this, &TDialog1::HandBut3Click);
    connect(AutoBut4, &QRadioButton::clicked, this, &TDialog1::AutoBut4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TDialog1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this,
            [this] { HelpEngine::showTopic(this, helpContext); });
    connect(BitBtn4, &QPushButton::clicked, this, &TDialog1::BitBtn4Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { HelpEngine::showTopic(this, helpContext); });
}

QString TDialog1::maskedText(const QLineEdit* edit) {
    // QLineEdit::text() drops the blanks of a masked field; displayText()
    // keeps them, as the field shows its text.
    return edit->inputMask().isEmpty() ? edit->text() : edit->displayText();
}

void TDialog1::CheckBox1Click() {
    StrangeRas->setEnabled(CheckBox1->isChecked());
}

void TDialog1::BitBtn1Click() {
    designState().NextStep = false;
    accept();
}

void TDialog1::BitBtn4Click() {
    designState().NextStep = true;
    accept();
}

void TDialog1::HandBut3Click() {
    if (TMain_Form* m = forms().Main_Form)
        m->False_Window();
}

void TDialog1::AutoBut4Click() {
    if (TMain_Form* m = forms().Main_Form)
        m->True_Window();
}

void TDialog1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Nazvan->setFocus();
}
