// The lightest adequate section: hand-checked members, a member no row can
// carry, rows of equal mass, and the search against a check of every row.

#include "batch/LightestSection.h"
#include "app/DesignState.h"
#include "batch/BatchRun.h"
#include "catalogue/Catalogue.h"
#include "selection/SelectionLogic.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

using batch::Member;

namespace {

// A member with the fields every case sets; the rest by the case.
Member member(double force, double length, bool tension, int sechType, const char* steel = "C245",
              double ry = 240) {
    Member m;
    m.number = 1;
    m.name = QStringLiteral("Т1");
    m.force = force;
    m.length = length;
    m.muX = m.muY = 1;
    m.tension = tension;
    m.gammaN = 1;
    m.gammaC = 1;
    m.steelName = QString::fromUtf8(steel);
    m.ry = ry;
    m.landaType = tension ? LandaTension : Landa180Minus60a;
    m.landaU = tension ? 400 : 0;
    m.sechType = sechType;
    m.lightest = true;
    return m;
}

QString designationOf(GridList list, int row) {
    return row < 0 ? QStringLiteral("none")
                   : catalogue::table(gridCatalogue(list)).designation(row).trimmed();
}

// The search for a member set into the design state as the batch sets it.
QString lightest(const Member& m) {
    resetDesignState();
    batch::applyMember(m);
    return designationOf(m.grid(), lightestAdequateRow(m.grid(), m.tension));
}

class LightestSection : public ::testing::Test {
protected:
    void SetUp() override { resetDesignState(); }
};

} // namespace

struct HandCase {
    const char* what;
    Member member;
    const char* expected;
};

// Each expected row checked by hand from the catalogue data:
// - pipes in tension, N = 300 kN, Ry = 240: A ≥ 12.5 cm²; the lightest pipe of
//   the abridged welded list with that area is 127 x 3.5 (A 13.6, 10.7 kg/m);
//   102 x 4.5 is 10.8 kg/m.
// - the same with Ry typed in, which never changes with thickness.
// - two equal angles in compression, N = 380 kN, γn = 0.95, l = 3000 mm:
//   100 x 6.5 (10.06 kg/m, A = 25.64, λx = 97.1, φ ≈ 0.561) gives σ ≈ 251 >
//   240; 100 x 7 (10.79 kg/m, A = 27.5, λx = 97.4, φ = 0.560) gives σ = 234.5.
// - square sections in tension, N = 216 kN: A ≥ 9.0 cm²; 50x50x5.5 and
//   80x80x3 both have A = 9.01 and 7.07 kg/m: the first in the catalogue is
//   taken; at l = 8000 mm 50x50x5.5 (i = 1.77, λ = 452) fails λu = 400 and
//   80x80x3 (i = 3.12, λ = 256) is taken.
TEST_F(LightestSection, HandCheckedMembers) {
    Member pipe = member(300, 3000, true, SechPipe);
    Member pipeTypedRy = pipe;
    pipeTypedRy.steelName.clear();
    Member chord = member(380, 3000, false, SechEqualAnglesT);
    chord.gammaN = 0.95;
    Member square = member(216, 3000, true, SechSquareHollow);
    Member longSquare = square;
    longSquare.length = 8000;
    const HandCase cases[] = {
        {"tension pipe", pipe, "127 x 3.5"},
        {"tension pipe, typed Ry", pipeTypedRy, "127 x 3.5"},
        {"compressed pair of angles", chord, "100 x 7"},
        {"tie of equal mass: first in the catalogue", square, "50x50x5.5"},
        {"tie broken by slenderness", longSquare, "80x80x3"},
    };
    for (const HandCase& c : cases)
        EXPECT_EQ(lightest(c.member), QString::fromUtf8(c.expected)) << c.what;
}

