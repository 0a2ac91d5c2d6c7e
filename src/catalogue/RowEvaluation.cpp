#include "RowEvaluation.h"

#include "app/DesignState.h"
#include "calc/RodCalc.h"
#include "common/NumberFormat.h"
#include "common/TextToReal.h"

namespace {

// Column numbers of the grids.
namespace eq { // equal angles
constexpr int b = 0, t = 1, A = 3, ix = 5, ix0 = 6, iy0 = 7, mass = 8, pair = 9;
}
namespace uneq { // unequal angles
constexpr int B = 0, b = 1, t = 2, A = 4, mass = 5, ix = 8, iy = 9, pair = 11;
}
namespace tee {
constexpr int name = 0, d = 3, t = 4, A = 6, ix1 = 8, iy = 9, mass = 10;
}
namespace pipe {
constexpr int D = 0, t = 1, A = 2, i = 5, mass = 6;
}
namespace sq {
constexpr int name = 0, A = 1, i = 4, mass = 5;
}
namespace rect {
constexpr int name = 0, A = 1, ix = 3, iy = 5, mass = 6;
}

// Reads the numeric cells an evaluation needs before anything is written, so a
// cell that is empty or not a number leaves the design state as it was.
class CellReader {
public:
    explicit CellReader(const RowCells& cells) : cells_(cells) {}

    double operator()(int column) {
        const QString text = cells_(column);
        double value = 0;
        if (!tryTextToReal(text, value)) {
            if (bad_ < 0)
                bad_ = column;
            return 0;
        }
        return value;
    }
    QString text(int column) const { return cells_(column); }
    int badColumn() const { return bad_; }

private:
    const RowCells& cells_;
    int bad_ = -1;
};

EvaluationResult failure(CatalogueFamily family, int badColumn) {
    EvaluationResult r;
    r.ok = false;
    const bool pairColumn = (family == CatalogueFamily::EqualAngles && badColumn == eq::pair) ||
                            (family == CatalogueFamily::UnequalAngles && badColumn == uneq::pair);
    if (pairColumn)
        r.error = QStringLiteral("Радиус инерции пары уголков не вычислен: сначала выберите "
                                 "толщину фасонки (кнопка «Выбор толщины фасонки»).");
    else
        r.error = QStringLiteral("В строке сортамента нет числа в столбце %1: сечение не "
                                 "может быть рассчитано.")
                      .arg(badColumn + 1);
    return r;
}

} // namespace

double thicknessFromDesignation(const QString& designation, bool* ok) {
    QString rest = num::cut(designation, 12);
    for (int k = 0; k < 2; ++k) {
        const int x = int(rest.indexOf(QLatin1Char('x')));
        if (x >= 0)
            rest.remove(0, x + 1);
    }
    double value = 0;
    const bool converted = tryTextToReal(rest, value);
    if (ok)
        *ok = converted;
    return converted ? value : 0;
}

