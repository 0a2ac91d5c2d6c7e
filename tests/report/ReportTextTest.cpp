// The lines of the calculation report and of the summary table.

#include "report/ReportText.h"
#include "ExpectedFiles.h"
#include "ReportFixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <QString>
#include <QStringList>

namespace {

using namespace reporttest;
using reporttest::setChord;
using reporttest::setDiagonal;
using reporttest::setPassport;

DesignState chord() {
    DesignState s;
    setPassport(s);
    setChord(s);
    return s;
}

// ---- Report member lines ---------------------------------------------------

TEST(ReportLines, WorkedExampleInCompression) {
    const QStringList l = report::memberLines(chord(), true);
    ASSERT_EQ(l.size(), 36);
    EXPECT_EQ(l.mid(1, 34), chordMember());
    // Indices 0 and 35 are never filled.
    EXPECT_EQ(l[0], QString());
    EXPECT_EQ(l[35], QString());
}

TEST(ReportLines, WorkedExampleInTension) {
    const QStringList l = report::memberLines(chord(), false);
    EXPECT_EQ(l[4], q("Стержень растянут"));
    EXPECT_EQ(l[5], q("Расчетное усилие в стержне  N = 250.00 кН"));
    EXPECT_EQ(l[23], q("___ ПРОВЕРКА ПРОЧНОСТИ:"));
    EXPECT_EQ(l[25], QString());
}

struct LineCase {
    const char* what;
    std::function<void(DesignState&)> change;
    bool compression;
    int index;
    const char* expected;
};

class ReportLineCases : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReportLineCases, Line) {
    const LineCase& c = GetParam();
    DesignState s = chord();
    c.change(s);
    EXPECT_EQ(report::memberLines(s, c.compression)[c.index], q(c.expected)) << c.what;
}

void pipe(DesignState& s, int variant) {
    s.SechType = SechPipe;
    s.SortVariant = std::uint8_t(variant);
    s.SechName = QStringLiteral("114x4");
}

const LineCase kLineCases[] = {
    {"force 5 kN in compression", [](DesignState& s) { s.Nforce = 5; }, true, 5,
     "Расчетное усилие в стержне  N = -5.00 кН"},
    {"force 5 kN in tension, width 5", [](DesignState& s) { s.Nforce = 5; }, false, 5,
     "Расчетное усилие в стержне  N =  5.00 кН"},
    {"zero force in compression has no minus", [](DesignState& s) { s.Nforce = 0; }, true, 5,
     "Расчетное усилие в стержне  N =  0.00 кН"},
    {"length 2999.5 to even", [](DesignState& s) { s.Lgeom = 2999.5; }, true, 6,
     "Геометрическая длина  L = 3000 мм"},
    {"length 2998.5 to even", [](DesignState& s) { s.Lgeom = 2998.5; }, true, 6,
     "Геометрическая длина  L = 2998 мм"},
    {"effective length 2998.5 to even", [](DesignState& s) { s.Ly = 2998.5; }, true, 11,
     "    - из плоскости фермы Ly = 2998 мм"},
    {"steel line", [](DesignState&) {}, true, 13, "Сталь C245, Ry = 240 МПа"},
    {"Ry typed in: empty steel", [](DesignState& s) { s.SteelName = QString(); }, true, 13,
     "Сталь , Ry = 240 МПа"},
    {"importance factor", [](DesignState& s) { s.GammaN = 0.95; }, true, 14,
     "Коэффициент надежности по назначению 0.95"},
    {"working-conditions factor", [](DesignState& s) { s.GammaC = 0.9; }, true, 15,
     "Коэффициент условий работы 0.90"},
    {"area, radii and mass", [](DesignState&) {}, true, 19, "Площадь A = 23.100 см^2"},
    {"radii labels", [](DesignState&) {}, true, 20, "ix = 3.080 см;       iy2 = 4.400 см"},
    {"crossed angles keep the report labels",
     [](DesignState& s) { s.SechType = SechEqualAnglesCross; }, true, 20,
     "ix = 3.080 см;       iy2 = 4.400 см"},
    {"mass", [](DesignState&) {}, true, 21, "Масса стержня 62.700 кг"},
    {"stress equal to Ry·γc is under-stress",
     [](DesignState& s) {
         s.Sigma = s.Ry * s.GammaC;
         s.Delta = 0;
     },
     true, 26, "Sigma = 228.00 МПа < Ry * GammaC = 228 МПа"},
    {"0.00 % under-stress",
     [](DesignState& s) {
         s.Sigma = s.Ry * s.GammaC;
         s.Delta = 0;
     },
     true, 27, "Недонапряжение составляет 0.00%"},
    {"over-stress comparison",
     [](DesignState& s) {
         s.Sigma = 239.4;
         s.Delta = 5.0;
     },
     true, 26, "Sigma = 239.40 МПа > Ry * GammaC = 228 МПа"},
    {"over-stress verdict",
     [](DesignState& s) {
         s.Sigma = 239.4;
         s.Delta = 5.0;
     },
     true, 27, "ПЕРЕНАПРЯЖЕНИЕ 5.00% - НЕДОПУСТИМО!"},
    {"λx equal to λu takes <", [](DesignState& s) { s.LandaX = 150; }, true, 31,
     "LamdaX = 150.00 < Lu = 150.00"},
    {"λy above λu takes >", [](DesignState& s) { s.LandaY = 150.01; }, true, 32,
     "LamdaY = 150.01 > Lu = 150.00"},
    {"angles 8509", [](DesignState&) {}, true, 18,
     "Сечение стержня из двух равнополочных уголков ГОСТ 8509-93 80x7"},
    {"unequal angles",
     [](DesignState& s) {
         s.SechType = SechUnequalAnglesLongLegs;
         s.SechName = QStringLiteral("100x63x7");
     },
     true, 18, "Сечение стержня из двух неравнополочных уголков ГОСТ 8510-86 100x63x7"},
    {"tee",
     [](DesignState& s) {
         s.SechType = SechTee;
         s.SechName = q("10БТ1");
     },
     true, 18, "Сечение стержня из тавра ГОСТ 26020-83 10БТ1"},
    {"square hollow",
     [](DesignState& s) {
         s.SechType = SechSquareHollow;
         s.SechName = QStringLiteral("80x80x4");
     },
     true, 18,
     "Сечение стержня из профиля гнутого замкнутого сварного кв. ГОСТ 30245-2003 80x80x4"},
    {"rectangular hollow",
     [](DesignState& s) {
         s.SechType = SechRectHollowB;
         s.SechName = QStringLiteral("120x80x4");
     },
     true, 18,
     "Сечение стержня из профиля гнутого замкнутого сварного пр. ГОСТ 30245-2003 120x80x4"},
    {"pipe, default variant", [](DesignState& s) { pipe(s, 0); }, true, 18,
     "Сечение стержня из электросварных прямошовных труб ГОСТ 10704-91 D 114x4"},
    {"pipe, welded abridged", [](DesignState& s) { pipe(s, 2); }, true, 18,
     "Сечение стержня из электросварных прямошовных труб ГОСТ 10704-91 D 114x4"},
    {"pipe, seamless", [](DesignState& s) { pipe(s, 3); }, true, 18,
     "Сечение стержня из бесшовных горячекатанных труб ГОСТ 8732-78 D 114x4"},
    {"pipe, welded full", [](DesignState& s) { pipe(s, 4); }, true, 18,
     "Сечение стержня из электросварных прямошовных труб ГОСТ 10704-91 D 114x4"},
};

