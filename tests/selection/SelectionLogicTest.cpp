// The selection's calculations: cross radii, gusset columns and texts,
// required area, and the questions after a row is taken.
#include "selection/SelectionLogic.h"
#include "app/DesignState.h"
#include "calc/RodCalc.h"
#include "catalogue/Catalogue.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class SelectionLogicTest : public ::testing::Test {
protected:
    void SetUp() override { resetDesignState(); }
    DesignState& ds = designState();
};

TEST_F(SelectionLogicTest, CrossRadiiFollowTheGussetOfTheForce) {
    const catalogue::Table& t = catalogue::table(catalogue::Id::UgolRavnKor);
    // First row 45 x 4: A 3.48, z0 1.26, Iy0 from the table.
    const double A = t.value(0, t.column("A")), z0 = t.value(0, t.column("z0")),
                 Iy0 = t.value(0, t.column("Iy0"));
    for (const auto& [force, gusset] : {std::pair{150.0, 6.0}, {151.0, 8.0}}) {
        const QStringList column = crossRadiusColumn(force);
        ASSERT_EQ(column.size(), 70);
        EXPECT_EQ(ds.Tfas, gusset);
        const double d = 0.707107 * (2 * z0 + 0.1 * gusset);
        EXPECT_EQ(column[0], QString::number(std::sqrt((A * d * d + Iy0) / A), 'f', 3));
    }
    EXPECT_NE(crossRadiusColumn(150)[0], crossRadiusColumn(151)[0]);
}

TEST_F(SelectionLogicTest, GussetForceAndCaption) {
    EXPECT_EQ(gussetForce(false, QStringLiteral("999"), 250).value(), 250);
    EXPECT_EQ(gussetForce(true, QStringLiteral(" 1 200 "), 250).value(), 1200);
    EXPECT_FALSE(gussetForce(true, QStringLiteral(" . "), 250).has_value());
    EXPECT_EQ(gussetCaption(false, {}, 250),
              QStringLiteral(" Максимальное усилие в стержне 250.00 кН"));
    EXPECT_EQ(gussetCaption(false, {}, 5),
              QStringLiteral(" Максимальное усилие в стержне  5.00 кН"));
    EXPECT_EQ(gussetCaption(true, QStringLiteral(" 1 200.5"), 250),
              QStringLiteral(" Максимальное усилие в стержнях решетки 1200.5 кН"));
}

TEST_F(SelectionLogicTest, RadiusHeadersByGussetThickness) {
    EXPECT_EQ(iy2Header(10), QStringLiteral("iy2 (tf=10), см"));
    EXPECT_EQ(ix2Header(6), QStringLiteral("ix2 (tf=6), см"));
    EXPECT_EQ(iy2Header(20), QStringLiteral("iy2 (tf=20), см"));
    EXPECT_TRUE(iy2Header(7).isEmpty());
    EXPECT_TRUE(ix2Header(0).isEmpty());
}

TEST_F(SelectionLogicTest, PairRadiusColumnsByType) {
    const struct {
        int type;
        bool full;
        int column, rows;
        const char* header;
        const char* I;
        const char* z;
        catalogue::Id id;
    } cases[] = {
        {1, false, 9, 70, "iy2 (tf=10), см", "Ix", "z0", catalogue::Id::UgolRavnKor},
        {1, true, 9, 121, "iy2 (tf=10), см", "Ix", "z0", catalogue::Id::UgolRavn},
        {3, false, 11, 38, "ix2 (tf=10), см", "Ix", "y0", catalogue::Id::UgolNeravn},
        {4, false, 11, 38, "iy2 (tf=10), см", "Iy", "x0", catalogue::Id::UgolNeravn},
    };
    for (const auto& c : cases) {
        const PairRadiusColumn col = pairRadiusColumn(c.type, 10, c.full);
        EXPECT_EQ(col.column, c.column);
        EXPECT_EQ(col.header, QString::fromUtf8(c.header));
        ASSERT_EQ(col.values.size(), c.rows);
        const catalogue::Table& t = catalogue::table(c.id);
        const int last = t.rows - 1;
        double r = 0;
        Radius_Pair(t.value(last, t.column(c.I)), t.value(last, t.column(c.z)),
                    t.value(last, t.column("A")), 10, r);
        EXPECT_EQ(col.values[last], QString::number(r, 'f', 3)) << c.type;
    }
    EXPECT_EQ(pairRadiusColumn(2, 10).column, -1);
    EXPECT_TRUE(pairRadiusColumn(9, 10).values.isEmpty());
}

TEST_F(SelectionLogicTest, RequiredAreaAndItsText) {
    ds.Nforce = 250;
    ds.Ry = 240;
    ds.GammaC = 0.95;
    EXPECT_NEAR(computeRequiredArea(true), 2500 / 228.0, 1e-12);
    ds.Gibkost = 60;
    EXPECT_NEAR(computeRequiredArea(false), 2500 / (0.8049 * 228), 0.01);
    EXPECT_NEAR(ds.Fi, 0.8049, 0.00005);
    EXPECT_EQ(requiredAreaText(QStringLiteral("Aтр = "), 10.964912280701754),
              QStringLiteral("Aтр = 10.9649 см^2"));
    EXPECT_EQ(requiredAreaText(QStringLiteral("Aтр. уголка = "), 3.5),
              QStringLiteral("Aтр. уголка = 3.5 см^2"));
}

TEST_F(SelectionLogicTest, QuestionsAfterTheRowIsTaken) {
    // γc 0.95, Ry 230, σ 225 → 2.97 % over.
    ds.GammaC = 0.95;
    ds.Ry = 230;
    ds.GammaN = 1;
    ds.Nforce = 225;
    ds.Area = 10;
    EXPECT_EQ(checkTakenSection(true),
              QStringLiteral("Условие прочности не выполняется! ПЕРЕНАПРЯЖЕНИЕ 2.97%. "
                             "Продолжить подбор?"));
    // Compression failing stability and slenderness: only the stability question.
    ds.Lx = ds.Ly = 6000;
    ds.ix = ds.iy = 2; // λ 300
    ds.LandaType = Landa120;
    ds.Nforce = 100;
    EXPECT_TRUE(checkTakenSection(false).startsWith(
        QStringLiteral("Условие устойчивости не выполняется! ПЕРЕНАПРЯЖЕНИЕ ")));
    // Stability holds, slenderness fails.
    ds.Nforce = 5;
    EXPECT_EQ(checkTakenSection(false),
              QStringLiteral("Сечение не проходит по гибкости. Увеличте минимальный радиус "
                             "инерции. Продолжить подбор?"));
    // Tension: slenderness is not asked about here.
    EXPECT_TRUE(checkTakenSection(true).isEmpty());
    // Equality passes.
    ds.Nforce = 218.5;
    EXPECT_TRUE(checkTakenSection(true).isEmpty());
}

} // namespace