EvaluationResult evaluateRow(CatalogueFamily family, const RowCells& cells,
                             bool fullEqualAngleList) {
    DesignState& ds = designState();
    CellReader read(cells);
    double massM = 0, tst = 0, area = 0;
    double ix = ds.ix, iy = ds.iy;
    QString name;

    switch (family) {
    case CatalogueFamily::EqualAngles:
        massM = read(eq::mass);
        area = 2 * read(eq::A);
        tst = read(eq::t);
        if (fullEqualAngleList || ds.SechType == SechEqualAnglesT) {
            ix = read(eq::ix);
            iy = read(eq::pair); // pair radius written by the gusset step
        } else if (ds.SechType == SechEqualAnglesCross) {
            ix = read(eq::ix0);
            iy = read(eq::iy0); // overwritten by the chooser with the cross radius
        }
        name = read.text(eq::b) + QStringLiteral(" x ") + read.text(eq::t);
        break;
    case CatalogueFamily::UnequalAngles:
        massM = read(uneq::mass);
        tst = read(uneq::t);
        if (ds.SechType == SechUnequalAnglesShortLegs || ds.SechType == SechUnequalAnglesLongLegs) {
            ix = read(ds.SechType == SechUnequalAnglesShortLegs ? uneq::iy : uneq::ix);
            iy = read(uneq::pair);
        }
        area = 2 * read(uneq::A);
        name = read.text(uneq::B) + QStringLiteral(" x ") + read.text(uneq::b) +
               QStringLiteral(" x ") + read.text(uneq::t);
        break;
    case CatalogueFamily::Tees: {
        massM = read(tee::mass);
        ix = read(tee::ix1);
        iy = read(tee::iy);
        name = read.text(tee::name);
        area = read(tee::A);
        const double flange = read(tee::t);
        const double web = read(tee::d);
        tst = flange > web ? flange : web;
        break;
    }
    case CatalogueFamily::Pipes:
        massM = read(pipe::mass);
        tst = read(pipe::t);
        ix = iy = read(pipe::i);
        name =
            QStringLiteral("  ") + read.text(pipe::D) + QStringLiteral(" x ") + read.text(pipe::t);
        area = read(pipe::A);
        break;
    case CatalogueFamily::SquareHollow: {
        massM = read(sq::mass);
        ix = iy = read(sq::i);
        name = read.text(sq::name);
        bool ok = false;
        tst = thicknessFromDesignation(name, &ok);
        if (!ok)
            return failure(family, sq::name);
        area = read(sq::A);
        break;
    }
    case CatalogueFamily::RectHollow: {
        massM = read(rect::mass);
        if (ds.SechType == SechRectHollowA) {
            ix = read(rect::ix);
            iy = read(rect::iy);
        } else if (ds.SechType == SechRectHollowB) { // turned by a quarter
            ix = read(rect::iy);
            iy = read(rect::ix);
        }
        name = read.text(rect::name);
        bool ok = false;
        tst = thicknessFromDesignation(name, &ok);
        if (!ok)
            return failure(family, rect::name);
        area = read(rect::A);
        break;
    }
    }

    if (read.badColumn() >= 0)
        return failure(family, read.badColumn());

    ds.MassM = massM;
    Mass_Calc(ds.MassM, ds.Lgeom, ds.Mass);
    ds.Tst = tst;
    ds.ix = ix;
    ds.iy = iy;
    ds.Area = area;
    ds.SechName = name;
    ds.SortOk = true;
    return {};
}

Verdicts checkCurrentSection(bool tension) {
    DesignState& ds = designState();
    if (tension) {
        Sigma_Rast(ds.Nforce, ds.Area, ds.GammaN, ds.GammaC, ds.Sigma);
        Landa_Calc(ds.Lx, ds.Ly, ds.ix, ds.iy, ds.LandaMax);
    } else {
        Sigma_Sgat(ds.NormIndex, ds.CurveType, ds.Nforce, ds.Area, ds.GammaN, ds.GammaC, ds.Sigma);
    }
    Verdicts v;
    Delta_Calc(ds.Ry, ds.Sigma, ds.Delta);
    // Equality counts as the favourable case. (The under-stress text is the
    // program's own spelling.)
    v.stress = (ds.Ry * ds.GammaC < ds.Sigma ? QStringLiteral("Перенапряжение ")
                                             : QStringLiteral("Недонаряжение ")) +
               num::fixed(ds.Delta, 5, 2) + QStringLiteral("%");
    Delta_Calc(ds.LandaMax, ds.LandaU, ds.Delta);
    v.slenderness = (ds.LandaMax > ds.LandaU ? QStringLiteral("Перенапряжение по гибкости ")
                                             : QStringLiteral("Недонапряжение по гибкости ")) +
                    num::fixed(ds.Delta, 5, 2) + QStringLiteral("%");
    return v;
}

QString requiredRadiusText(const QString& prefix, double radius) {
    return prefix + num::cut(num::fixed(radius, 2, 3), 7) + QStringLiteral(" см");
}
