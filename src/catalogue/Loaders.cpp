#include "catalogue/Loaders.h"

#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/Workflow.h"
#include "calc/RodCalc.h"
#include "catalogue/RowEvaluation.h"
#include "catalogue/SectionSketch.h"
#include "catalogue/TForm2.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>

namespace loaders {

void enableFamilyButton(Family family, bool gussetEnabled) {
    TMain_Form* m = forms().Main_Form;
    if (!m)
        return;
    const std::pair<Family, QAction*> buttons[] = {
        {Family::Ugol1, m->Ugol1Button}, {Family::Ugol2, m->Ugol2Button},
        {Family::Tavr, m->TavrButton},   {Family::Prof1, m->Prof1Button},
        {Family::Prof2, m->Prof2Button}, {Family::Round, m->RoundButton},
    };
    for (const auto& [f, button] : buttons)
        m->setCommandEnabled(button, f == family);
    m->setCommandEnabled(m->FasonkaButton, gussetEnabled);
}

void writeRequiredRadii(QLabel* x, QLabel* y, const char* xPrefix, const char* yPrefix) {
    DesignState& ds = designState();
    x->hide();
    y->hide();
    const double lambda = memberInTension() ? ds.LandaU : ds.Gibkost;
    Radius_Tr(ds.Lx, ds.Ly, lambda, ds.ixTr, ds.iyTr);
    x->setText(requiredRadiusText(QString::fromUtf8(xPrefix), ds.ixTr));
    y->setText(requiredRadiusText(QString::fromUtf8(yPrefix), ds.iyTr));
    x->show();
    y->show();
}

} // namespace loaders

namespace {

using loaders::Family;

void loadTees(GridList list, const char* caption) {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    ds.SechType = SechTee;
    ds.CurveType = 3;
    f->PageControl->setTabText(2, QString::fromUtf8(caption));
    f->loadTees(list);
    loaders::enableFamilyButton(Family::Tavr, false);
    f->showOnlyTab(2);
    loaders::writeRequiredRadii(f->StaticText7, f->Label5);
}

} // namespace

void LoadTavrB() {
    loadTees(GridList::TeesBeam, "Тавры балочные по ГОСТ 26020 - 83");
}

void LoadTavrK() {
    loadTees(GridList::TeesColumn, "Тавры колонные по ГОСТ 26020 - 83");
}

void LoadTavrSh() {
    loadTees(GridList::TeesWide, "Тавры широкополочные по ГОСТ 26020 - 83");
}

void LoadRound() {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    ds.SechType = SechPipe;
    ds.CurveType = 1;
    loaders::enableFamilyButton(Family::Round, false);
    f->showOnlyTab(3);
    loaders::writeRequiredRadii(f->StaticText8, f->Label6);
}

void LoadProf1() {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    ds.SechType = SechSquareHollow;
    ds.CurveType = 1;
    loaders::enableFamilyButton(Family::Prof1, false);
    f->showOnlyTab(4);
    loaders::writeRequiredRadii(f->StaticText9, f->Label7);
}

void LoadUgol1() {
    DesignState& ds = designState();
    TForm2* f = forms().Form2;
    ds.SechType = SechEqualAnglesT;
    ds.CurveType = 3;
    loaders::enableFamilyButton(Family::Ugol1, true);
    f->showOnlyTab(0);
    f->Image10->hide();
    f->Image9->show();
    f->restoreEqualAngleColumns();
    loaders::writeRequiredRadii(f->Label1, f->Label2);
}
