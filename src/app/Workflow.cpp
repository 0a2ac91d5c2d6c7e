#include "app/Workflow.h"

#include "app/Forms.h"
#include "app/InputDialog.h"
#include "app/MainForm.h"

#include <QRadioButton>

bool automaticMode() {
    const TMain_Form* m = forms().Main_Form;
    return m && m->isAutomatic();
}

bool stepByStepMode() {
    const TMain_Form* m = forms().Main_Form;
    return m && m->isStepByStep();
}

bool memberInTension() {
    const TDialog1* d = forms().Dialog1;
    return d && d->RadioButton1->isChecked();
}
