#include "TFormFi.h"

#include "calc/RodCalc.h"
#include "common/Modal.h"
#include "common/NumberFormat.h"
#include "common/TextToReal.h"
#include "tools/HelpEngine.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

std::function<bool()> TFormFi::creationCheck;

namespace {

enum Mode { ModeFi = 0, ModeFieSolid = 1, ModeFieLattice = 2 };
enum Code { CodeSNiP = 0, CodeSP = 1 };

// The φ formula of SNiP II-23-81* for λ̄ > 4.5, 332/(λ̄²(51 − λ̄)), has its pole
// at λ̄ = 51 and exceeds 1 just below it.
constexpr double kSnipPole = 51.0;

QLineEdit* maskedEdit(const QString& mask, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setInputMask(mask);
    edit->setText(text);
    edit->setAlignment(Qt::AlignLeft);
    const int chars = int(mask.indexOf(QLatin1Char(';')));
    edit->setFixedWidth(
        edit->fontMetrics().horizontalAdvance(QString(chars + 3, QLatin1Char('0'))) + 12);
    return edit;
}

} // namespace

TFormFi::TFormFi(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormFi"));
    setWindowTitle(QStringLiteral("Коэффициент Fi (Fie)"));
    buildControls();
    FormCreate();
}

void TFormFi::buildControls() {
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("Коэффициент продольного изгиба Fi"),
                         QStringLiteral("Fie для сплошных стержней"),
                         QStringLiteral("Fie для сквозных стержней")});
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("СНиП II-23-81*"), QStringLiteral("СП 53-102-2004")});

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);

    Label8 = new QLabel(QStringLiteral("Тип \nсечения"), panel);
    ComboBox3 = new QComboBox(panel);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->addItems({QStringLiteral("1 (Круг, ГСП)"),
                         QStringLiteral("2 (Квадрат, Двутавр, крест, сварная коробка)"),
                         QStringLiteral("3 (Тавр, Тавр из 2 уг, швеллер)")});
    for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3})
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    // The masks keep the old edit fields' shape: optional digits, a literal
    // point, blanks where nothing is typed.
    Label2 = new QLabel(QStringLiteral("λ = "), panel);
    MaskL = maskedEdit(QStringLiteral("000.00; "), QStringLiteral("60 ."), panel);
    MaskL->setObjectName(QStringLiteral("MaskL"));
    Label1 = new QLabel(QStringLiteral("Ry = "), panel);
    MaskRy = maskedEdit(QStringLiteral("000; "), QStringLiteral("240"), panel);
    MaskRy->setObjectName(QStringLiteral("MaskRy"));
    Label3 = new QLabel(QStringLiteral("МПа"), panel);
    // The conditional slenderness λ̄ of tables 74 and 75.
    Label6 = new QLabel(QStringLiteral("λ̄"), panel);
    Label7 = new QLabel(QStringLiteral(" = "), panel);
    LanX = maskedEdit(QStringLiteral("00.000; "), QStringLiteral(" 2.5"), panel);
    LanX->setObjectName(QStringLiteral("LanX"));
    Label5 = new QLabel(QStringLiteral("mef = "), panel);
    Mmef = maskedEdit(QStringLiteral("000.000; "), QStringLiteral(" 10."), panel);
    Mmef->setObjectName(QStringLiteral("Mmef"));

    Label4 = new QLabel(QStringLiteral("φ = "), panel);
    QFont labelFont = Label4->font();
    labelFont.setBold(true);
    labelFont.setPixelSize(19);
    Label4->setFont(labelFont);
    Label4->setStyleSheet(QStringLiteral("color: red;"));
    RxFi = new QLabel(panel);
    RxFi->setObjectName(QStringLiteral("RxFi"));
    QFont resultFont(QStringLiteral("Arial"));
    resultFont.setStyleHint(QFont::SansSerif);
    resultFont.setPixelSize(19);
    RxFi->setFont(resultFont);
    RxFi->setStyleSheet(QStringLiteral("color: red;"));
    RxFi->setMinimumWidth(RxFi->fontMetrics().horizontalAdvance(QStringLiteral("0.00000")));
    auto* shadow = new QGraphicsDropShadowEffect(RxFi);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(0);
    shadow->setColor(QColor(128, 128, 128));
    RxFi->setGraphicsEffect(shadow);

    BitBtn1 = new QPushButton(QStringLiteral(" Расчет"), panel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true); // Enter recomputes
    BitBtn2 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);

    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(4);
    grid->addWidget(Label8, 0, 0, 1, 2);
    grid->addWidget(ComboBox3, 0, 2, 1, 5);
    grid->addWidget(Label2, 1, 0, Qt::AlignRight);
    grid->addWidget(MaskL, 1, 1);
    auto* lambdaBar = new QHBoxLayout;
    lambdaBar->setSpacing(0);
    lambdaBar->addStretch();
    lambdaBar->addWidget(Label6);
    lambdaBar->addWidget(Label7);
    grid->addLayout(lambdaBar, 1, 4);
    grid->addWidget(LanX, 1, 5);
    grid->addWidget(Label1, 2, 0, Qt::AlignRight);
    grid->addWidget(MaskRy, 2, 1);
    grid->addWidget(Label3, 2, 2);
    grid->addWidget(Label5, 2, 4, Qt::AlignRight);
    grid->addWidget(Mmef, 2, 5);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(6, 1);
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(Label4);
    resultRow->addWidget(RxFi);
    resultRow->addStretch();
    resultRow->addWidget(BitBtn1);
    grid->addLayout(resultRow, 3, 0, 1, 7);

    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox1);
    layout->addWidget(ComboBox2);
    layout->addWidget(panel);
    layout->addLayout(okRow);
    setFixedSize(sizeHint().expandedTo(QSize(302, 255)));

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFormFi::BitBtn1Click);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TFormFi::BitBtn1Click);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TFormFi::BitBtn1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormFi::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormFi::BitBtn2Click);
    for (QWidget* w :
         std::initializer_list<QWidget*>{MaskL, MaskRy, LanX, Mmef, ComboBox2, ComboBox3})
        w->installEventFilter(this);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { HelpEngine::showTopic(this, kHelpContext); });
}

