#include "SelectionLogic.h"

#include "app/DesignState.h"
#include "calc/RodCalc.h"
#include "catalogue/Catalogue.h"
#include "common/NumberFormat.h"
#include "common/TextToReal.h"

#include <cmath>

double crossRadius(double A, double z0, double Iy0, double t) {
    const double d = 0.707107 * (2 * z0 + 0.1 * t); // cm; t in mm
    return std::sqrt(2 * (A * d * d + Iy0) / (2 * A));
}

QStringList crossRadiusColumn(double force) {
    const catalogue::Table& t = catalogue::table(catalogue::Id::UgolRavnKor);
    const int A = t.column("A"), z0 = t.column("z0"), Iy0 = t.column("Iy0");
    QStringList column;
    DesignState& ds = designState();
    for (int r = 0; r < t.rows; ++r) {
        ds.Tfas = Fas_Tolsh(force);
        const double i = crossRadius(t.value(r, A), t.value(r, z0), t.value(r, Iy0), ds.Tfas);
        column << num::cut(num::fixed(i, 4, 3), 12);
    }
    return column;
}

std::optional<double> gussetForce(bool latticeGiven, const QString& latticeText, double Nforce) {
    if (!latticeGiven)
        return Nforce;
    double value = 0;
    if (!tryTextToReal(DelProbel(latticeText), value))
        return std::nullopt;
    return value;
}

QString gussetCaption(bool latticeGiven, const QString& latticeText, double Nforce) {
    if (latticeGiven)
        return QStringLiteral(" Максимальное усилие в стержнях решетки ") + DelProbel(latticeText) +
               QStringLiteral(" кН");
    return QStringLiteral(" Максимальное усилие в стержне ") + num::fixed(Nforce, 5, 2) +
           QStringLiteral(" кН");
}

const GussetBand kGussetTable[9] = {
    {"Величина усилия, кН", "Толщина фасонки, мм"},
    {"N <= 150", "6"},
    {"150 < N <= 250", "8"},
    {"250 < N <= 400", "10"},
    {"400 < N <= 600", "12"},
    {"600 < N <= 1000", "14"},
    {"1000 < N <= 1400", "16"},
    {"1400 < N <= 1800", "18"},
    {"N > 1800", "20"},
};

namespace {

QString radiusHeader(const char* axis, double tfas) {
    for (int t = 6; t <= 20; t += 2)
        if (tfas == t)
            return QStringLiteral("%1 (tf=%2), см").arg(QLatin1String(axis)).arg(t);
    return {};
}

} // namespace

QString iy2Header(double tfas) {
    return radiusHeader("iy2", tfas);
}

QString ix2Header(double tfas) {
    return radiusHeader("ix2", tfas);
}

PairRadiusColumn pairRadiusColumn(int sechType, double tfas, bool fullList) {
    using catalogue::Id;
    PairRadiusColumn result;
    const char *I = nullptr, *z = nullptr;
    Id id;
    if (sechType == SechEqualAnglesT) {
        id = fullList ? Id::UgolRavn : Id::UgolRavnKor;
        I = "Ix";
        z = "z0";
        result.column = 9;
        result.header = iy2Header(tfas);
    } else if (sechType == SechUnequalAnglesShortLegs || sechType == SechUnequalAnglesLongLegs) {
        id = Id::UgolNeravn;
        const bool shortLegs = sechType == SechUnequalAnglesShortLegs;
        I = shortLegs ? "Ix" : "Iy";
        z = shortLegs ? "y0" : "x0";
        result.column = 11;
        result.header = shortLegs ? ix2Header(tfas) : iy2Header(tfas);
    } else {
        return result;
    }
    const catalogue::Table& t = catalogue::table(id);
    const int cI = t.column(I), cz = t.column(z), cA = t.column("A");
    for (int r = 0; r < t.rows; ++r) {
        double radius = 0;
        Radius_Pair(t.value(r, cI), t.value(r, cz), t.value(r, cA), tfas, radius);
        result.values << num::cut(num::fixed(radius, 4, 3), 15);
    }
    return result;
}

double computeRequiredArea(bool tension) {
    DesignState& ds = designState();
    if (tension)
        Atr_Rast(ds.Nforce, ds.Ry, ds.GammaN, ds.GammaC, ds.Atr);
    else
        Atr_Sgat(ds.NormIndex, ds.CurveType, ds.Nforce, ds.Ry, ds.GammaN, ds.GammaC, ds.Atr);
    return ds.Atr;
}

QString requiredAreaText(const QString& prefix, double area) {
    return prefix + num::general(area, 7) + QStringLiteral(" см^2");
}

QString checkTakenSection(bool tension) {
    DesignState& ds = designState();
    if (tension)
        Sigma_Rast(ds.Nforce, ds.Area, ds.GammaN, ds.GammaC, ds.Sigma);
    else
        Sigma_Sgat(ds.NormIndex, ds.CurveType, ds.Nforce, ds.Area, ds.GammaN, ds.GammaC, ds.Sigma);
    Delta_Calc(ds.Ry, ds.Sigma, ds.Delta);
    if (ds.Sigma > ds.Ry * ds.GammaC)
        return (tension ? QStringLiteral("Условие прочности не выполняется! ПЕРЕНАПРЯЖЕНИЕ ")
                        : QStringLiteral("Условие устойчивости не выполняется! ПЕРЕНАПРЯЖЕНИЕ ")) +
               num::fixed(ds.Delta, 0, 2) + QStringLiteral("%. Продолжить подбор?");
    // A member in tension gets its slenderness only in the results window.
    if (!tension && ds.LandaMax > ds.LandaU)
        return QStringLiteral("Сечение не проходит по гибкости. Увеличте минимальный радиус "
                              "инерции. Продолжить подбор?");
    return {};
}
