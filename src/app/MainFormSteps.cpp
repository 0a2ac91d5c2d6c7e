// The input steps of the main window: passport, member input and additional data.

#include "app/AdditionalDataForm.h"
#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/InputDialog.h"
#include "app/MainForm.h"
#include "app/PassportForm.h"
#include "app/PassportNames.h"
#include "app/PointForm.h"
#include "app/SteelTable.h"
#include "app/WholeNumber.h"
#include "calc/RodCalc.h"
#include "common/Modal.h"
#include "common/TextToReal.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

void TMain_Form::OptionsButtonClick() {
    DialogPassport();
}

void TMain_Form::DialogPassport() {
    TDataNew* p = forms().DataNew;
    if (!p)
        return;
    DesignState& ds = designState();
    p->setFileNameText(ds.FileName);
    p->ComboNormBox1->setCurrentIndex(ds.NormIndex);
    if (Modal::exec(*p) != QDialog::Accepted)
        return;
    ds.NormIndex = std::uint8_t(p->ComboNormBox1->currentIndex());
    ds.Normy = p->ComboNormBox1->currentText();
    const PassportFileNames names = passportFileNames(p->EditFile1->text());
    ds.FileName = names.fileName;
    ds.Shifr = p->Kod->text();
    ds.Ispolnitel = p->Name->text();
    ds.Organizacia = p->Inform->text();
    ds.TabFileName = names.tabFileName;
}

void TMain_Form::StraingButtonClick() {
    DesignState& ds = designState();
    ds.NextStep = false;
    if (!checkDecimalSeparator(this))
        return;
    if (ds.NewProject) {
        DialogPassport();
        emit newProjectPassportDone();
    }
    TDialog1* d = forms().Dialog1;
    if (!d || Modal::exec(*d) != QDialog::Accepted)
        return;
    ds.NewProject = false;
    for (QAction* a : {SechenButton, FasonkaButton, Ugol1Button, Ugol2Button, TavrButton,
                       Prof1Button, Prof2Button, RoundButton, RunButton, N18})
        setCommandEnabled(a, false);

    // A field that does not convert stops the step there: the fields read
    // before it keep their new values and the later steps stay disabled.
    try {
        // Force and length: every blank goes, so "  1 2.5 " reads as 12.5.
        ds.Lgeom = textToReal(DelProbel(TDialog1::maskedText(d->Lenght)).trimmed());
        ds.Nforce = textToReal(DelProbel(TDialog1::maskedText(d->Strange)).trimmed());
        // The factors are only trimmed: a blank between digits fails.
        ds.MuX = textToReal(TDialog1::maskedText(d->Mx).trimmed());
        ds.MuY = textToReal(TDialog1::maskedText(d->My).trimmed());
    } catch (const ConversionError& e) {
        Modal::error(this, e.message());
        return;
    }
    ds.Nazvanie = d->Nazvan->text();

    setCommandEnabled(GammaNButton, true);
    setCommandEnabled(GammaCButton, true);
    setCommandEnabled(RyButton, true);
    emit memberInputStored();

    if (d->RadioButton1->isChecked()) {
        setCommandEnabled(Landa1Button, false);
        setCommandEnabled(N12, false);
        setCommandEnabled(Landa2Button, true);
        setCommandEnabled(N13, true);
    } else if (d->RadioButton2->isChecked()) {
        setCommandEnabled(Landa1Button, true);
        setCommandEnabled(N12, true);
        setCommandEnabled(Landa2Button, false);
        setCommandEnabled(N13, false);
    }
    Length_Ef(ds.Lgeom, ds.MuX, ds.MuY, ds.Lx, ds.Ly);

    if (ds.NextStep)
        GammaNButtonClick();
}

void TMain_Form::openAdditionalData(int tab, LimitTabs limits) {
    DesignState& ds = designState();
    ds.NextStep = false;
    TForm1* f = forms().Form1;
    if (!f)
        return;
    for (int t = 0; t < 3; ++t)
        f->setTabShown(t, true);
    switch (limits) {
    case LimitTabs::ByForce:
        // The limit tab follows the kind of force of the last input step;
        // with no mode chosen neither is offered.
        if (enabledByWorkflow(Landa1Button)) {
            f->setTabShown(3, true);
            f->setTabShown(4, false);
        }
        if (enabledByWorkflow(Landa2Button)) {
            f->setTabShown(3, false);
            f->setTabShown(4, true);
        }
        if (!HandButton->isChecked() && !AutoButton->isChecked()) {
            f->setTabShown(3, false);
            f->setTabShown(4, false);
        }
        break;
    case LimitTabs::Compression:
        f->setTabShown(3, true);
        f->setTabShown(4, false);
        break;
    case LimitTabs::Tension:
        f->setTabShown(3, false);
        f->setTabShown(4, true);
        break;
    }
    f->PageControl1->setCurrentIndex(tab);
    if (Modal::exec(*f) == QDialog::Accepted)
        DopolnenieButton();
}

