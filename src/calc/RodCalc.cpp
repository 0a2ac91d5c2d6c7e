#include "RodCalc.h"

#include "app/DesignState.h"
#include "common/TextToReal.h"
#include "FieTables.h"

#include <cmath>

// ---- Buckling coefficient φ -------------------------------------------------

double conditionalSlenderness(double Ry, double lambda) {
    const double r = Ry / double(designState().ModulE);
    return lambda * std::sqrt(r);
}

bool Fi_SNiP(double Ry, double lambda, double& fi) {
    DesignState& ds = designState();
    const double r = Ry / double(ds.ModulE);
    const double lb = lambda * std::sqrt(r);
    ds.LandaUsl = lb;
    if (lb > 0 && lb <= 2.5) {
        fi = 1 - (0.073 - 5.53 * r) * lb * std::sqrt(lb);
    } else if (lb > 2.5 && lb <= 4.5) {
        fi = 1.47 - 13 * r - (0.371 - 27.3 * r) * lb + (0.0275 - 5.53 * r) * lb * lb;
    } else if (lb > 4.5) {
        fi = 332 / (lb * lb * (51 - lb));
    } else {
        return false; // λ̄ ≤ 0: no value, the caller's φ stays
    }
    return true;
}

void Fi_SP(int curveType, double Ry, double lambda, double& fi) {
    DesignState& ds = designState();
    const double r = Ry / double(ds.ModulE);
    const double lb = lambda * std::sqrt(r);
    ds.LandaUsl = lb;
    double result;
    if (lb < 0.4) {
        result = 1.0;
    } else {
        // Coefficients α, β of the buckling curves a, b, c.
        double alpha = 0.04;
        double beta = 0.09;
        if (curveType == 1) {
            alpha = 0.03;
            beta = 0.06;
        } else if (curveType == 3) {
            beta = 0.14;
        }
        const double delta = 9.87 * (1 - alpha + beta * lb) + lb * lb;
        result = 0.5 * (delta - std::sqrt(delta * delta - 39.48 * lb * lb)) / (lb * lb);
    }
    const double limit = 7.6 / (lb * lb);
    if (result > limit)
        result = limit;
    // Near λ̄ = 0.4 the formula gives slightly more than 1 (1.0061 for curve a);
    // a coefficient above 1 would let a stability check pass σ > Ry.
    if (result > 1.0)
        result = 1.0;
    fi = result;
}

// ---- Member formulas --------------------------------------------------------

QString DelProbel(const QString& text) {
    return removeBlanks(text);
}

void Radius_Pair(double I, double z0, double A, double t, double& radius) {
    const double e = z0 + 0.05 * t; // gusset mid-plane to the angle's centroid, cm
    radius = std::sqrt(2 * (I + A * e * e) / (2 * A));
}

void Mass_Calc(double a, double b, double& mass) {
    mass = a * b / 1000;
}

void Length_Ef(double l, double muX, double muY, double& lx, double& ly) {
    lx = l * muX;
    ly = l * muY;
}

void Radius_Tr(double lx, double ly, double lambda, double& ix, double& iy) {
    ix = lx / (10 * lambda);
    iy = ly / (10 * lambda);
}

void Atr_Rast(double N, double Ry, double gammaN, double gammaC, double& area) {
    area = 10 * N * gammaN / (Ry * gammaC);
}

namespace {

// φ by the project's design code: 0 SNiP II-23-81*, otherwise SP 53-102-2004.
void fiByCode(int code, int curveType, double Ry, double lambda, double& fi) {
    if (code == 0)
        Fi_SNiP(Ry, lambda, fi);
    else
        Fi_SP(curveType, Ry, lambda, fi);
}

} // namespace

void Atr_Sgat(int code, int curveType, double N, double Ry, double gammaN, double gammaC,
              double& area) {
    DesignState& ds = designState();
    fiByCode(code, curveType, Ry, ds.Gibkost, ds.Fi);
    area = 10 * N * gammaN / (ds.Fi * Ry * gammaC);
}

void Landa_Calc(double lx, double ly, double ix, double iy, double& landaMax) {
    DesignState& ds = designState();
    ds.LandaX = lx / (10 * ix);
    ds.LandaY = ly / (10 * iy);
    landaMax = ds.LandaX > ds.LandaY ? ds.LandaX : ds.LandaY;
}

