// The main window's commands of the auxiliary tools: desk calculator, φ
// calculator, About (and from it the system information).

#include "app/Forms.h"
#include "app/MainForm.h"
#include "common/Modal.h"
#include "tools/DeskCalculator.h"
#include "tools/TAboutForm.h"
#include "tools/TFormFi.h"

void TMain_Form::ButtonCalcClick() {
    showDeskCalculator(this);
}

void TMain_Form::ToolFiClick() {
    Modal::exec(*forms().FormFi);
}

void TMain_Form::Fi1Click() {
    ToolFiClick();
}

void TMain_Form::ToolButton3Click() {
    showAbout(*forms().AboutForm, *forms().InForm);
}