TEST_F(LightestSection, HandCheckedRowsPassAndFailWhenTaken) {
    Member chord = member(380, 3000, false, SechEqualAnglesT);
    chord.gammaN = 0.95;
    batch::applyMember(chord);
    const GridList grid = chord.grid();
    const RowCheck lighter =
        takeRow(grid, findDesignation(grid, QStringLiteral("100 x 6.5")), false);
    EXPECT_TRUE(lighter.thicknessInRange);
    EXPECT_FALSE(lighter.strengthOk);
    EXPECT_NEAR(designState().Sigma, 251.0, 1.0);

    batch::applyMember(chord);
    const RowCheck taken = takeRow(grid, findDesignation(grid, QStringLiteral("100 x 7")), false);
    EXPECT_TRUE(taken.passes());
    EXPECT_NEAR(designState().Sigma, 234.45, 0.01);
    EXPECT_EQ(designState().SechName.str(), QStringLiteral("100 x 7"));
}

TEST_F(LightestSection, NoRowPassesGivesTheReason) {
    struct Case {
        const char* what;
        Member member;
        const char* reason;
    };
    // 20000 kN in tension needs 833 cm²: more than any equal-angle pair; the
    // largest, 2 × 250 x 30 (2 × 142 cm², Ry 230 at 30 mm), is at 3.06.
    const Member heavy = member(20000, 3000, true, SechEqualAnglesT);
    // 16Г2АФ covers 6 to 9 mm only; the square sections of 6 to 9 mm walls
    // are too slender at 30 m: the stiffest, 300x300x6 (i = 11.96 cm), has
    // λ = 250.8 against 150.
    Member slender = member(10, 30000, true, SechSquareHollow, "16Г2АФ", 400);
    slender.landaU = 150;
    // Every column tee has a flange over 9 mm, beyond 16Г2АФ's 6 to 9 mm.
    Member thick = member(10, 1000, true, SechTee, "16Г2АФ", 400);
    thick.tees = TeeSeries::Column;
    const Case cases[] = {
        {"over-stressed", heavy,
         "no row meets the strength check sigma <= Ry*gammaC; the closest is 250 x 30 with "
         "sigma/(Ry*gammaC) = 3.063"},
        {"too slender", slender,
         "no row that meets the strength check meets lambda_max <= lambda_u; the closest is "
         "300x300x6 with lambda_max/lambda_u = 1.672"},
        {"thickness outside the steel", thick,
         "no row has a rolled thickness within the range of steel 16Г2АФ (6 to 9 mm)"},
    };
    for (const Case& c : cases) {
        resetDesignState();
        batch::applyMember(c.member);
        EXPECT_EQ(lightestAdequateRow(c.member.grid(), true), -1) << c.what;
        EXPECT_EQ(noAdequateRowReason(c.member.grid(), true), QString::fromUtf8(c.reason))
            << c.what;
    }
}

TEST_F(LightestSection, ThicknessOutsideTheSteelRangeNeverPasses) {
    // C345K covers 4 to 10 mm: a heavy tie must not end in a thicker angle.
    const Member tie = member(1500, 3000, true, SechEqualAnglesT, "C345K", 335);
    resetDesignState();
    batch::applyMember(tie);
    const int row = lightestAdequateRow(tie.grid(), true);
    ASSERT_GE(row, 0);
    const RowCheck check = takeRow(tie.grid(), row, true);
    EXPECT_TRUE(check.passes());
    EXPECT_LE(designState().Tst, 10);
    EXPECT_EQ(designState().Ry, 335);

    // A row thicker than 10 mm is not taken, whatever its stress.
    batch::applyMember(tie);
    const RowCheck thick =
        takeRow(tie.grid(), findDesignation(tie.grid(), QStringLiteral("125 x 12")), true);
    EXPECT_FALSE(thick.thicknessInRange);
    EXPECT_TRUE(designState().TstOut);
}