void Landa_Pred(int code, double Ry, double& landaU) {
    DesignState& ds = designState();
    double alfa = 10 * ds.Nforce * ds.GammaN / (Ry * ds.GammaC * ds.Fi * ds.Area);
    if (alfa < 0.5)
        alfa = 0.5;
    if (alfa > 1.0)
        alfa = 1.0;
    ds.Alfa = alfa;
    switch (code) { // SNiP II-23-81*, table 19*
    case 1:
        landaU = 180 - 60 * alfa;
        break;
    case 2:
        landaU = 120;
        break;
    case 3:
        landaU = 210 - 60 * alfa;
        break;
    case 4:
        landaU = 220;
        break;
    default:
        break; // tension or a typed-in limit: λu stays as set
    }
}

void Sigma_Rast(double N, double A, double gammaN, double /*gammaC*/, double& sigma) {
    sigma = 10 * N * gammaN / A;
}

void Sigma_Sgat(int code, int curveType, double N, double A, double gammaN, double /*gammaC*/,
                double& sigma) {
    DesignState& ds = designState();
    Landa_Calc(ds.Lx, ds.Ly, ds.ix, ds.iy, ds.LandaMax);
    fiByCode(code, curveType, ds.Ry, ds.LandaMax, ds.Fi);
    sigma = 10 * N * gammaN / (A * ds.Fi);
    Landa_Pred(ds.LandaType, ds.Ry, ds.LandaU);
}

void Delta_Calc(double a, double b, double& delta) {
    const double ref = a * designState().GammaC;
    const double d = (ref - b) / ref * 100;
    delta = d >= 0 ? d : -d;
}

double Fas_Tolsh(double N) {
    // Recommended gusset thicknesses; each band includes its upper bound.
    struct Band {
        double upTo;
        double thickness;
    };
    static constexpr Band bands[] = {{150, 6},   {250, 8},   {400, 10}, {600, 12},
                                     {1000, 14}, {1400, 16}, {1800, 18}};
    for (const Band& band : bands)
        if (N <= band.upTo)
            return band.thickness;
    return 20;
}

// ---- Coefficient φe ---------------------------------------------------------

namespace {

const FieTable& fieTable(int kind) {
    return kind == FieLattice ? FieSkvoz : FieSplosh;
}

// Bracket of x on a grid: (i, i) at or outside the ends and on a grid value,
// otherwise (i, i+1) with grid[i] < x < grid[i+1].
template <std::size_t N>
void bracket(const std::array<double, N>& grid, double x, int& lo, int& hi) {
    const int last = int(N) - 1;
    if (x <= grid[0]) {
        lo = hi = 0;
        return;
    }
    if (x >= grid[last]) {
        lo = hi = last;
        return;
    }
    for (int k = 0; k < last; ++k) {
        if (x == grid[k]) {
            lo = hi = k;
            return;
        }
        if (x > grid[k] && x < grid[k + 1]) {
            lo = k;
            hi = k + 1;
            return;
        }
    }
    lo = hi = last;
}

} // namespace

bool Fie_Interp(int kind, int c1, int c2, int r1, int r2, double m1, double m2, double l1,
                double l2, double m, double lambda, double& fie) {
    const FieTable& t = fieTable(kind);
    for (int r : {r1, r2})
        for (int c : {c1, c2})
            if (t[r][c] == kFieUnknown)
                return false;
    auto inRow = [&](int r) {
        if (m1 != m2) {
            const double w = (m - m1) / (m2 - m1);
            return t[r][c1] - w * (t[r][c1] - t[r][c2]);
        }
        return double(t[r][c1]);
    };
    const double y1 = inRow(r1);
    const double y2 = inRow(r2);
    double v;
    if (l1 != l2) {
        const double u = (lambda - l1) / (l2 - l1);
        v = y1 - u * (y1 - y2);
    } else {
        v = (y1 + y2) / 2;
    }
    fie = v / 1000;
    return true;
}

bool Fie_Row(int kind, int c1, int c2, double m, double lambda, double& fie) {
    int r1 = 0;
    int r2 = 0;
    bracket(kFieRowGrid, lambda, r1, r2);
    return Fie_Interp(kind, c1, c2, r1, r2, kFieColumnGrid[c1], kFieColumnGrid[c2], kFieRowGrid[r1],
                      kFieRowGrid[r2], m, lambda, fie);
}

bool Fie_Calc(int kind, double m, double lambda, double& fie) {
    int c1 = 0;
    int c2 = 0;
    bracket(kFieColumnGrid, m, c1, c2);
    return Fie_Row(kind, c1, c2, m, lambda, fie);
}
