#include "MainForm.h"

#include "app/AdditionalDataForm.h"
#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/InputDialog.h"
#include "app/Startup.h"
#include "app/SteelTable.h"
#include "common/Modal.h"
#include "tools/HelpEngine.h"
#include "tools/SystemInfo.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

const char* const workflowEnabledProperty = "workflowEnabled";

QString restartQuestion() {
    return QStringLiteral("Вы уверены, что хотите начать расчет сначала? Результаты расчета "
                          "при этом будут записаны в новый файл.");
}

} // namespace

TMain_Form::TMain_Form(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TMain_Form"));
    setWindowTitle(mainWindowCaption());
    buildBars();
    buildMenu();
    buildStatusBar();
    buildGuide();
    resize(1180, 300);
    FormCreate();
}

QAction* TMain_Form::makeCommand(const char* name, const QString& text, const QString& hint) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(QString(hint).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    setCommandEnabled(action, true);
    return action;
}

void TMain_Form::buildBars() {
    MainBar = addToolBar(QStringLiteral("MainBar"));
    MainBar->setObjectName(QStringLiteral("MainBar"));
    MainBar->setMovable(false);
    MainBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    HandButton = makeCommand("HandButton", QStringLiteral("Пошаговый"),
                             QStringLiteral("Пошаговый подбор сечений стержней"));
    AutoButton = makeCommand("AutoButton", QStringLiteral("Автоматический"),
                             QStringLiteral("Автоматический подбор сечений стержней"));
    HandButton->setCheckable(true);
    AutoButton->setCheckable(true);
    modeButtons = new QActionGroup(this);
    modeButtons->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    modeButtons->addAction(HandButton);
    modeButtons->addAction(AutoButton);
    ButtonCalc =
        makeCommand("ButtonCalc", QStringLiteral("Калькулятор"), QStringLiteral("Калькулятор"));
    ToolFi =
        makeCommand("ToolFi", QStringLiteral("φ (φe)"), QStringLiteral("Коэффициент Fi (Fie)"));
    OptionsButton =
        makeCommand("OptionsButton", QStringLiteral("Паспорт"), QStringLiteral("Паспорт"));
    ToolButton3 = makeCommand("ToolButton3", QStringLiteral("О программе"),
                              QStringLiteral("Сведения о программе..."));
    MainBar->addAction(HandButton);
    MainBar->addAction(AutoButton);
    MainBar->addSeparator();
    MainBar->addAction(ButtonCalc);
    MainBar->addAction(ToolFi);
    MainBar->addAction(OptionsButton);
    MainBar->addSeparator();
    MainBar->addAction(ToolButton3);

    addToolBarBreak();
    HandBar = addToolBar(QStringLiteral("HandBar"));
    HandBar->setObjectName(QStringLiteral("HandBar"));
    HandBar->setMovable(false);
    HandBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    StraingButton = makeCommand("StraingButton", QStringLiteral("Исходные данные"),
                                QStringLiteral("Основные исходные данные"));
    GammaNButton = makeCommand("GammaNButton", QStringLiteral("γn"),
                               QStringLiteral("Коэффициент надежности по назначению"));
    GammaCButton = makeCommand("GammaCButton", QStringLiteral("γc"),
                               QStringLiteral("Коэффициент условий работы"));
    RyButton = makeCommand("RyButton", QStringLiteral("Сталь"), QStringLiteral("Класс стали"));
    Landa1Button = makeCommand("Landa1Button", QStringLiteral("λu сж."),
                               QStringLiteral("Предельные гибкости для сжатых элементов"));
    Landa2Button = makeCommand("Landa2Button", QStringLiteral("λu раст."),
                               QStringLiteral("Предельные гибкости для растянутых элементов"));
    SechenButton = makeCommand("SechenButton", QStringLiteral("Сечение"),
                               QStringLiteral("Вид подбираемого сечения"));
    FasonkaButton = makeCommand("FasonkaButton", QStringLiteral("Фасонка"),
                                QStringLiteral("Выбор толщины фасонки"));
    Ugol1Button = makeCommand("Ugol1Button", QStringLiteral("∟ равнопол."),
                              QStringLiteral("Равнополочные уголки по ГОСТ 8509-86"));
    Ugol2Button = makeCommand("Ugol2Button", QStringLiteral("∟ неравнопол."),
                              QStringLiteral("Неравнополочные уголки по ГОСТ 8510-72*"));
    TavrButton = makeCommand("TavrButton", QStringLiteral("Т тавр"),
                             QStringLiteral("Тавры по ГОСТ 26020-83"));
    Prof1Button = makeCommand("Prof1Button", QStringLiteral("□ кв."),
                              QStringLiteral("Профили гнутые замкнутые сварные квадратные\n"
                                             "по ГОСТ 30245-2003"));
    Prof2Button = makeCommand("Prof2Button", QStringLiteral("▭ прям."),
                              QStringLiteral("Профили гнутые замкнутые сварные прямоугольные\n"
                                             "по ГОСТ 30245-2003"));
    RoundButton = makeCommand("RoundButton", QStringLiteral("○ трубы"),
                              QStringLiteral("Трубы электросварные прямошовные ГОСТ 10704-91"));
    RunButton = makeCommand("RunButton", QStringLiteral("Результаты"),
                            QStringLiteral("Результаты расчета..."));
    HandBar->addAction(StraingButton);
    HandBar->addSeparator();
    for (QAction* a : {GammaNButton, GammaCButton, RyButton, Landa1Button, Landa2Button})
        HandBar->addAction(a);
    HandBar->addSeparator();
    HandBar->addAction(SechenButton);
    HandBar->addSeparator();
    HandBar->addAction(FasonkaButton);
    HandBar->addSeparator();
    for (QAction* a : {Ugol1Button, Ugol2Button, TavrButton, Prof1Button, Prof2Button, RoundButton})
        HandBar->addAction(a);
    HandBar->addSeparator();
    HandBar->addAction(RunButton);
    HandBar->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](const char* name, const QString& text) {
        QAction* a = makeCommand(name, text, QString());
        PopupMenu1->addAction(a);
        return a;
    };
    N8509931 = item("N8509931", QStringLiteral("Уголок равнополочный ГОСТ 8509-93"));
    N8510861 = item("N8510861", QStringLiteral("Уголок неравнополочный ГОСТ 8510-86"));
    PopupMenu1->addSeparator();
    NTrubaSvar0 =
        item("NTrubaSvar0",
             QStringLiteral("Трубы электросварые прямошовные (сокращенный) ГОСТ 10704-91"));
    NTrubaSvar1 =
        item("NTrubaSvar1", QStringLiteral("Трубы электросварые прямошовные ГОСТ 10704-91"));
    NTrubaDef =
        item("NTrubaDef", QStringLiteral("Трубы бесшовные горячедеформированные ГОСТ 8732-78"));
    PopupMenu1->addSeparator();
    N26020831 = item("N26020831", QStringLiteral("Тавры балочные ГОСТ 26020 - 83"));
    N26020832 = item("N26020832", QStringLiteral("Тавры колонные ГОСТ 26020 - 83"));
    N26020833 = item("N26020833", QStringLiteral("Тавры широкополочные ГОСТ 26020 - 83"));
    PopupMenu1->addSeparator();
    N362287801 =
        item("N362287801",
             QStringLiteral("Профили гнутые замкнутые сварные квадратные по ГОСТ 30245-2003"));
    N3024520031 = item("N3024520031", QStringLiteral("Профили гнутые замкнутые сварные "
                                                     "прямоугольные по ГОСТ 30245-2003"));
    // These two catalogues are not offered as variants.
    setCommandEnabled(N8510861, false);
    setCommandEnabled(N3024520031, false);
    SechenButton->setMenu(PopupMenu1);
    if (auto* button = qobject_cast<QToolButton*>(HandBar->widgetForAction(SechenButton)))
        button->setPopupMode(QToolButton::MenuButtonPopup);

    connect(HandButton, &QAction::triggered, this, &TMain_Form::HandButtonClick);
    connect(AutoButton, &QAction::triggered, this, &TMain_Form::AutoButtonClick);
    connect(ButtonCalc, &QAction::triggered, this, &TMain_Form::ButtonCalcClick);
    connect(ToolFi, &QAction::triggered, this, &TMain_Form::ToolFiClick);
    connect(OptionsButton, &QAction::triggered, this, &TMain_Form::OptionsButtonClick);
    connect(ToolButton3, &QAction::triggered, this, &TMain_Form::ToolButton3Click);
    connect(StraingButton, &QAction::triggered, this, &TMain_Form::StraingButtonClick);
    connect(GammaNButton, &QAction::triggered, this, &TMain_Form::GammaNButtonClick);
    connect(GammaCButton, &QAction::triggered, this, &TMain_Form::GammaCButtonClick);
    connect(RyButton, &QAction::triggered, this, &TMain_Form::RyButtonClick);
    connect(Landa1Button, &QAction::triggered, this, &TMain_Form::Landa1ButtonClick);
    connect(Landa2Button, &QAction::triggered, this, &TMain_Form::Landa2ButtonClick);
    connect(SechenButton, &QAction::triggered, this, &TMain_Form::SechenButtonClick);
    connect(FasonkaButton, &QAction::triggered, this, &TMain_Form::FasonkaButtonClick);
    connect(Ugol1Button, &QAction::triggered, this, &TMain_Form::Ugol1ButtonClick);
    connect(Ugol2Button, &QAction::triggered, this, &TMain_Form::Ugol2ButtonClick);
    connect(TavrButton, &QAction::triggered, this, &TMain_Form::TavrButtonClick);
    connect(Prof1Button, &QAction::triggered, this, &TMain_Form::Prof1ButtonClick);
    connect(Prof2Button, &QAction::triggered, this, &TMain_Form::Prof2ButtonClick);
    connect(RoundButton, &QAction::triggered, this, &TMain_Form::RoundButtonClick);
    connect(RunButton, &QAction::triggered, this, &TMain_Form::RunButtonClick);
    connect(N8509931, &QAction::triggered, this, &TMain_Form::N8509931Click);
    connect(NTrubaSvar0, &QAction::triggered, this, &TMain_Form::NTrubaSvar0Click);
    connect(NTrubaSvar1, &QAction::triggered, this, &TMain_Form::NTrubaSvar1Click);
    connect(NTrubaDef, &QAction::triggered, this, &TMain_Form::NTrubaDefClick);
    connect(N26020831, &QAction::triggered, this, &TMain_Form::N26020831Click);
    connect(N26020832, &QAction::triggered, this, &TMain_Form::N26020832Click);
    connect(N26020833, &QAction::triggered, this, &TMain_Form::N26020833Click);
    connect(N362287801, &QAction::triggered, this, &TMain_Form::N362287801Click);
}