INSTANTIATE_TEST_SUITE_P(Edges, ReportLineCases, ::testing::ValuesIn(kLineCases));

TEST(ReportLines, PipeDescriptionsEndInALatinD) {
    for (int variant : {0, 3}) {
        const QString d = report::sectionDescription(SechPipe, variant);
        ASSERT_FALSE(d.isEmpty());
        EXPECT_EQ(d.back(), QLatin1Char('D')) << variant;
    }
}

// ---- Summary table ---------------------------------------------------------

TEST(TableLines, HeadIsNineteenLinesWithTheRuledHead) {
    const QStringList head = report::tableHead(chord());
    EXPECT_EQ(head, tableHeadLines());
    EXPECT_EQ(head.mid(0, 8), report::titleBlock(chord()));
    ASSERT_EQ(head.size(), 19);
    for (const QString& line : head.mid(11))
        EXPECT_EQ(line.size(), 96) << line.toStdString();
    // "MПa": Latin M and a around a Cyrillic П.
    EXPECT_TRUE(head[14].contains(QString::fromUtf16(u"  M\u041Fa  |GammaC,|")));
    EXPECT_TRUE(head[15].contains(QString::fromUtf16(u"|  M\u041Fa  |")));
}

TEST(TableLines, WorkedRowInCompressionAndTension) {
    EXPECT_EQ(report::tableRow(chord(), true), chordRow());
    DesignState s = chord();
    setDiagonal(s);
    EXPECT_EQ(report::tableRow(s, false), diagonalRow());
}

TEST(TableLines, BarsOfTheRowStandUnderTheHead) {
    const QStringList head = report::tableHead(chord());
    const QStringList row = report::tableRow(chord(), true);
    for (const QString& line : {head[15], head[16], row[1], row[2]}) {
        ASSERT_EQ(line.size(), 96);
        QList<int> bars;
        for (int i = 0; i < line.size(); ++i)
            if (line[i] == QLatin1Char('|'))
                bars << i;
        EXPECT_EQ(bars, QList<int>({0, 6, 14, 20, 26, 32, 38, 45, 52, 59, 65, 72, 80, 88, 95}))
            << line.toStdString();
    }
}

