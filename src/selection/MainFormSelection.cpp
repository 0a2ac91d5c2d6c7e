// The section selection steps of the main window: the section type, the
// catalogue variants, the selection loop with the check after a row is taken,
// the gusset step and the Ry-by-thickness step.

#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/Workflow.h"
#include "catalogue/Loaders.h"
#include "catalogue/TForm2.h"
#include "catalogue/TRyNewForm.h"
#include "common/Modal.h"
#include "common/StringGrid.h"
#include "report/TTextDialog.h"
#include "selection/SelectionLogic.h"
#include "selection/TFasonka.h"
#include "selection/TFormSortV.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString kWeldedShortCaption =
    QStringLiteral("Электросварные прямошовные трубы (сокращенный) ГОСТ 10704 - 91*");

// The required-area texts of the catalogue window.
void writeRequiredAreaTexts(TForm2* f) {
    const double atr = designState().Atr;
    // Latin "A" here, as the selection loop has always written it.
    const QString angle = requiredAreaText(QStringLiteral("Aтр. уголка = "), atr / 2);
    const QString whole = requiredAreaText(QStringLiteral("Aтр = "), atr);
    f->StaticText1->setText(angle);
    f->StaticText4->setText(angle);
    for (QLabel* l : {f->StaticText2, f->StaticText5, f->StaticText6, f->StaticText3})
        l->setText(whole);
}

} // namespace

void TMain_Form::SechenButtonClick() {
    TForm2* f = forms().Form2;
    designState().SortVariant = SortDefault;
    f->StringGrid7->hide();
    f->StringGrid8->hide();
    f->StringGrid9->hide();
    f->PageControl->setTabText(3, kWeldedShortCaption);
    f->StringGrid1->show();
    RoundButton->setToolTip(f->PageControl->tabText(3));
    f->StringGrid4->show();
    CangeSechen();
}

void TMain_Form::CangeSechen() {
    if (Modal::exec(*forms().FormSortV) == QDialog::Accepted)
        LoadSortament();
}

void TMain_Form::LoadSortament() {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    forms().TextDialog->SaveButton->setEnabled(true);
    if (ds.SechType == SechEqualAnglesT || ds.SechType == SechUnequalAnglesShortLegs ||
        ds.SechType == SechUnequalAnglesLongLegs)
        Fas_Change();
    if (isAutomatic())
        setCommandEnabled(FasonkaButton, false);
    for (;;) {
        computeRequiredArea(memberInTension());
        writeRequiredAreaTexts(f);
        Modal::exec(*f);
        if (!ds.SortOk)
            return;
        if (Squewa() != 1)
            break;
    }
    if (isAutomatic() && ds.TstOut) {
        setCommandEnabled(RunButton, false);
        return;
    }
    setCommandEnabled(RunButton, true);
    Rez_to_Window();
}

int TMain_Form::Squewa() {
    DesignState& ds = designState();
    if (!ds.SortOk)
        return 2;
    Ry_New();
    if (isAutomatic() && ds.TstOut) {
        setCommandEnabled(RunButton, false);
        return 2;
    }
    setCommandEnabled(RunButton, true);
    const QString question = checkTakenSection(memberInTension());
    int result = 2;
    if (!question.isEmpty() && Modal::ask(this, question))
        result = 1;
    setCommandEnabled(RunButton, true);
    return result;
}

void TMain_Form::Ry_New() {
    RyNewContext c;
    c.handMode = isStepByStep();
    c.autoMode = isAutomatic();
    c.parent = this;
    c.dialog = forms().RyNewForm;
    c.backToSectionChoice = [this] { CangeSechen(); };
    ::Ry_New(c);
}

void TMain_Form::Fas_Change() {
    ::Fas_Change();
}

void TMain_Form::FasonkaButtonClick() {
    Fas_Change();
}

// One catalogue tab, opened directly by its tool button.
void TMain_Form::selectOnTab(int pageIndex, QLabel* areaText, const QString& prefix,
                             bool angleArea) {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    for (;;) {
        f->showOnlyTab(pageIndex);
        computeRequiredArea(memberInTension());
        areaText->setText(requiredAreaText(prefix, angleArea ? ds.Atr / 2 : ds.Atr));
        Modal::exec(*f);
        areaText->clear();
        if (!ds.SortOk)
            return;
        if (Squewa() != 1)
            break;
    }
    // A section outside the steel's thicknesses has no valid Ry: the
    // automatic selection ends here, as it does in the selection loop.
    if (isAutomatic() && ds.TstOut)
        return;
    Rez_to_Window();
}

// Cyrillic "А" in the texts of the catalogue buttons.
void TMain_Form::Ugol1ButtonClick() {
    selectOnTab(0, forms().Form2->StaticText1, QStringLiteral("Атр. уголка = "), true);
}

void TMain_Form::Ugol2ButtonClick() {
    selectOnTab(1, forms().Form2->StaticText4, QStringLiteral("Атр. уголка = "), true);
}

void TMain_Form::TavrButtonClick() {
    selectOnTab(2, forms().Form2->StaticText2, QStringLiteral("Атр = "), false);
}

void TMain_Form::Prof1ButtonClick() {
    selectOnTab(4, forms().Form2->StaticText5, QStringLiteral("Атр = "), false);
}

void TMain_Form::Prof2ButtonClick() {
    selectOnTab(5, forms().Form2->StaticText6, QStringLiteral("Атр = "), false);
}

void TMain_Form::RoundButtonClick() {
    selectOnTab(3, forms().Form2->StaticText3, QStringLiteral("Атр = "), false);
}

// ---- Catalogue variants of the SechenButton drop-down ----------------------

void TMain_Form::N8509931Click() {
    TForm2* f = forms().Form2;
    designState().SortVariant = SortEqualAngles8509;
    f->StringGrid7->show();
    f->StringGrid1->hide();
    LoadUgol1();
    LoadSortament();
}

void TMain_Form::pipeVariant(int variant, StringGrid* shown, const QString& caption) {
    TForm2* f = forms().Form2;
    DesignState& ds = designState();
    ds.SortVariant = std::uint8_t(variant);
    ds.CurveType = 1;
    for (StringGrid* g : {f->StringGrid4, f->StringGrid8, f->StringGrid9})
        g->setVisible(g == shown);
    f->PageControl->setTabText(3, caption);
    RoundButton->setToolTip(caption);
    LoadRound();
    LoadSortament();
}

void TMain_Form::NTrubaSvar0Click() {
    pipeVariant(SortPipesWeldedShort, forms().Form2->StringGrid4, kWeldedShortCaption);
}

void TMain_Form::NTrubaSvar1Click() {
    pipeVariant(SortPipesWeldedFull, forms().Form2->StringGrid9,
                QStringLiteral("Электросварные прямошовные трубы ГОСТ 10704 - 91*"));
}

void TMain_Form::NTrubaDefClick() {
    pipeVariant(SortPipesSeamless, forms().Form2->StringGrid8,
                QStringLiteral("Бесшовные горячекатанные трубы ГОСТ 8732 - 78"));
}

void TMain_Form::N26020831Click() {
    LoadTavrB();
    LoadSortament();
}

void TMain_Form::N26020832Click() {
    LoadTavrK();
    LoadSortament();
}

void TMain_Form::N26020833Click() {
    LoadTavrSh();
    LoadSortament();
}

void TMain_Form::N362287801Click() {
    LoadProf1();
    LoadSortament();
}
