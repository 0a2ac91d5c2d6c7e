// Member design formulas: the edge cases that decide a check.
#include "app/DesignState.h"
#include "calc/RodCalc.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class FormulasTest : public ::testing::Test {
protected:
    void SetUp() override { resetDesignState(); }
    DesignState& ds = designState();
};

TEST_F(FormulasTest, GussetThicknessBands) {
    const struct {
        double force, thickness;
    } cases[] = {{-50, 6},   {0, 6},       {150, 6},   {150.01, 8},   {250, 8},   {250.5, 10},
                 {400, 10},  {400.01, 12}, {600, 12},  {700, 14},     {1000, 14}, {1000.5, 16},
                 {1400, 16}, {1400.1, 18}, {1800, 18}, {1800.01, 20}, {12500, 20}};
    for (const auto& c : cases)
        EXPECT_EQ(Fas_Tolsh(c.force), c.thickness) << c.force;
}

// α = 10·N·γn/(Ry·γc·φ·A) is held within 0.5 … 1.0 before the rule is applied.
TEST_F(FormulasTest, LimitSlendernessClampsAlpha) {
    ds.GammaN = 1;
    ds.GammaC = 1;
    ds.Fi = 1;
    ds.Area = 10;
    const double Ry = 200;
    // N chosen for α = 0.3 and 1.2.
    const struct {
        double alpha;
        int code;
        double landaU;
        double storedAlpha;
    } cases[] = {
        {0.3, 1, 150, 0.5},   {0.3, 3, 180, 0.5},   {1.2, 1, 120, 1.0}, {1.2, 3, 150, 1.0},
        {0.75, 1, 135, 0.75}, {0.75, 3, 165, 0.75}, {0.3, 2, 120, 0.5}, {1.2, 2, 120, 1.0},
        {0.3, 4, 220, 0.5},   {1.2, 4, 220, 1.0},
    };
    for (const auto& c : cases) {
        ds.Nforce = c.alpha * Ry * ds.Area / 10;
        double landaU = -1;
        Landa_Pred(c.code, Ry, landaU);
        EXPECT_NEAR(landaU, c.landaU, 1e-9) << "α " << c.alpha << " code " << c.code;
        EXPECT_NEAR(ds.Alfa, c.storedAlpha, 1e-12);
    }
    // Tension and a typed-in limit leave λu alone but still store α.
    for (int code : {5, 66}) {
        ds.Nforce = 0.75 * Ry * ds.Area / 10;
        ds.Alfa = 0;
        double landaU = 400;
        Landa_Pred(code, Ry, landaU);
        EXPECT_EQ(landaU, 400);
        EXPECT_NEAR(ds.Alfa, 0.75, 1e-12);
    }
}

TEST_F(FormulasTest, DeltaIsTheMagnitudeBothWays) {
    ds.GammaC = 1;
    double d = 0;
    Delta_Calc(230, 253, d);
    EXPECT_NEAR(d, 10, 1e-12); // over-stress
    Delta_Calc(230, 207, d);
    EXPECT_NEAR(d, 10, 1e-12); // under-stress
    ds.GammaC = 0.95;
    Delta_Calc(230, 225, d);
    EXPECT_NEAR(d, 2.974828375, 1e-8); // (218.5 − 225)/218.5
}

TEST_F(FormulasTest, SlendernessOfBothAxes) {
    double lmax = 0;
    Landa_Calc(3000, 6000, 2.5, 4.0, lmax);
    EXPECT_DOUBLE_EQ(ds.LandaX, 120);
    EXPECT_DOUBLE_EQ(ds.LandaY, 150);
    EXPECT_DOUBLE_EQ(lmax, 150);
    Landa_Calc(3000, 3000, 2.0, 2.0, lmax); // equal: λy
    EXPECT_DOUBLE_EQ(lmax, 150);
}

TEST_F(FormulasTest, PairRadius) {
    double r = 0;
    // With t = 0 the pair radius is √(I/A + z0²).
    Radius_Pair(6.63, 1.26, 3.48, 0, r);
    EXPECT_NEAR(r, std::sqrt(6.63 / 3.48 + 1.26 * 1.26), 1e-12);
    // A gusset of 10 mm moves each centroid 0.5 cm further out.
    Radius_Pair(6.63, 1.26, 3.48, 10, r);
    EXPECT_NEAR(r, std::sqrt(6.63 / 3.48 + 1.76 * 1.76), 1e-12);
}

TEST_F(FormulasTest, SmallFormulas) {
    double a = 0, b = 0;
    Length_Ef(2850, 1, 0.8, a, b);
    EXPECT_DOUBLE_EQ(a, 2850);
    EXPECT_DOUBLE_EQ(b, 2280);
    Radius_Tr(3000, 6000, 100, a, b);
    EXPECT_DOUBLE_EQ(a, 3);
    EXPECT_DOUBLE_EQ(b, 6);
    Mass_Calc(8.19, 2000, a);
    EXPECT_NEAR(a, 16.38, 1e-12);
    Atr_Rast(250, 230, 1, 0.95, a);
    EXPECT_NEAR(a, 2500 / 218.5, 1e-12);
    Sigma_Rast(250, 10, 0.95, 0.8, a); // γc is not used
    EXPECT_NEAR(a, 237.5, 1e-12);
    EXPECT_EQ(DelProbel(QStringLiteral("  500.0 ")), QStringLiteral("500.0"));
}

TEST_F(FormulasTest, RequiredAreaInCompressionUsesTheAssumedSlenderness) {
    ds.Gibkost = 60;
    double area = 0;
    Atr_Sgat(0, 0, 250, 240, 1, 1, area); // SNiP: φ(60, 240) = 0.8049
    EXPECT_NEAR(ds.Fi, 0.8049, 0.00005);
    EXPECT_NEAR(area, 2500 / (ds.Fi * 240), 1e-9);
    Atr_Sgat(1, 3, 250, 240, 1, 1, area); // SP curve c: 0.7359
    EXPECT_NEAR(ds.Fi, 0.7359, 0.00005);
    EXPECT_NEAR(area, 2500 / (ds.Fi * 240), 1e-9);
}

TEST_F(FormulasTest, StabilityStressFillsTheCheckFields) {
    ds.Lx = ds.Ly = 2400;
    ds.ix = 3.0;
    ds.iy = 4.0; // λx = 80, λy = 60
    ds.Ry = 240;
    ds.Nforce = 250;
    ds.GammaN = 1;
    ds.GammaC = 1;
    ds.Area = 20;
    ds.LandaType = 1;
    double sigma = 0;
    Sigma_Sgat(0, 0, ds.Nforce, ds.Area, ds.GammaN, ds.GammaC, sigma);
    EXPECT_DOUBLE_EQ(ds.LandaMax, 80);
    double fi = 0;
    Fi_SNiP(240, 80, fi);
    EXPECT_DOUBLE_EQ(ds.Fi, fi);
    EXPECT_DOUBLE_EQ(sigma, 2500 / (20 * fi));
    const double alpha = 2500 / (240 * fi * 20);
    EXPECT_NEAR(ds.Alfa, alpha, 1e-12);
    EXPECT_NEAR(ds.LandaU, 180 - 60 * alpha, 1e-9);
}

} // namespace