TEST_F(LightestSection, SearchLeavesTheDesignStateAsItWas) {
    const Member m = member(250, 2850, false, SechEqualAnglesT);
    batch::applyMember(m);
    DesignState& ds = designState();
    ds.SechName = QStringLiteral("45 x 4");
    ds.Area = 6.96;
    ds.Ry = 240;
    ds.Sigma = 1;
    const DesignState before = ds;
    ASSERT_GE(lightestAdequateRow(m.grid(), false), 0);
    adequateRows(m.grid(), false);
    EXPECT_EQ(ds.SechName.str(), before.SechName.str());
    EXPECT_EQ(ds.Area, before.Area);
    EXPECT_EQ(ds.Sigma, before.Sigma);
    EXPECT_EQ(ds.Fi, before.Fi);
    EXPECT_EQ(ds.LandaU, before.LandaU);
    EXPECT_EQ(ds.Tfas, before.Tfas);
}

TEST_F(LightestSection, CrossedAnglesReadTheCrossRadiusOfTheMembersForce) {
    // 151 kN takes the 8 mm gusset for the cross radii (150 kN would take 6).
    const Member m = member(151, 2000, false, SechEqualAnglesCross);
    batch::applyMember(m);
    const int row = findDesignation(GridList::EqualShort, QStringLiteral("45 x 4"));
    takeRow(GridList::EqualShort, row, false);
    const double expected = crossRadiusColumn(151)[row].toDouble();
    EXPECT_DOUBLE_EQ(designState().iy, expected);
    EXPECT_EQ(designState().Tfas, 8);
}

// The search takes the first row, in the order of mass per metre and then of
// the catalogue, that a check of every row passes.
TEST_F(LightestSection, AgreesWithACheckOfEveryRow) {
    struct Case {
        int type, variant;
        TeeSeries tees;
        double force, length;
        bool tension;
        const char* steel;
        double ry;
    };
    const Case cases[] = {
        {1, 0, TeeSeries::All, 380, 3000, false, "C245", 240},
        {1, 1, TeeSeries::All, 900, 4500, false, "C345", 335},
        {2, 0, TeeSeries::All, 60, 2200, false, "C255", 250},
        {3, 0, TeeSeries::All, 510, 3000, false, "C235", 230},
        {4, 0, TeeSeries::All, 310, 3650, true, "C375", 365},
        {5, 0, TeeSeries::Column, 1200, 3000, false, "C345", 335},
        {5, 0, TeeSeries::All, 800, 6000, true, "C245", 240},
        {6, 0, TeeSeries::All, 450, 3000, false, "C255", 250},
        {7, 0, TeeSeries::All, 700, 6000, false, "", 260},
        {8, 0, TeeSeries::All, 700, 6000, false, "C285", 280},
        {9, 3, TeeSeries::All, 1500, 9000, false, "20", 225},
        {9, 4, TeeSeries::All, 45, 12000, true, "16Г2АФ", 400},
        {9, 0, TeeSeries::All, 5000, 3000, false, "C245", 240},
    };
    DesignState& ds = designState();
    for (const Case& c : cases) {
        Member m = member(c.force, c.length, c.tension, c.type, c.steel, c.ry);
        m.sortVariant = c.variant;
        m.tees = c.tees;
        resetDesignState();
        if (c.steel[0] == '\0')
            m.steelName.clear();
        batch::applyMember(m);
        const GridList grid = m.grid();
        const std::vector<bool> passes = adequateRows(grid, c.tension);
        std::vector<double> mass;
        for (std::size_t r = 0; r < passes.size(); ++r) {
            takeRow(grid, int(r), c.tension);
            mass.push_back(ds.MassM);
            batch::applyMember(m);
        }
        std::vector<int> order(passes.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return mass[std::size_t(a)] < mass[std::size_t(b)]; });
        int expected = -1;
        for (const int r : order)
            if (passes[std::size_t(r)]) {
                expected = r;
                break;
            }
        EXPECT_EQ(lightestAdequateRow(grid, c.tension), expected)
            << "type " << c.type << " variant " << c.variant << " force " << c.force;
    }
}