void TMain_Form::buildMenu() {
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = MainMenu1->addMenu(QStringLiteral("&Файл"));
    N19 = makeCommand("N19", QStringLiteral("&Калькулятор"), QString());
    Fi1 = makeCommand("Fi1", QStringLiteral("К&оэффициент Fi"), QString());
    N8 = makeCommand("N8", QStringLiteral("Выход"), QString());
    N8->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    file->addAction(N19);
    file->addAction(Fi1);
    file->addSeparator();
    file->addAction(N8);

    QMenu* mode = MainMenu1->addMenu(QStringLiteral("&Подбор"));
    N14 = makeCommand("N14", QStringLiteral("&Пошаговый подбор сечений стержней"), QString());
    N15 = makeCommand("N15", QStringLiteral("&Автоматический подбор сечений стержней"), QString());
    N14->setCheckable(true);
    N15->setCheckable(true);
    modeItems = new QActionGroup(this);
    modeItems->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    modeItems->addAction(N14);
    modeItems->addAction(N15);
    mode->addAction(N14);
    mode->addAction(N15);

    QMenu* input = MainMenu1->addMenu(QStringLiteral("&Исходные даные"));
    N17 = makeCommand("N17", QStringLiteral("&Основные данные"), QString());
    N16 = makeCommand("N16", QStringLiteral("&Паспорт"), QString());
    N9 = makeCommand("N9", QStringLiteral("&Коэффициент надежности по нагрузке"), QString());
    N10 = makeCommand(
        "N10", QStringLiteral("К&оэффициент надежности по назначению (СНиП II-23-81*)"), QString());
    N11 = makeCommand("N11", QStringLiteral("К&ласс стали (СНиП II-23-81*)"), QString());
    N12 = makeCommand("N12",
                      QStringLiteral("П&редельные гибкости для сжатых стержней (СНиП II-23-81*)"),
                      QString());
    N13 = makeCommand(
        "N13", QStringLiteral("Пр&едельные гибкости для растянутых стержней (СНиП II-23-81*)"),
        QString());
    input->addAction(N17);
    input->addAction(N16);
    input->addSeparator();
    for (QAction* a : {N9, N10, N11, N12, N13})
        input->addAction(a);
    setCommandEnabled(N17, false);
    setCommandEnabled(N12, false);
    setCommandEnabled(N13, false);

    QMenu* catalogue = MainMenu1->addMenu(QStringLiteral("&Сортамент"));
    N18 = makeCommand("N18", QStringLiteral("&Выбор типа сечения"), QString());
    catalogue->addAction(N18);
    setCommandEnabled(N18, false);

    QMenu* help = MainMenu1->addMenu(QStringLiteral("&?"));
    N23 = makeCommand("N23", QStringLiteral("Справка"), QString());
    N23->setShortcut(QKeySequence(Qt::Key_F1));
    N24 = makeCommand("N24", QStringLiteral("&Контекстный поиск"), QString());
    N22 = makeCommand("N22", QStringLiteral("&Лицензионное соглашение"), QString());
    N7 = makeCommand("N7", QStringLiteral("&О программе..."), QString());
    help->addAction(N23);
    help->addAction(N24);
    help->addAction(N22);
    help->addSeparator();
    help->addAction(N7);

    connect(N19, &QAction::triggered, this, &TMain_Form::ButtonCalcClick);
    connect(Fi1, &QAction::triggered, this, &TMain_Form::Fi1Click);
    connect(N8, &QAction::triggered, this, &TMain_Form::N8Click);
    connect(N14, &QAction::triggered, this, &TMain_Form::N14Click);
    connect(N15, &QAction::triggered, this, &TMain_Form::N15Click);
    connect(N17, &QAction::triggered, this, &TMain_Form::StraingButtonClick);
    connect(N16, &QAction::triggered, this, &TMain_Form::OptionsButtonClick);
    connect(N9, &QAction::triggered, this, &TMain_Form::GammaNButtonClick);
    connect(N10, &QAction::triggered, this, &TMain_Form::GammaCButtonClick);
    connect(N11, &QAction::triggered, this, &TMain_Form::RyButtonClick);
    connect(N12, &QAction::triggered, this, &TMain_Form::Landa1ButtonClick);
    connect(N13, &QAction::triggered, this, &TMain_Form::Landa2ButtonClick);
    connect(N18, &QAction::triggered, this, &TMain_Form::SechenButtonClick);
    connect(N23, &QAction::triggered, this, &TMain_Form::N23Click);
    connect(N24, &QAction::triggered, this, &TMain_Form::N24Click);
    connect(N22, &QAction::triggered, this, &TMain_Form::N22Click);
    connect(N7, &QAction::triggered, this, &TMain_Form::ToolButton3Click);
}

