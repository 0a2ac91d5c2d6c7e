// φe of SNiP II-23-81* tables 74 and 75: lookup, interpolation, clamping, and
// the cells of table 75 that are not known.
#include "calc/FieTables.h"
#include "calc/RodCalc.h"

#include <gtest/gtest.h>

namespace {

double fie(int kind, double m, double lambda) {
    double v = -1;
    EXPECT_TRUE(Fie_Calc(kind, m, lambda, v)) << kind << " m " << m << " λ̄ " << lambda;
    return v;
}

TEST(Fie, TellingEntries) {
    const struct {
        int kind;
        double lambda;
        int atM01, atM1, atM5, atM20;
    } rows[] = {
        {0, 0.5, 967, 722, 280, 77}, {0, 3.0, 667, 425, 187, 63}, {0, 14, 52, 48, 40, 26},
        {1, 0.5, 908, 500, 167, 48}, {1, 3.0, 637, 356, 138, 43}, {1, 14, 50, 46, 40, 25},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(fie(r.kind, 0.1, r.lambda), r.atM01 / 1000.0, 1e-12);
        EXPECT_NEAR(fie(r.kind, 1.0, r.lambda), r.atM1 / 1000.0, 1e-12);
        EXPECT_NEAR(fie(r.kind, 5.0, r.lambda), r.atM5 / 1000.0, 1e-12);
        EXPECT_NEAR(fie(r.kind, 20, r.lambda), r.atM20 / 1000.0, 1e-12);
    }
}

TEST(Fie, ClampingAndInterpolation) {
    const struct {
        int kind;
        double m, lambda, expected;
    } cases[] = {
        {0, 1.0, 0.5, 0.722},
        {1, 1.0, 0.5, 0.500},
        {0, 0.05, 0.5, 0.967},                                         // m below the grid: 0.1
        {0, 25, 0.5, 0.077},                                           // m above: 20
        {0, 1.0, 0.3, 0.722},                                          // λ̄ below the grid
        {0, 1.0, 20, 0.048},                                           // λ̄ above
        {0, 0.175, 0.75, (967 + 922 + 925 + 854) / 4000.0},            // midway both ways
        {0, 1.0, 7.5, (FieSplosh[13][4] + FieSplosh[14][4]) / 2000.0}, // wide row step
        {0, 11, 0.5, (150 + 125) / 2000.0},                            // wide column step
        {1, 17, 0.5, 0.058}, // as printed, though the row's rule would give 56
    };
    for (const auto& c : cases)
        EXPECT_NEAR(fie(c.kind, c.m, c.lambda), c.expected, 1e-12)
            << c.kind << " m " << c.m << " λ̄ " << c.lambda;
}

// Every cell of both tables is returned as stored when the arguments sit on
// the grid; unknown cells of table 75 give no value.
TEST(Fie, GridPointsReturnTheirCells) {
    int unknown = 0;
    for (int kind : {0, 1}) {
        const FieTable& t = kind == 0 ? FieSplosh : FieSkvoz;
        for (int r = 0; r < kFieRows; ++r) {
            for (int c = 0; c < kFieColumns; ++c) {
                double v = -1;
                const bool ok = Fie_Calc(kind, kFieColumnGrid[c], kFieRowGrid[r], v);
                if (t[r][c] == kFieUnknown) {
                    EXPECT_FALSE(ok);
                    EXPECT_EQ(v, -1);
                    ++unknown;
                } else {
                    ASSERT_TRUE(ok);
                    EXPECT_NEAR(v, t[r][c] / 1000.0, 1e-12);
                }
            }
        }
    }
    EXPECT_EQ(unknown, 150); // table 75: 396 of 546 cells known
}

TEST(Fie, Table75GivesNoValueWhereAnUnknownCellWouldBeUsed) {
    double v = 0.123;
    // λ̄ 5.5 … 8 is known up to m = 2.0: m = 2.2 needs the unknown column 2.5.
    EXPECT_FALSE(Fie_Calc(1, 2.2, 6.0, v));
    EXPECT_EQ(v, 0.123);
    // λ̄ 5.2 between a full row (5.0) and a staircase row (5.5), m = 3.
    EXPECT_FALSE(Fie_Calc(1, 3.0, 5.2, v));
    // λ̄ 10, m 1: unknown.
    EXPECT_FALSE(Fie_Calc(1, 1.0, 10, v));
    // Known on both sides: m = 2.0 at λ̄ 6.0, and m = 8 anywhere.
    EXPECT_TRUE(Fie_Calc(1, 2.0, 6.0, v));
    EXPECT_TRUE(Fie_Calc(1, 8, 11.5, v));
    // Row 14 has three known cells in the lower part.
    EXPECT_TRUE(Fie_Calc(1, 5.0, 14, v));
    EXPECT_NEAR(v, 0.040, 1e-12);
}

// The tables fall along rows and columns (a cheap guard against a slipped
// digit in the data).
TEST(Fie, TablesAreNonIncreasing) {
    for (const FieTable* t : {&FieSplosh, &FieSkvoz}) {
        for (int r = 0; r < kFieRows; ++r)
            for (int c = 0; c < kFieColumns; ++c) {
                const int v = (*t)[r][c];
                if (v == kFieUnknown)
                    continue;
                if (c + 1 < kFieColumns && (*t)[r][c + 1] != kFieUnknown) {
                    EXPECT_LE((*t)[r][c + 1], v) << "row " << r << " col " << c;
                }
                if (r + 1 < kFieRows && (*t)[r + 1][c] != kFieUnknown) {
                    EXPECT_LE((*t)[r + 1][c], v) << "row " << r << " col " << c;
                }
            }
    }
}

} // namespace
