#pragma once
// The main window: two tool bars and a menu whose commands open the dialogs of
// the workflow, the two working modes, and the rule that every step becomes
// available only after the step before it. The steps are methods of this
// class; those of the section selection, gusset, results and auxiliary
// windows are defined beside those windows.

#include <QMainWindow>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;

class TMain_Form : public QMainWindow {
    Q_OBJECT
public:
    explicit TMain_Form(QWidget* parent = nullptr);

    // ---- MainBar (always shown) ----
    QToolBar* MainBar;
    QAction* HandButton; // step-by-step mode (grouped: at most one of the two down)
    QAction* AutoButton; // automatic mode
    QAction* ButtonCalc;
    QAction* ToolFi;
    QAction* OptionsButton;
    QAction* ToolButton3;

    // ---- HandBar (the steps; hidden until a mode is chosen) ----
    QToolBar* HandBar;
    QAction* StraingButton;
    QAction* GammaNButton;
    QAction* GammaCButton;
    QAction* RyButton;
    QAction* Landa1Button;
    QAction* Landa2Button;
    QAction* SechenButton; // drop-down with PopupMenu1
    QAction* FasonkaButton;
    QAction* Ugol1Button;
    QAction* Ugol2Button;
    QAction* TavrButton;
    QAction* Prof1Button;
    QAction* Prof2Button;
    QAction* RoundButton;
    QAction* RunButton;

    // ---- MainMenu1 ----
    QAction* N19; // "&Файл"
    QAction* Fi1;
    QAction* N8;
    QAction* N14; // "&Подбор"
    QAction* N15;
    QAction* N17; // "&Исходные даные"
    QAction* N16;
    QAction* N9;
    QAction* N10;
    QAction* N11;
    QAction* N12;
    QAction* N13;
    QAction* N18; // "&Сортамент"
    QAction* N23; // "&?"
    QAction* N24;
    QAction* N22;
    QAction* N7;

    // ---- PopupMenu1 (catalogue variants of SechenButton) ----
    QMenu* PopupMenu1;
    QAction* N8509931;
    QAction* N8510861; // always disabled
    QAction* NTrubaSvar0;
    QAction* NTrubaSvar1;
    QAction* NTrubaDef;
    QAction* N26020831;
    QAction* N26020832;
    QAction* N26020833;
    QAction* N362287801;
    QAction* N3024520031; // always disabled

    // ---- StatusBar1 ----
    QLabel* StatusPanels[4];

    // Enables or disables a command.
    void setCommandEnabled(QAction* command, bool enabled);
    bool enabledByWorkflow(const QAction* command) const;

    // The working mode: which of the two mode buttons is down.
    bool isAutomatic() const;
    bool isStepByStep() const;
    // Whether the step tool bar is shown (also while the window itself is not).
    bool stepBarShown() const;

    // Steps of the section selection, gusset, Ry-by-thickness and results,
    // defined beside their windows.
    void LoadSortament();
    int Squewa(); // 1 select again, 2 keep the section
    void Ry_New();
    void Fas_Change();
    void Rez_to_Window();
    void RezultWindow();
    void Rezult_Calculate();

signals:
    // False_Window (false) or True_Window (true) ran: windows built elsewhere
    // (the section type chooser) put themselves into that configuration.
    void windowsConfigured(bool automatic);
    // The input step opened the passport of a new project: the results
    // window's "Просмотр" and "Таблица" are to be disabled.
    void newProjectPassportDone();
    // The input step stored a member: the results window's "Сохранить..." is
    // to be enabled.
    void memberInputStored();

public slots:
    // Configurations of the other windows for the two modes.
    void False_Window();
    void True_Window();
    // Reset of the step tool bar: every step after the input step disabled.
    void HandClick();
    void AutoClick();

    // Mode commands.
    void HandButtonClick();
    void AutoButtonClick();
    void N14Click();
    void N15Click();
    void N8Click();

    // Steps of the input and additional data.
    void StraingButtonClick();
    void OptionsButtonClick();
    void DialogPassport();
    void GammaNButtonClick();
    void GammaCButtonClick();
    void RyButtonClick();
    void Landa1ButtonClick();
    void Landa2ButtonClick();
    void DopolnenieButton();

    // Help.
    void N22Click();
    void N23Click();
    void N24Click();

    // Commands of the windows of the other folders (defined beside them).
    void ButtonCalcClick();
    void ToolFiClick();
    void Fi1Click();
    void ToolButton3Click();
    void SechenButtonClick();
    void CangeSechen();
    void FasonkaButtonClick();
    void Ugol1ButtonClick();
    void Ugol2ButtonClick();
    void TavrButtonClick();
    void Prof1ButtonClick();
    void Prof2ButtonClick();
    void RoundButtonClick();
    void RunButtonClick();
    void N8509931Click();
    void NTrubaSvar0Click();
    void NTrubaSvar1Click();
    void NTrubaDefClick();
    void N26020831Click();
    void N26020832Click();
    void N26020833Click();
    void N362287801Click();

private:
    void FormCreate();
    void buildBars();
    void buildMenu();
    void buildStatusBar();
    void buildGuide();
    QAction* makeCommand(const char* name, const QString& text, const QString& hint);
    enum class LimitTabs { ByForce, Compression, Tension };
    // Opens the additional-data dialog on one tab (0-based); tabs 1 to 3 are
    // shown, tabs 4 and 5 as `limits` says. Stores on OK.
    void openAdditionalData(int tab, LimitTabs limits);
    void setModeBar(bool shown);
    // The selection loop on one catalogue tab opened by its tool button.
    void selectOnTab(int pageIndex, QLabel* areaText, const QString& prefix, bool angleArea);
    // A pipe variant of the drop-down: its grid, caption and SortVariant.
    void pipeVariant(int variant, class StringGrid* shown, const QString& caption);

    QActionGroup* modeButtons;
    QActionGroup* modeItems;
};