void TMain_Form::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[4] = {100, 70, 200, 50};
    const QString texts[4] = {QStringLiteral("Kelvor"), QStringLiteral("01/11/2010"),
                              QStringLiteral("СНиП II-23-81*, СП 53-102-2004"),
                              QStringLiteral("7.1")};
    for (int i = 0; i < 4; ++i) {
        StatusPanels[i] = new QLabel(texts[i], bar);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        StatusPanels[i]->setAlignment(Qt::AlignCenter);
        StatusPanels[i]->setFrameShape(QFrame::StyledPanel);
        StatusPanels[i]->setMinimumWidth(widths[i]);
        bar->addWidget(StatusPanels[i]);
    }
}

void TMain_Form::FormCreate() {
    // The help itself is compiled into the program (tools/HelpEngine); the
    // contents file is written beside it for the user, once.
    const WriteResult written = writeHelpContentsFileIfMissing();
    if (!written.ok()) {
        Modal::error(this, written.error);
        return;
    }
    recordSystemInformation();
}

// A short road map in the otherwise empty client area.
void TMain_Form::buildGuide() {
    auto* guide = new QLabel(this);
    guide->setObjectName(QStringLiteral("Guide"));
    guide->setTextFormat(Qt::RichText);
    guide->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    guide->setMargin(16);
    guide->setText(QStringLiteral(
        "<p style='color:#445'><b>Порядок работы</b></p>"
        "<ol style='color:#445'>"
        "<li>Выберите режим: <b>Пошаговый</b> (учебный: уголки, стали С235–С375, толщина "
        "фасонки и Ry подтверждаются вручную) или <b>Автоматический</b> (все типы сечений и "
        "стали, проверка строки сортамента при каждом щелчке).</li>"
        "<li><b>Исходные данные</b>: паспорт расчета, затем название стержня, усилие, длина, "
        "коэффициенты μ, растяжение или сжатие.</li>"
        "<li>Коэффициенты γn и γc, сталь, предельная гибкость; кнопка «Далее...» ведет к "
        "выбору типа сечения.</li>"
        "<li>Тип сечения, сортамент, результаты; «Сохранить...» записывает отчет и таблицу "
        "в текущий каталог.</li></ol>"
        "<p style='color:#667'>F1 — справка по текущему окну.</p>"));
    guide->setWordWrap(true);
    setCentralWidget(guide);
}

