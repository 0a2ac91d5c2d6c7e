#include "Forms.h"

#include "app/AdditionalDataForm.h"
#include "app/InputDialog.h"
#include "app/MainForm.h"
#include "app/PassportForm.h"
#include "app/PointForm.h"

namespace {
Forms windows;
} // namespace

Forms& forms() {
    return windows;
}

bool createForms() {
    Forms& f = windows;
    // The main window first: its creation writes the help contents file.
    f.Main_Form = new TMain_Form;
    f.FPoint = new TFPoint(f.Main_Form);
    f.Dialog1 = new TDialog1(f.Main_Form);
    f.Form1 = new TForm1(f.Main_Form);
    f.DataNew = new TDataNew(f.Main_Form);
    // The φ calculator, created last, runs the decimal-separator check; until
    // it is part of the program the check runs here, at the same point.
    return checkDecimalSeparator(f.Main_Form);
}

void destroyForms() {
    Forms& f = windows;
    // The dialogs are children of the main window.
    delete f.Main_Form;
    f = Forms{};
}