void TFormFi::FormCreate() {
    {
        const QSignalBlocker quiet(ComboBox2);
        ComboBox2->setCurrentIndex(CodeSNiP);
    }
    if (creationCheck && !creationCheck()) {
        creationRefused_ = true;
        return;
    }
    BitBtn1Click();
}

bool TFormFi::eventFilter(QObject* watched, QEvent* event) {
    // Leaving a field for another control recomputes. Losing the focus to a
    // message box, another window or a list's pop-up is not leaving it: a box
    // shown by the recomputation itself must not start another one.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            BitBtn1Click();
    }
    return QDialog::eventFilter(watched, event);
}

void TFormFi::enableForMode(int mode) {
    const bool fi = mode == ModeFi;
    if (!fi) {
        // φe is tabulated by SNiP II-23-81* only.
        const QSignalBlocker quiet(ComboBox2);
        ComboBox2->setCurrentIndex(CodeSNiP);
    }
    ComboBox2->setEnabled(fi);
    ComboBox3->setEnabled(fi && ComboBox2->currentIndex() == CodeSP);
    for (QWidget* w : std::initializer_list<QWidget*>{MaskL, Label1, MaskRy, Label2, Label3})
        w->setEnabled(fi);
    for (QWidget* w : std::initializer_list<QWidget*>{Mmef, LanX, Label5, Label6, Label7})
        w->setEnabled(!fi);
}

void TFormFi::BitBtn1Click() {
    const int mode = ComboBox1->currentIndex();
    // The enabling rules come first, so that a field the mode does not use can
    // never block the mode's own calculation.
    enableForMode(mode);
    try {
        if (mode == ModeFi) {
            Ry_ = textToReal(MaskRy->displayText());
            Landa_ = textToReal(DelProbel(MaskL->displayText()));
            Fi();
        } else {
            Mef_ = textToReal(DelProbel(Mmef->displayText()));
            LanX_ = textToReal(DelProbel(LanX->displayText()));
            Fie(mode == ModeFieSolid ? FieSolid : FieLattice);
        }
    } catch (const ConversionError& e) {
        Modal::error(this, e.message()); // the previous result stays
    }
}

bool TFormFi::Fi() {
    const double lambdaBar = conditionalSlenderness(Ry_, Landa_);
    if (!(lambdaBar > 0)) {
        Modal::inform(this, QStringLiteral("Коэффициент φ не определен: гибкость λ и расчетное "
                                           "сопротивление Ry должны быть больше нуля.\n"
                                           "Прежний результат сохранен."));
        return false;
    }
    double fi = Fi_;
    if (ComboBox2->currentIndex() == CodeSNiP) {
        if (lambdaBar < kSnipPole)
            Fi_SNiP(Ry_, Landa_, fi);
        if (!(lambdaBar < kSnipPole && fi > 0 && fi <= 1)) {
            Modal::inform(
                this, QStringLiteral("Коэффициент φ по СНиП II-23-81* не определен: при условной "
                                     "гибкости λ̄ = %1 формула норм для λ̄ > 4.5 дает значение "
                                     "вне пределов от 0 до 1 (при λ̄ = 51 она теряет смысл).\n"
                                     "Уменьшите гибкость λ или Ry. Прежний результат сохранен.")
                          .arg(num::fixed(lambdaBar, 0, 2)));
            return false;
        }
    } else {
        Fi_SP(ComboBox3->currentIndex() + 1, Ry_, Landa_, fi);
    }
    Fi_ = fi;
    showResult(Fi_);
    return true;
}

bool TFormFi::Fie(int kind) {
    double fie = 0;
    if (!Fie_Calc(kind, Mef_, LanX_, fie)) {
        Modal::inform(this,
                      QStringLiteral("Коэффициент φe для сквозных стержней при m = %1 и λ̄ = %2 "
                                     "недоступен: нужных значений таблицы 75 СНиП II-23-81* "
                                     "в программе нет (таблица приведена не полностью).\n"
                                     "Прежний результат сохранен.")
                          .arg(num::general(Mef_), num::general(LanX_)));
        return false;
    }
    showResult(fie);
    return true;
}

void TFormFi::showResult(double value) {
    RxFi->setText(num::fixed(value, 6, 4));
}

void TFormFi::BitBtn2Click() {
    accept();
}