// ---- Commands and their states ----------------------------------------------

void TMain_Form::setCommandEnabled(QAction* command, bool enabled) {
    command->setProperty(workflowEnabledProperty, enabled);
    command->setEnabled(enabled);
}

bool TMain_Form::enabledByWorkflow(const QAction* command) const {
    return command->property(workflowEnabledProperty).toBool();
}

bool TMain_Form::isAutomatic() const {
    return AutoButton->isChecked();
}

bool TMain_Form::isStepByStep() const {
    return HandButton->isChecked();
}

bool TMain_Form::stepBarShown() const {
    return !HandBar->isHidden();
}

void TMain_Form::setModeBar(bool shown) {
    HandBar->setVisible(shown);
}

// ---- Modes ------------------------------------------------------------------

void TMain_Form::False_Window() {
    N14->setChecked(true);
    if (TForm1* f = forms().Form1) {
        f->Stal20->setEnabled(false);
        f->G2AF->setEnabled(false);
        f->setGridRows(steelGridRowsStepByStep);
        f->RadioButton10->setChecked(true);
    }
    for (QAction* a : {N362287801, N26020833, N26020832, N26020831, NTrubaDef, NTrubaSvar1,
                       NTrubaSvar0, N8509931})
        a->setVisible(false);
    emit windowsConfigured(false);
}

