#include "report/FinalChecks.h"

#include "app/DesignState.h"
#include "calc/RodCalc.h"

void finalSlendernessCheck(bool tension) {
    DesignState& ds = designState();
    Landa_Calc(ds.Lx, ds.Ly, ds.ix, ds.iy, ds.LandaMax);
    // In tension λu keeps the value chosen in the additional data.
    if (!tension)
        Landa_Pred(ds.LandaType, ds.Ry, ds.LandaU);
}