struct ColumnCase {
    const char* what;
    std::function<void(DesignState&)> change;
    bool compression;
    int column; // 1 to 14
    const char* expected;
};

class TableColumnCases : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(TableColumnCases, Column) {
    const ColumnCase& c = GetParam();
    DesignState s = chord();
    c.change(s);
    const QStringList columns = report::tableRow(s, c.compression)[1].split(QLatin1Char('|'));
    ASSERT_EQ(columns.size(), 16); // empty texts before the first and after the last bar
    EXPECT_EQ(columns[c.column], q(c.expected)) << c.what;
}

const ColumnCase kColumnCases[] = {
    {"force 250.5 in tension to even", [](DesignState& s) { s.Nforce = 250.5; }, false, 1, "  250"},
    {"force 250.5 in compression to even", [](DesignState& s) { s.Nforce = 250.5; }, true, 1,
     " -250"},
    {"force 251.5 to even", [](DesignState& s) { s.Nforce = 251.5; }, false, 1, "  252"},
    {"lx 2855 mm -> 285.5 cm -> 286", [](DesignState& s) { s.Lx = 2855; }, true, 3, "  286"},
    {"lx 2845 mm -> 284.5 cm -> 284", [](DesignState& s) { s.Lx = 2845; }, true, 3, "  284"},
    {"ly 2855 mm", [](DesignState& s) { s.Ly = 2855; }, true, 4, "  286"},
    {"tension has no φ", [](DesignState&) {}, false, 10, "  -  "},
    {"λu kept from the tension choice", [](DesignState& s) { s.LandaU = 300; }, false, 9, " 300.0"},
    {"unification left blank", [](DesignState&) {}, true, 14, "      "},
};

INSTANTIATE_TEST_SUITE_P(Edges, TableColumnCases, ::testing::ValuesIn(kColumnCases));

TEST(TableLines, AWideForceShiftsTheRestOfItsLine) {
    DesignState s = chord();
    s.Nforce = 12500;
    const QString line = report::tableRow(s, true)[1];
    EXPECT_TRUE(line.startsWith(q("|-12500|  23.10|"))) << line.toStdString();
    EXPECT_EQ(line.size(), 97);
    EXPECT_TRUE(line.endsWith(q("| 228.00|      |")));
}

struct SectionCase {
    int sechType;
    int sortVariant;
    const char* name;
    const char* expected;
};

TEST(TableLines, SectionTextOfEveryType) {
    const SectionCase cases[] = {
        {1, 0, "80x7", "Два уголка 80x7 ГОСТ 8509-93"},
        {2, 1, "80x7", "Два уголка 80x7 ГОСТ 8509-93"},
        {3, 0, "100x63x7", "Два уголка 100x63x7 ГОСТ 8510-86"},
        {4, 0, "100x63x7", "Два уголка 100x63x7 ГОСТ 8510-86"},
        {5, 0, "10БТ1", "Тавр 10БТ1 ГОСТ 26020-83"},
        {6, 0, "80x80x4", "Профиль Гн. кв.80x80x4 ГОСТ 30245-2003"},
        {7, 0, "120x80x4", "Профиль Гн. пр.120x80x4 ГОСТ 30245-2003"},
        {8, 0, "120x80x4", "Профиль Гн. пр.120x80x4 ГОСТ 30245-2003"},
        {9, 0, "114x4", "Тр. D114x4 ГОСТ 10704-91"},
        {9, 2, "114x4", "Тр. D114x4 ГОСТ 10704-91"},
        {9, 3, "114x4", "Тр. D114x4 ГОСТ 8732-78"},
        {9, 4, "114x4", "Тр. D114x4 ГОСТ 10704-91"},
    };
    for (const SectionCase& c : cases) {
        DesignState s = chord();
        s.SechType = std::uint16_t(c.sechType);
        s.SortVariant = std::uint8_t(c.sortVariant);
        s.SechName = q(c.name);
        EXPECT_EQ(report::tableSectionText(s), q(c.expected)) << c.sechType << "/" << c.sortVariant;
    }
    // "Тр. D": Cyrillic Т and р, Latin D.
    DesignState s = chord();
    s.SechType = SechPipe;
    EXPECT_EQ(report::tableSectionText(s).left(5), QString::fromUtf16(u"\u0422\u0440. D"));
}

TEST(TableLines, SectionTextIsCutTo70Characters) {
    DesignState s = chord();
    s.SechType = SechSquareHollow;
    s.SechName = QString(60, QLatin1Char('9'));
    const QString text = report::tableSectionText(s);
    EXPECT_EQ(text, q("Профиль Гн. кв.") + QString(55, QLatin1Char('9')));
    EXPECT_EQ(text.size(), 70);
}

TEST(TableLines, EmptySteelEndsTheFirstLineInASlash) {
    DesignState s = chord();
    s.SteelName = QString();
    EXPECT_TRUE(report::tableRow(s, true)[0].endsWith(q("ГОСТ 8509-93 / ")));
}

} // namespace