void TMain_Form::True_Window() {
    // Unlike the step-by-step configuration this neither checks the menu item
    // nor enables the steels "20" and "16Г2АФ" nor touches the checked steel:
    // AutoButtonClick does the first two.
    if (TForm1* f = forms().Form1)
        f->setGridRows(steelGridRowsAutomatic);
    for (QAction* a : {N362287801, N26020833, N26020832, N26020831, NTrubaDef, NTrubaSvar1,
                       NTrubaSvar0, N8509931})
        a->setVisible(true);
    emit windowsConfigured(true);
}

void TMain_Form::HandClick() {
    setCommandEnabled(N12, false);
    setCommandEnabled(N13, false);
    setCommandEnabled(N17, true);
    for (QAction* a : {GammaNButton, GammaCButton, RyButton, Landa1Button, Landa2Button,
                       SechenButton, FasonkaButton, Ugol1Button, Ugol2Button, TavrButton,
                       Prof1Button, Prof2Button, RoundButton, RunButton})
        setCommandEnabled(a, false);
    if (TForm1* f = forms().Form1)
        for (int tab = 0; tab < 5; ++tab)
            f->setTabShown(tab, false);
}

void TMain_Form::AutoClick() {
    HandClick();
}

void TMain_Form::HandButtonClick() {
    // The grouped button is already down (or, clicked while down, released).
    if (!Modal::ask(this, restartQuestion())) {
        HandButton->setChecked(false);
        setModeBar(false);
        return;
    }
    DesignState& ds = designState();
    ds.AppendReport = false;
    ds.RezAction = RezNextMember;
    False_Window();
    if (TDialog1* d = forms().Dialog1)
        d->HandBut3->setChecked(true);
    ds.NewProject = true;
    setModeBar(HandButton->isChecked());
    HandClick();
    if (!stepBarShown()) {
        setCommandEnabled(N12, false);
        setCommandEnabled(N13, false);
        setCommandEnabled(N17, false);
    }
}

