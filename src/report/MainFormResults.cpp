// The results steps of the main window: the final checks, filling the results
// window, and what follows when it is left.

#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/Workflow.h"
#include "catalogue/SectionSketch.h"
#include "common/Modal.h"
#include "report/FinalChecks.h"
#include "report/ReportFiles.h"
#include "report/TTextDialog.h"

#include <QAction>
#include <QLabel>

void TMain_Form::RunButtonClick() {
    Rez_to_Window();
}

void TMain_Form::Rez_to_Window() {
    DesignState& ds = designState();
    if (!ds.SortOk) {
        setCommandEnabled(RunButton, false);
        return;
    }
    RezultWindow();
    const int result = Modal::exec(*forms().TextDialog);
    if (result == TTextDialog::ResultYes) {
        StraingButtonClick();
        return;
    }
    switch (ds.RezAction) {
    case RezNextMember:
        StraingButtonClick();
        break;
    case RezSectionTypes:
        CangeSechen();
        break;
    default:
        break; // "Отмена": the main window stays as it is
    }
}

void TMain_Form::Rezult_Calculate() {
    finalSlendernessCheck(memberInTension());
}

void TMain_Form::RezultWindow() {
    DesignState& ds = designState();
    TTextDialog* w = forms().TextDialog;
    const bool compression = !memberInTension();
    if (ds.SortOk) {
        for (int t = 1; t <= 9; ++t)
            w->Image[t]->setVisible(t == ds.SechType);
        Rezult_Calculate();
        w->clearResults();
        const ResultTexts t = resultTexts(compression);
        w->Label1->setText(t.label1);
        w->Label2->setText(t.label2);
        w->Label3->setText(t.label3);
        w->Label4->setText(t.label4);
        w->Label5->setText(t.label5);
        w->Label6->setText(t.label6);
        w->Label9->setText(t.label9);
        w->Label10->setText(t.label10);
        w->Label11->setText(t.label11);
        w->Label16->setText(t.label16);
        w->Label17->setText(t.label17);
        w->Label18->setText(t.label18);
        w->Label19->setText(t.label19);
        w->Label20->setText(t.label20);
        w->Label25->setText(t.label25);
        w->Label32->setVisible(compression);
        w->Label33->setText(t.label33);
        w->Label24->setText(t.label24);
        w->Label35->setText(t.label35);
        w->Label27->setText(t.label27);
        w->Label26->setText(t.label26);
        w->Label28->setText(t.label28);
        w->StaticText1->setVisible(t.overSlenderness);
        w->Label31->setText(t.label31);
    }
    Rez_to_Report(compression);
    w->Label2->setText(ReportLines()[4]);
}
