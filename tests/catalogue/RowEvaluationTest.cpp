// A catalogue row, as the grid shows it, turned into the section of the design
// state; the automatic-mode verdicts; Ry by rolled thickness.
#include "catalogue/RowEvaluation.h"
#include "app/DesignState.h"
#include "catalogue/SteelThickness.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace {

RowCells cellsOf(const QStringList& row) {
    return [row](int c) { return c < row.size() ? row[c] : QString(); };
}

class RowEvaluationTest : public ::testing::Test {
protected:
    void SetUp() override { resetDesignState(); }
    DesignState& ds = designState();
};

TEST_F(RowEvaluationTest, EqualAnglePairFromTheAbridgedList) {
    ds.SechType = SechEqualAnglesT;
    ds.Lgeom = 6000;
    // 45 x 4: b t R1 A z0 ix ix0 iy0 mass | pair radius written by the gusset step
    const QStringList row = {"45",   "4",    "5",    "3.48", "1.26",
                             "1.38", "1.74", "0.89", "2.73", "2.246"};
    ASSERT_TRUE(evaluateRow(CatalogueFamily::EqualAngles, cellsOf(row)).ok);
    EXPECT_DOUBLE_EQ(ds.Area, 6.96);
    EXPECT_EQ(ds.SechName.str(), QStringLiteral("45 x 4"));
    EXPECT_EQ(ds.Tst, 4);
    EXPECT_EQ(ds.ix, 1.38);
    EXPECT_EQ(ds.iy, 2.246); // as shown, three decimals
    EXPECT_EQ(ds.MassM, 2.73);
    EXPECT_NEAR(ds.Mass, 16.38, 1e-12); // one angle, not doubled
    EXPECT_TRUE(ds.SortOk);

    ds.SechType = SechEqualAnglesCross; // the chooser wrote the cross radius into column 7
    ASSERT_TRUE(evaluateRow(CatalogueFamily::EqualAngles, cellsOf(row)).ok);
    EXPECT_EQ(ds.ix, 1.74);
    EXPECT_EQ(ds.iy, 0.89);
}

TEST_F(RowEvaluationTest, MissingPairRadiusLeavesTheStateAndSaysWhy) {
    ds.SechType = SechEqualAnglesT;
    ds.Area = 11.1;
    ds.SechName = QStringLiteral("before");
    for (const QString& pair : {QString(), QStringLiteral("abc")}) {
        const QStringList row = {"45",   "4",    "5",    "3.48", "1.26",
                                 "1.38", "1.74", "0.89", "2.73", pair};
        const EvaluationResult r = evaluateRow(CatalogueFamily::EqualAngles, cellsOf(row));
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains(QStringLiteral("фасонки")));
        EXPECT_EQ(ds.Area, 11.1);
        EXPECT_EQ(ds.SechName.str(), QStringLiteral("before"));
        EXPECT_FALSE(ds.SortOk);
    }
    // Unequal angles need their pair column too.
    ds.SechType = SechUnequalAnglesShortLegs;
    const QStringList unequal = {"63",   "40",   "4",    "7",    "4.04", "3.17",
                                 "2.03", "0.91", "2.01", "1.12", "0.86", ""};
    EXPECT_FALSE(evaluateRow(CatalogueFamily::UnequalAngles, cellsOf(unequal)).ok);
}

TEST_F(RowEvaluationTest, UnequalAnglesByArrangement) {
    const QStringList row = {"63",   "40",   "4",    "7",    "4.04", "3.17",
                             "2.03", "0.91", "2.01", "1.12", "0.86", "1.95"};
    const struct {
        std::uint16_t type;
        double ix;
    } cases[] = {{SechUnequalAnglesShortLegs, 1.12}, {SechUnequalAnglesLongLegs, 2.01}};
    for (const auto& c : cases) {
        ds.SechType = c.type;
        ASSERT_TRUE(evaluateRow(CatalogueFamily::UnequalAngles, cellsOf(row)).ok);
        EXPECT_EQ(ds.ix, c.ix);
        EXPECT_EQ(ds.iy, 1.95);
        EXPECT_DOUBLE_EQ(ds.Area, 8.08);
        EXPECT_EQ(ds.SechName.str(), QStringLiteral("63 x 40 x 4"));
        EXPECT_EQ(ds.Tst, 4);
    }
}

TEST_F(RowEvaluationTest, TeeThicknessIsTheThickerOfFlangeAndWeb) {
    const struct {
        const char* web;
        const char* flange;
        double tst;
    } cases[] = {{"5.6", "8.5", 8.5}, {"9", "8", 9}, {"7", "7", 7}};
    for (const auto& c : cases) {
        const QStringList row = {"10БT1", "50",  "55",  c.web, c.flange, "7",
                                 "6.49",  "1.3", "1.5", "1.2", "5.1"};
        ASSERT_TRUE(evaluateRow(CatalogueFamily::Tees, cellsOf(row)).ok);
        EXPECT_EQ(ds.Tst, c.tst);
        EXPECT_EQ(ds.SechName.str(), QStringLiteral("10БT1"));
        EXPECT_EQ(ds.ix, 1.5);
        EXPECT_EQ(ds.iy, 1.2);
        EXPECT_EQ(ds.Area, 6.49);
    }
}