void TMain_Form::AutoButtonClick() {
    if (!Modal::ask(this, restartQuestion())) {
        AutoButton->setChecked(false);
        setModeBar(false);
        return;
    }
    DesignState& ds = designState();
    ds.AppendReport = false;
    ds.RezAction = RezNextMember;
    True_Window();
    if (TDialog1* d = forms().Dialog1)
        d->AutoBut4->setChecked(true);
    ds.NewProject = true;
    // Clicked while already down, the button is released: as in the
    // step-by-step mode, no mode is active then and the step bar is hidden
    // (a shown bar would run the steps with neither mode down).
    setModeBar(AutoButton->isChecked());
    AutoClick();
    N15->setChecked(true);
    if (TForm1* f = forms().Form1) {
        f->Stal20->setEnabled(true);
        f->G2AF->setEnabled(true);
    }
    if (!stepBarShown()) {
        setCommandEnabled(N12, false);
        setCommandEnabled(N13, false);
        setCommandEnabled(N17, false);
    }
}

void TMain_Form::N14Click() {
    // The menu route asks nothing and starts no new calculation.
    N14->setChecked(true);
    AutoButton->setChecked(false);
    setModeBar(true);
    HandButton->setEnabled(true);
    HandButton->setChecked(true);
    HandClick();
}

void TMain_Form::N15Click() {
    N15->setChecked(true);
    HandButton->setChecked(false);
    setModeBar(true);
    AutoButton->setEnabled(true);
    AutoButton->setChecked(true);
    AutoClick();
}

void TMain_Form::N8Click() {
    close();
}

// ---- Help ---------------------------------------------------------------------

void TMain_Form::N22Click() {
    HelpEngine::showTopic(this, 19);
}

void TMain_Form::N23Click() {
    HelpEngine::showContents(this);
}

void TMain_Form::N24Click() {
    HelpEngine::showContents(this);
}
