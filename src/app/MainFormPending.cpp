// Commands of the main window whose windows are built in other folders. Each
// stays disabled (see commandPending) until its window is part of the program:
// whoever adds the window defines the handlers beside it and deletes their
// block here — the stubs and the names of their commands.

#include "app/MainForm.h"

#include <QAction>
#include <QSet>

// ---- Desk calculator, φ calculator, About (src/tools) ----
static const char* const toolCommands[] = {"ButtonCalc", "N19",         "ToolFi",
                                           "Fi1",        "ToolButton3", "N7"};
void TMain_Form::ButtonCalcClick() {}
void TMain_Form::ToolFiClick() {}
void TMain_Form::Fi1Click() {}
void TMain_Form::ToolButton3Click() {}

// ---- Section type, catalogue variants and buttons, gusset (src/selection) ----
static const char* const selectionCommands[] = {
    "SechenButton", "N18",         "FasonkaButton", "Ugol1Button", "Ugol2Button", "TavrButton",
    "Prof1Button",  "Prof2Button", "RoundButton",   "N8509931",    "NTrubaSvar0", "NTrubaSvar1",
    "NTrubaDef",    "N26020831",   "N26020832",     "N26020833",   "N362287801"};
void TMain_Form::SechenButtonClick() {}
// The section-type step; the additional-data dialog's "&Далее..." chains into it.
void TMain_Form::CangeSechen() {}
void TMain_Form::FasonkaButtonClick() {}
void TMain_Form::Ugol1ButtonClick() {}
void TMain_Form::Ugol2ButtonClick() {}
void TMain_Form::TavrButtonClick() {}
void TMain_Form::Prof1ButtonClick() {}
void TMain_Form::Prof2ButtonClick() {}
void TMain_Form::RoundButtonClick() {}
void TMain_Form::N8509931Click() {}
void TMain_Form::NTrubaSvar0Click() {}
void TMain_Form::NTrubaSvar1Click() {}
void TMain_Form::NTrubaDefClick() {}
void TMain_Form::N26020831Click() {}
void TMain_Form::N26020832Click() {}
void TMain_Form::N26020833Click() {}
void TMain_Form::N362287801Click() {}

// ---- Results window (src/report) ----
static const char* const resultCommands[] = {"RunButton"};
void TMain_Form::RunButtonClick() {}

bool TMain_Form::commandPending(const QAction* command) {
    static const QSet<QString> pending = [] {
        QSet<QString> names;
        for (const char* n : toolCommands)
            names.insert(QString::fromLatin1(n));
        for (const char* n : selectionCommands)
            names.insert(QString::fromLatin1(n));
        for (const char* n : resultCommands)
            names.insert(QString::fromLatin1(n));
        return names;
    }();
    return pending.contains(command->objectName());
}