TEST_F(RowEvaluationTest, PipesHollowSectionsAndTheirDesignations) {
    ASSERT_TRUE(evaluateRow(CatalogueFamily::Pipes,
                            cellsOf({"1020", "9", "285.84", "363608", "7129", "35.66", "224.4"}))
                    .ok);
    EXPECT_EQ(ds.SechName.str(), QStringLiteral("  1020 x 9"));
    EXPECT_EQ(ds.ix, 35.66);
    EXPECT_EQ(ds.iy, 35.66);
    EXPECT_EQ(ds.Tst, 9);

    ASSERT_TRUE(evaluateRow(CatalogueFamily::SquareHollow,
                            cellsOf({"40x40x2.5", "3.59", "8.22", "4.11", "1.51", "2.82"}))
                    .ok);
    EXPECT_EQ(ds.Tst, 2.5);
    EXPECT_EQ(ds.ix, 1.51);

    const QStringList rect = {"60x40x3", "5.41", "25.2", "2.16", "13.2", "1.56", "4.25"};
    ds.SechType = SechRectHollowA;
    ASSERT_TRUE(evaluateRow(CatalogueFamily::RectHollow, cellsOf(rect)).ok);
    EXPECT_EQ(ds.ix, 2.16);
    EXPECT_EQ(ds.iy, 1.56);
    EXPECT_EQ(ds.Tst, 3);
    ds.SechType = SechRectHollowB; // turned: swapped
    ASSERT_TRUE(evaluateRow(CatalogueFamily::RectHollow, cellsOf(rect)).ok);
    EXPECT_EQ(ds.ix, 1.56);
    EXPECT_EQ(ds.iy, 2.16);
}

TEST(ThicknessFromDesignation, TwiceUpToTheFirstX) {
    EXPECT_EQ(thicknessFromDesignation(QStringLiteral("40x40x2.5")), 2.5);
    EXPECT_EQ(thicknessFromDesignation(QStringLiteral("300x200x12")), 12);
    bool ok = true;
    thicknessFromDesignation(QStringLiteral("40x40"),
                             &ok); // "40" after one cut, then nothing to cut
    EXPECT_TRUE(ok);
    thicknessFromDesignation(QStringLiteral("x"), &ok);
    EXPECT_FALSE(ok);
}

class VerdictTest : public RowEvaluationTest {
protected:
    void SetUp() override {
        RowEvaluationTest::SetUp();
        ds.Ry = 230;
        ds.GammaC = 1;
        ds.GammaN = 1;
        ds.Lx = ds.Ly = 3000;
        ds.ix = ds.iy = 2.5; // λ = 120
        ds.LandaU = 150;
        ds.LandaType = LandaTension;
    }
};

TEST_F(VerdictTest, EqualityIsTheFavourableCase) {
    ds.Area = 10;
    ds.Nforce = 230; // σ = 230 = Ry·γc
    ds.LandaU = 120; // λmax = λu
    const Verdicts v = checkCurrentSection(true);
    EXPECT_EQ(v.stress, QStringLiteral("Недонаряжение  0.00%"));
    EXPECT_EQ(v.slenderness, QStringLiteral("Недонапряжение по гибкости  0.00%"));
}

TEST_F(VerdictTest, OverStressAndDeltaKeepsTheSlendernessPercentage) {
    ds.Area = 10;
    ds.Nforce = 253; // σ = 253 → 10 % over
    ds.LandaU = 100; // λ 120 over 100
    const Verdicts v = checkCurrentSection(true);
    EXPECT_EQ(v.stress, QStringLiteral("Перенапряжение 10.00%"));
    EXPECT_EQ(v.slenderness, QStringLiteral("Перенапряжение по гибкости 16.67%"));
    EXPECT_NEAR(ds.Delta, (120.0 - 100) / 120 * 100, 1e-9);
    EXPECT_DOUBLE_EQ(ds.Sigma, 253);
}

TEST_F(VerdictTest, CompressionUsesStabilityAndTheLimitRule) {
    ds.Area = 20;
    ds.Nforce = 180;
    ds.LandaType = Landa120;
    const Verdicts v = checkCurrentSection(false);
    EXPECT_NEAR(ds.Fi, 0.4330, 0.00005); // SNiP, λ 120, Ry 230
    EXPECT_NEAR(ds.Sigma, 1800 / (20 * ds.Fi), 1e-9);
    EXPECT_EQ(ds.LandaU, 120);
    EXPECT_TRUE(v.stress.startsWith(QStringLiteral("Недонаряжение ")));
    EXPECT_EQ(v.slenderness, QStringLiteral("Недонапряжение по гибкости  0.00%"));
}

