#include "Forms.h"

#include "app/AdditionalDataForm.h"
#include "app/InputDialog.h"
#include "app/MainForm.h"
#include "app/PassportForm.h"
#include "app/PointForm.h"
#include "app/Workflow.h"
#include "catalogue/TForm2.h"
#include "catalogue/TRyNewForm.h"
#include "report/TTextDialog.h"
#include "selection/TFasonka.h"
#include "selection/TFormSortV.h"
#include "tools/TAboutForm.h"
#include "tools/TFormFi.h"
#include "tools/TInForm.h"

#include <QPushButton>

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
    TMain_Form* main = f.Main_Form;
    f.FPoint = new TFPoint(main);
    f.Dialog1 = new TDialog1(main);
    f.Form1 = new TForm1(main);
    f.FormSortV = new TFormSortV(main);
    f.Form2 = new TForm2(main);
    f.Fasonka = new TFasonka(main);
    f.TextDialog = new TTextDialog(main);
    f.RyNewForm = new TRyNewForm(main);
    f.AboutForm = new TAboutForm(main);
    f.DataNew = new TDataNew(main);
    f.InForm = new TInForm(main);

    // What the windows of the other folders need of the main window.
    QObject::connect(main, &TMain_Form::windowsConfigured, f.FormSortV, &TFormSortV::configure);
    f.Form2->isAutoMode = [] { return automaticMode(); };
    f.Form2->isTension = [] { return memberInTension(); };
    f.Form2->refineRy = [] { windows.Main_Form->Ry_New(); };
    TTextDialog* results = f.TextDialog;
    QObject::connect(main, &TMain_Form::newProjectPassportDone, results, [results] {
        results->SpeedButton1->setEnabled(false);
        results->BitTab->setEnabled(false);
    });
    QObject::connect(main, &TMain_Form::memberInputStored, results,
                     [results] { results->SaveButton->setEnabled(true); });

    // The φ calculator, created last, runs the decimal-separator check.
    TFormFi::creationCheck = [] { return checkDecimalSeparator(windows.Main_Form); };
    f.FormFi = new TFormFi(main);
    return !f.FormFi->creationRefused();
}

void destroyForms() {
    Forms& f = windows;
    // The dialogs are children of the main window.
    delete f.Main_Form;
    f = Forms{};
}