void TMain_Form::GammaNButtonClick() {
    openAdditionalData(0, LimitTabs::ByForce);
}

void TMain_Form::GammaCButtonClick() {
    openAdditionalData(1, LimitTabs::ByForce);
}

void TMain_Form::RyButtonClick() {
    openAdditionalData(2, LimitTabs::ByForce);
}

void TMain_Form::Landa1ButtonClick() {
    openAdditionalData(3, LimitTabs::Compression);
}

void TMain_Form::Landa2ButtonClick() {
    openAdditionalData(4, LimitTabs::Tension);
}

void TMain_Form::DopolnenieButton() {
    TForm1* f = forms().Form1;
    if (!f)
        return;
    DesignState& ds = designState();

    // Every group is read, whichever tab was open.
    if (f->RadioButton1->isChecked())
        ds.GammaN = 1.0;
    else if (f->RadioButton2->isChecked())
        ds.GammaN = 0.95;
    else if (f->RadioButton3->isChecked())
        ds.GammaN = 0.9;
    else if (f->RadioButton4->isChecked())
        ds.GammaN = f->RxSpinEdit3->value();

    if (f->RadioButton5->isChecked())
        ds.GammaC = 1.05;
    else if (f->RadioButton6->isChecked())
        ds.GammaC = 1.0;
    else if (f->RadioButton7->isChecked())
        ds.GammaC = 0.95;
    else if (f->RadioButton8->isChecked())
        ds.GammaC = 0.9;
    else if (f->RadioButton9->isChecked())
        ds.GammaC = 0.8;

    // Only the button counts, not the grid row: Ry of the grade's first
    // thickness range; the rolled thickness refines it later.
    for (int i = 0; i < int(steelChoices().size()); ++i)
        if (f->steelButton(i)->isChecked()) {
            ds.SteelName = QString::fromUtf8(steelChoices()[i].name);
            ds.Ry = steelChoices()[i].ry;
        }
    if (f->SteelNew->isChecked()) {
        ds.SteelName = QString();
        ds.Ry = f->RxRyNew->value();
    }

    const TDialog1* d = forms().Dialog1;
    if (d && d->RadioButton2->isChecked()) {
        setCommandEnabled(SechenButton, true);
        const QString typed = TDialog1::maskedText(f->GibkostEdit).trimmed();
        int gibkost = 0;
        if (!tryTextToWhole(typed, gibkost)) {
            Modal::error(this, wholeNumberErrorText(typed));
            return;
        }
        ds.Gibkost = gibkost;
        if (f->RadioButton18->isChecked())
            ds.LandaType = Landa180Minus60a;
        else if (f->RadioButton19->isChecked())
            ds.LandaType = Landa120;
        else if (f->RadioButton20->isChecked())
            ds.LandaType = Landa210Minus60a;
        else if (f->RadioButton21->isChecked())
            ds.LandaType = Landa220;
        if (f->RadioButton28->isChecked()) {
            // Typed in: used as it is, never recomputed from α.
            ds.LandaU = f->RxSpinEdit1->value();
            ds.LandaType = LandaTypedIn;
        }
        setCommandEnabled(N18, true);
    } else {
        ds.LandaType = LandaTension;
        setCommandEnabled(SechenButton, true);
        const std::pair<QRadioButton*, double> limits[] = {
            {f->RadioButton22, 150}, {f->RadioButton23, 200}, {f->RadioButton24, 250},
            {f->RadioButton25, 300}, {f->RadioButton26, 350}, {f->RadioButton27, 400}};
        for (const auto& [button, value] : limits)
            if (button->isChecked())
                ds.LandaU = value;
        if (f->RadioButton29->isChecked())
            ds.LandaU = f->RxSpinEdit2->value();
        setCommandEnabled(N18, true);
    }

    if (ds.NextStep)
        CangeSechen();
}