TEST(RequiredRadiusText, ThreeDecimalsCutToSeven) {
    EXPECT_EQ(requiredRadiusText(QStringLiteral("ix, тр = "), 3000 / 900.0),
              QStringLiteral("ix, тр = 3.333 см"));
    EXPECT_EQ(requiredRadiusText(QStringLiteral("ix, тр = "), 6000 / 4000.0),
              QStringLiteral("ix, тр = 1.500 см"));
    EXPECT_EQ(requiredRadiusText(QStringLiteral("iy, тр = "), 123.45678),
              QStringLiteral("iy, тр = 123.457 см"));
    EXPECT_EQ(requiredRadiusText(QStringLiteral("iy, тр = "), 12345.6789),
              QStringLiteral("iy, тр = 12345.6 см"));
}

TEST(SteelThickness, RangesByGrade) {
    const struct {
        const char* steel;
        double t;
        double Ry; // 0: outside the grade
    } cases[] = {
        {"C235", 2, 230},  {"C235", 20, 230},  {"C235", 20.01, 220}, {"C235", 40, 220},
        {"C235", 41, 0},   {"C235", 1.5, 0},   {"C255", 3, 0},       {"C255", 4, 250},
        {"C255", 10, 250}, {"C255", 15, 240},  {"C255", 40, 230},    {"C345", 3, 335},
        {"C375", 10, 365}, {"C375", 20, 345},  {"C375", 25, 325},    {"C275", 12, 270},
        {"C275", 22, 0},   {"C345K", 10, 335}, {"C345K", 12, 0},     {"20", 36, 225},
        {"20", 3, 0},      {"16Г2АФ", 8, 400}, {"16Г2АФ", 10, 0},    {"C285", 12, 270},
    };
    for (const auto& c : cases) {
        const SteelThicknessRule* rule = steelThicknessRule(QString::fromUtf8(c.steel));
        ASSERT_NE(rule, nullptr) << c.steel;
        const int i = rule->rangeOf(c.t);
        EXPECT_EQ(i < 0 ? 0.0 : rule->ranges[std::size_t(i)].Ry, c.Ry) << c.steel << " " << c.t;
    }
    EXPECT_EQ(steelThicknessRule(QString()), nullptr);
    EXPECT_EQ(steelThicknessRule(QStringLiteral("С235")), nullptr); // Cyrillic С: no match
}

TEST(SteelThickness, MessageTexts) {
    EXPECT_EQ(wrongRangeText(2, 20, 20),
              QStringLiteral("Ry выбрано неверно! tmax = 20.00 мм <=  20 мм."));
    EXPECT_EQ(wrongRangeText(1, 20, 25),
              QStringLiteral("Ry выбрано неверно! tmax = 25.00 мм >  20 мм."));
    EXPECT_EQ(wrongRangeText(3, 10, 5), QStringLiteral("Ry выбрано неверно!"));
    EXPECT_EQ(thicknessBelowMinText(3, 4, QStringLiteral("C255")),
              QStringLiteral("Максимальная толщина выбранного Вами проката t=3.00 мм меньше "
                             "минимальной толщины ( 4 мм) для проката из стали C255. Измените "
                             "толщину проката или класс стали."));
    EXPECT_EQ(thicknessAboveMaxText(22, 20, QStringLiteral("C275")),
              QStringLiteral("Максимальная толщина выбранного Вами проката t=22.00 мм больше "
                             "максимальной толщины (20 мм) для проката из стали C275. Измените "
                             "толщину проката или класс стали."));
    EXPECT_EQ(thicknessOutOfGradeText(QStringLiteral("C275")),
              QStringLiteral("Толщина проката выходит за рамки толщины для стали C275. Измените "
                             "сталь, тип сечения или толщину проката."));
    EXPECT_EQ(thicknessLineText(8.5), QStringLiteral("Максимальная толщина проката t = 8.50 мм"));
}

TEST(SteelThickness, RadioCaptionsAsStored) {
    const SteelThicknessRule* c235 = steelThicknessRule(QStringLiteral("C235"));
    EXPECT_EQ(rangeCaption(*c235, 0), QStringLiteral("t от  2    до 20  - Ry = 230 МПа"));
    EXPECT_EQ(rangeCaption(*c235, 1), QStringLiteral("t св. 20  до 40  - Ry = 220 МПа"));
    const SteelThicknessRule* c255 = steelThicknessRule(QStringLiteral("C255"));
    EXPECT_EQ(rangeCaption(*c255, 0), QStringLiteral("t от  4    до 10  - Ry = 250 МПа"));
    EXPECT_EQ(rangeCaption(*c255, 1), QStringLiteral("t св. 10  до 20  - Ry = 240 МПа"));
    int withTab = 0;
    for (const SteelThicknessRule& r : steelThicknessRules())
        withTab += r.tabCaption.isEmpty() ? 0 : 1;
    EXPECT_EQ(withTab, kSteelGradesWithTab);
}

} // namespace
