// What the catalogues hold: row counts, column order, the size lists of the standards, the rows
// quoted as reference values, and the designation texts.

#include "CatalogueTables.h"
#include "CatalogueTestSupport.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <vector>

using catalogue::Id;
using catalogue::table;
using cattest::SizeGroup;

namespace {

struct Shape {
    Id id;
    const char* name;
    int rows;
    int columns;
    bool designation;
    std::vector<const char*> keys;
};

const std::vector<const char*> kEqualKeys = {"b",   "t",   "R1",   "A",  "z0", "ix",
                                             "ix0", "iy0", "mass", "Ix", "Iy0"};
const std::vector<const char*> kTeeKeys = {"h", "b", "d", "t", "R", "A", "z0", "ix1", "iy", "mass"};
const std::vector<const char*> kPipeKeys = {"D", "t", "A", "J", "W", "i", "mass"};

TEST(CatalogueShape, RowCountsColumnsAndColumnOrder) {
    const std::vector<Shape> cases = {
        {Id::UgolRavnKor, "UgolRavnKor", 70, 11, false, kEqualKeys},
        {Id::UgolRavn, "UgolRavn", 121, 10, false, {kEqualKeys.begin(), kEqualKeys.end() - 1}},
        {Id::UgolNeravn,
         "UgolNeravn",
         38,
         13,
         false,
         {"B", "b", "t", "R1", "A", "mass", "y0", "x0", "ix", "iy", "iu", "Ix", "Iy"}},
        // The wide-flange tees 40ШT1, 45ШT1 and 50ШT1 have no data and are left out.
        {Id::TavrAll, "TavrAll", 52, 10, true, kTeeKeys},
        {Id::TavrB, "TavrAll", 23, 10, true, kTeeKeys},
        {Id::TavrSh, "TavrSh", 14, 10, true, kTeeKeys},
        {Id::TavrK, "TavrK", 15, 10, true, kTeeKeys},
        {Id::TrubaSvar0, "TrubaSvar0Tab", 72, 7, false, kPipeKeys},
        {Id::TrubaSvar1, "TrubaSvar1Tab", 611, 7, false, kPipeKeys},
        {Id::TrubaDef, "TrubaDefTab", 1276, 7, false, kPipeKeys},
        {Id::ProfKv, "ProfKv", 155, 5, true, {"A", "J", "W", "i", "mass"}},
        {Id::ProfPr, "ProfPr", 424, 6, true, {"A", "Jx", "ix", "Jy", "iy", "mass"}},
    };
    for (const auto& c : cases) {
        const auto& t = table(c.id);
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(t.name, c.name);
        EXPECT_EQ(t.rows, c.rows);
        EXPECT_EQ(t.columns, c.columns);
        EXPECT_EQ(t.hasDesignation(), c.designation);
        ASSERT_EQ(std::size_t(t.columns), c.keys.size());
        for (int col = 0; col < t.columns; ++col) {
            EXPECT_STREQ(t.keys[col], c.keys[std::size_t(col)]) << "column " << col;
            EXPECT_EQ(t.column(c.keys[std::size_t(col)]), col);
        }
        EXPECT_EQ(t.column("no such column"), -1);
    }
    EXPECT_EQ(catalogue::tables().size(), 11u);
}

TEST(CatalogueShape, GridHeadersOfTheShownColumns) {
    EXPECT_STREQ(table(Id::UgolRavnKor).columnInfo[8].header, "Масса 1м, кг");
    EXPECT_STREQ(table(Id::UgolRavnKor).columnInfo[9].header, ""); // Ix: read by the gusset step
    EXPECT_STREQ(table(Id::UgolNeravn).columnInfo[5].header, "Масса 1м, кг");
    EXPECT_STREQ(table(Id::UgolNeravn).columnInfo[10].header, "iu, см");
    EXPECT_STREQ(table(Id::TavrK).columnInfo[7].header, "ix1, см");
    EXPECT_STREQ(table(Id::TavrK).designationHeader, "Номер профиля");
    EXPECT_STREQ(table(Id::TrubaDef).columnInfo[3].header, "Jx=Jy, см^4");
    EXPECT_STREQ(table(Id::ProfKv).designationHeader, "hxbxt, мм");
    EXPECT_STREQ(table(Id::ProfPr).columnInfo[3].header, "Jy, см^4");
}

// The tee tables: TavrAll is the beam tees, then the wide-flange tees, then the column tees,
// row for row the same as the series tables.
TEST(CatalogueTees, TavrAllIsTheThreeSeriesInOrder) {
    const auto& all = table(Id::TavrAll);
    int row = 0;
    for (Id series : {Id::TavrB, Id::TavrSh, Id::TavrK}) {
        const auto& s = table(series);
        for (int r = 0; r < s.rows; ++r, ++row) {
            EXPECT_EQ(all.designation(row), s.designation(r));
            for (int c = 0; c < s.columns; ++c)
                EXPECT_EQ(all.value(row, c), s.value(r, c)) << all.designation(row).toStdString();
        }
    }
    EXPECT_EQ(row, all.rows);
    EXPECT_EQ(&TavrAll[0][0], table(Id::TavrB).values);
}

std::vector<QString> names(Id id) {
    std::vector<QString> out;
    for (int r = 0; r < table(id).rows; ++r)
        out.push_back(table(id).designation(r));
    return out;
}

std::vector<QString> qstrings(std::initializer_list<const char*> list) {
    std::vector<QString> out;
    for (const char* s : list)
        out.push_back(QString::fromUtf8(s));
    return out;
}

TEST(CatalogueTees, SeriesDesignations) {
    EXPECT_EQ(
        names(Id::TavrB),
        qstrings({"10БT1",   "11.5БT1", "13БT1", "15БT1", "17.5БT1", "17.5БT2", "20БT1", "20БT2",
                  "22.5БT1", "22.5БT2", "25БT1", "25БT2", "27.5БT1", "30БT1",   "30БT2", "35БT1",
                  "35БT2",   "40БT1",   "45БT1", "50БT1", "50БT2",   "50БT3",   "50БT4"}));
    EXPECT_EQ(names(Id::TavrSh),
              qstrings({"10ШT1", "11.5ШT1", "13ШT1", "13ШT2", "15ШT1", "15ШT2", "17.5ШT1",
                        "17.5ШT2", "20ШT1", "20ШT2", "25ШT1", "30ШT1", "35ШT1", "35ШT2"}));
    EXPECT_EQ(names(Id::TavrK),
              qstrings({"10KT1", "10KT2", "11.5KT1", "11.5KT2", "13KT1", "13KT2", "15KT1", "15KT2",
                        "17.5KT1", "17.5KT2", "20KT1", "20KT2", "20KT3", "20KT4", "20KT5"}));
}

TEST(CatalogueTees, DesignationLettersAndLength) {
    // Cyrillic Б (U+0411) and Ш (U+0428), Latin T and K, a point as decimal mark.
    const QRegularExpression form(QStringLiteral("^\\d+(\\.\\d)?(\\x{0411}T|\\x{0428}T|KT)\\d$"));
    for (int r = 0; r < table(Id::TavrAll).rows; ++r) {
        const QString name = table(Id::TavrAll).designation(r);
        EXPECT_TRUE(form.match(name).hasMatch()) << name.toStdString();
        EXPECT_LE(name.size(), catalogue::kTeeNameMaxLength) << name.toStdString();
    }
}

TEST(CatalogueHollow, DesignationFormAndLength) {
    const QRegularExpression form(QStringLiteral("^\\d+x\\d+x\\d+(\\.5)?$"));
    for (Id id : {Id::ProfKv, Id::ProfPr}) {
        const auto& t = table(id);
        for (int r = 0; r < t.rows; ++r) {
            const QString name = t.designation(r);
            EXPECT_TRUE(form.match(name).hasMatch()) << name.toStdString();
            EXPECT_LE(name.size(), catalogue::kHollowNameMaxLength) << name.toStdString();
            const auto s = cattest::parseHollow(name);
            if (id == Id::ProfKv) {
                EXPECT_EQ(s.h, s.b) << name.toStdString();
            } else {
                EXPECT_GT(s.h, s.b) << name.toStdString(); // h is the larger side
            }
        }
    }
    EXPECT_EQ(table(Id::ProfKv).designation(1), QStringLiteral("40x40x2.5"));
}

TEST(CatalogueDesignation, MadeFromTheRowAsTheWindowShowsIt) {
    struct Case {
        Id id;
        int row;
        const char* text;
    };
    const Case cases[] = {
        {Id::UgolRavnKor, 0, "45 x 4"},
        {Id::UgolRavn, 61, "90 x 10"},
        {Id::UgolRavn, 63, "100 x 6.5"},
        {Id::UgolNeravn, 0, "63 x 40 x 4"},
        {Id::UgolNeravn, 9, "90 x 56 x 5.5"},
        // Pipes carry two leading blanks in their designation.
        {Id::TrubaSvar0, 0, "  83 x 3"},
        {Id::TrubaSvar0, 71, "  1420 x 16"},
        {Id::TrubaSvar1, 20, "  44.5 x 1.2"},
        {Id::TrubaDef, 1275, "  550 x 75"},
        {Id::TavrAll, 23, "10ШT1"},
        {Id::TavrB, 22, "50БT4"},
        {Id::ProfPr, 423, "400x200x12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table(c.id).designation(c.row), QString::fromUtf8(c.text)) << c.text;
}

TEST(CatalogueAccess, OutOfRangeGivesNothing) {
    const auto& t = table(Id::UgolNeravn);
    EXPECT_TRUE(std::isnan(t.value(-1, 0)));
    EXPECT_TRUE(std::isnan(t.value(t.rows, 0)));
    EXPECT_TRUE(std::isnan(t.value(0, t.columns)));
    EXPECT_TRUE(std::isnan(table(Id::TavrB).value(23, 0))); // the view ends at the beam tees
    EXPECT_TRUE(t.designation(t.rows).isEmpty());
    EXPECT_TRUE(table(Id::ProfKv).designation(-1).isEmpty());
    EXPECT_EQ(t.value(37, 12), UgolNeravn[37][12]);
}

// ---- size lists ---------------------------------------------------------------------------

using Groups = std::vector<SizeGroup>;

void expectGroups(Id id, const Groups& expected) {
    const auto got = cattest::sizeGroups(id);
    ASSERT_EQ(got.size(), expected.size()) << table(id).name;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].size, expected[i].size) << table(id).name;
        EXPECT_EQ(got[i].thicknesses, expected[i].thicknesses)
            << table(id).name << " size " << expected[i].size[0];
    }
}

TEST(CatalogueSizes, EqualAnglesAbridged) {
    const Groups expected = {
        {{45}, {4, 5}},
        {{50}, {4, 5, 6}},
        {{56}, {4, 5}},
        {{63}, {4, 5, 6}},
        {{70}, {5, 6, 7, 8}},
        {{75}, {5, 6, 7, 8, 9}},
        {{80}, {6, 7, 8}},
        {{90}, {6, 7, 8, 9}},
        {{100}, {6.5, 7, 8, 10, 12, 14, 16}},
        {{110}, {7, 8}},
        {{125}, {8, 9, 10, 12, 14, 16}},
        {{140}, {9, 10, 12}},
        {{160}, {10, 11, 12, 14, 16, 18, 20}},
        {{180}, {11, 12}},
        {{200}, {12, 13, 14, 16, 18, 20, 25, 30}},
        {{220}, {14, 16}},
        {{250}, {16, 18, 20, 22, 25, 28, 30}},
    };
    expectGroups(Id::UgolRavnKor, expected);
}

TEST(CatalogueSizes, EqualAnglesFull) {
    const Groups expected = {
        {{20}, {3, 4}},
        {{25}, {3, 4, 5}},
        {{28}, {3}},
        {{30}, {3, 4, 5}},
        {{32}, {3, 4}},
        {{35}, {3, 4, 5}},
        {{40}, {3, 4, 5, 6}},
        {{45}, {3, 4, 5, 6}},
        {{50}, {3, 4, 5, 6, 7, 8}},
        {{56}, {4, 5}},
        {{60}, {4, 5, 6, 8, 10}},
        {{63}, {4, 5, 6}},
        {{65}, {6, 8}},
        {{70}, {4.5, 5, 6, 7, 8, 10}},
        {{75}, {5, 6, 7, 8, 9}},
        {{80}, {5.5, 6, 7, 8, 10, 12}},
        {{90}, {6, 7, 8, 9, 10, 12}},
        {{100}, {6.5, 7, 8, 10, 12, 14, 15, 16}},
        {{110}, {7, 8}},
        {{120}, {8, 10, 12, 15}},
        {{125}, {8, 9, 10, 12, 14, 16}},
        {{140}, {9, 10, 12}},
        {{150}, {10, 12, 15, 18}},
        {{160}, {10, 11, 12, 14, 16, 18, 20}},
        {{180}, {11, 12, 15, 18, 20}},
        {{200}, {12, 13, 14, 16, 18, 20, 24, 25, 30}},
        {{220}, {14, 16}},
        {{250}, {16, 18, 20, 22, 25, 28, 30, 35}},
    };
    expectGroups(Id::UgolRavn, expected);
}

TEST(CatalogueSizes, UnequalAngles) {
    const Groups expected = {
        {{63, 40}, {4, 5, 6, 8}},    {{75, 50}, {5, 6, 8}},          {{80, 50}, {5, 6}},
        {{90, 56}, {5.5, 6, 8}},     {{100, 63}, {6, 7, 8, 10}},     {{110, 70}, {6.5, 8}},
        {{125, 80}, {7, 8, 10, 12}}, {{140, 90}, {8, 10}},           {{160, 100}, {9, 10, 12, 14}},
        {{180, 110}, {10, 12}},      {{200, 125}, {11, 12, 14, 16}}, {{250, 160}, {12, 16, 18, 20}},
    };
    expectGroups(Id::UgolNeravn, expected);
}

TEST(CatalogueSizes, WeldedPipesAbridged) {
    const Groups expected = {
        {{83}, {3}},
        {{89}, {3}},
        {{102}, {3, 4.5}},
        {{114}, {3, 3.5, 4.5, 5}},
        {{127}, {3, 3.5, 4, 4.5, 5}},
        {{140}, {4.5, 5}},
        {{159}, {3.5, 4, 5, 6, 7}},
        {{168}, {4, 4.5, 5.5, 6, 8}},
        {{219}, {3.5, 4, 4.5, 5, 6, 7, 8}},
        {{273}, {4, 6, 7, 8}},
        {{325}, {4, 6, 7, 8}},
        {{377}, {6, 7, 8, 9}},
        {{426}, {6, 7, 8}},
        {{530}, {7, 8, 9}},
        {{630}, {7, 9}},
        {{720}, {8, 9, 10}},
        {{820}, {8, 9, 10, 11}},
        {{1020}, {9, 10, 10.5, 12, 14}},
        {{1220}, {11, 12, 14, 15.2, 16}},
        {{1420}, {12, 14, 16}},
    };
    expectGroups(Id::TrubaSvar0, expected);
}

// A size with the first and last thickness of its range and the number of rows.
struct Span {
    std::vector<double> size;
    double first, last;
    std::size_t count;
};

void expectSpans(Id id, const std::vector<Span>& expected, bool halfMillimetreSteps = false) {
    const auto got = cattest::sizeGroups(id);
    ASSERT_EQ(got.size(), expected.size()) << table(id).name;
    for (std::size_t i = 0; i < got.size(); ++i) {
        const auto& g = got[i];
        const auto& e = expected[i];
        SCOPED_TRACE(std::string(table(id).name) + " size " + std::to_string(e.size[0]));
        EXPECT_EQ(g.size, e.size);
        EXPECT_EQ(g.thicknesses.front(), e.first);
        EXPECT_EQ(g.thicknesses.back(), e.last);
        EXPECT_EQ(g.thicknesses.size(), e.count);
        for (std::size_t k = 1; k < g.thicknesses.size(); ++k) {
            EXPECT_GT(g.thicknesses[k], g.thicknesses[k - 1]);
            if (halfMillimetreSteps) {
                EXPECT_EQ(g.thicknesses[k] - g.thicknesses[k - 1], 0.5);
            }
        }
    }
}

TEST(CatalogueSizes, WeldedPipesFull) {
    expectSpans(Id::TrubaSvar1,
                {{{40}, 1.2, 3, 10},    {{42}, 1.2, 3, 10},    {{44.5}, 1.2, 3, 10},
                 {{45}, 1.2, 3, 10},    {{48}, 1.4, 3.5, 11},  {{48.3}, 1.4, 3.5, 11},
                 {{51}, 1.4, 3.5, 11},  {{53}, 1.4, 3.5, 11},  {{54}, 1.4, 3.5, 11},
                 {{57}, 1.4, 3.5, 11},  {{60}, 1.4, 3.8, 12},  {{63.5}, 1.4, 3.8, 12},
                 {{70}, 1.4, 4, 13},    {{73}, 1.4, 4, 13},    {{76}, 1.4, 5.5, 16},
                 {{83}, 1.6, 5.5, 14},  {{89}, 1.6, 5.5, 14},  {{95}, 2, 5, 4},
                 {{102}, 1.8, 5.5, 13}, {{108}, 1.8, 5.5, 13}, {{114}, 1.8, 5.5, 13},
                 {{127}, 1.8, 5.5, 13}, {{133}, 1.8, 5.5, 13}, {{140}, 1.8, 5.5, 13},
                 {{152}, 1.8, 5.5, 13}, {{159}, 1.8, 8, 16},   {{168}, 1.8, 8, 16},
                 {{177.8}, 1.8, 8, 16}, {{180}, 4, 5, 2},      {{193.7}, 2, 8, 15},
                 {{219}, 2.5, 9, 14},   {{244.5}, 3, 9, 12},   {{273}, 3.5, 9, 10},
                 {{325}, 4, 9, 8},      {{355.6}, 4, 10, 9},   {{377}, 4, 10, 9},
                 {{406.4}, 4, 12, 11},  {{426}, 4, 12, 11},    {{478}, 5, 12, 9},
                 {{530}, 5, 24, 21},    {{630}, 7, 20, 14},    {{720}, 7, 30, 24},
                 {{820}, 7, 30, 24},    {{920}, 7, 20, 14},    {{1020}, 8, 32, 25},
                 {{1120}, 8, 20, 13},   {{1220}, 9, 20, 12},   {{1420}, 10, 20, 11}});
}

TEST(CatalogueSizes, SeamlessPipes) {
    expectSpans(
        Id::TrubaDef,
        {{{25}, 2.5, 8, 13},   {{28}, 2.5, 8, 13},   {{32}, 2.5, 8, 13},   {{38}, 2.5, 8, 13},
         {{42}, 2.5, 10, 17},  {{45}, 2.5, 10, 17},  {{50}, 2.5, 10, 17},  {{54}, 3, 11, 16},
         {{57}, 3, 13, 18},    {{60}, 3, 14, 19},    {{63.5}, 3, 14, 19},  {{68}, 3, 16, 21},
         {{70}, 3, 16, 21},    {{73}, 3, 19, 24},    {{76}, 3, 19, 24},    {{83}, 3.5, 19, 23},
         {{89}, 3.5, 24, 26},  {{95}, 3.5, 24, 26},  {{102}, 3.5, 24, 26}, {{108}, 4, 28, 28},
         {{114}, 4, 28, 28},   {{121}, 4, 28, 28},   {{127}, 4, 30, 29},   {{133}, 4, 32, 30},
         {{140}, 4.5, 36, 32}, {{146}, 4.5, 36, 32}, {{152}, 4.5, 36, 32}, {{159}, 4.5, 36, 32},
         {{168}, 5, 45, 35},   {{180}, 5, 45, 35},   {{194}, 5, 45, 35},   {{203}, 6, 50, 35},
         {{219}, 6, 50, 35},   {{245}, 6.5, 50, 34}, {{273}, 6.5, 50, 34}, {{299}, 7.5, 75, 38},
         {{325}, 7.5, 75, 38}, {{351}, 8, 75, 37},   {{377}, 9, 75, 35},   {{402}, 9, 75, 35},
         {{426}, 9, 75, 35},   {{450}, 9, 75, 35},   {{465}, 9, 75, 31},   {{480}, 9, 75, 28},
         {{500}, 9, 75, 28},   {{530}, 9, 75, 28},   {{550}, 9, 75, 28}});
}

TEST(CatalogueSizes, SquareHollowSections) {
    expectSpans(Id::ProfKv,
                {{{40, 40}, 2, 4, 5},
                 {{50, 50}, 2, 6, 9},
                 {{60, 60}, 2, 6, 9},
                 {{70, 70}, 2, 7, 11},
                 {{80, 80}, 3, 8, 11},
                 {{90, 90}, 3, 8, 11},
                 {{100, 100}, 3, 8, 11},
                 {{120, 120}, 3, 8, 11},
                 {{140, 140}, 4, 8, 9},
                 {{150, 150}, 4, 8, 9},
                 {{160, 160}, 4, 8, 9},
                 {{180, 180}, 5, 10, 11},
                 {{200, 200}, 6, 12, 13},
                 {{250, 250}, 6, 12, 13},
                 {{300, 300}, 6, 12, 13}},
                true);
}

TEST(CatalogueSizes, RectangularHollowSections) {
    expectSpans(Id::ProfPr,
                {{{50, 25}, 2, 4, 5},     {{50, 30}, 2, 5, 6},      {{50, 40}, 2, 5, 7},
                 {{60, 30}, 2, 6, 9},     {{60, 40}, 2, 6, 9},      {{70, 50}, 2, 6, 9},
                 {{80, 40}, 2, 6, 9},     {{80, 60}, 2, 7, 11},     {{80, 70}, 3, 7, 9},
                 {{90, 50}, 3, 7, 9},     {{90, 60}, 3, 7, 8},      {{100, 40}, 3, 7, 9},
                 {{100, 50}, 3, 7, 9},    {{100, 60}, 3, 7, 9},     {{120, 40}, 3, 7, 9},
                 {{120, 60}, 3, 7, 9},    {{120, 80}, 3, 7, 9},     {{140, 60}, 3, 7, 9},
                 {{140, 100}, 4, 7, 7},   {{140, 120}, 4, 8, 9},    {{150, 100}, 4, 7, 7},
                 {{160, 40}, 3, 7, 9},    {{160, 80}, 4, 7, 7},     {{160, 100}, 4, 8, 9},
                 {{160, 120}, 4, 8, 9},   {{160, 140}, 5, 8, 7},    {{180, 60}, 4, 8, 9},
                 {{180, 80}, 4, 8, 9},    {{180, 100}, 4, 8, 9},    {{180, 140}, 4, 8, 9},
                 {{200, 40}, 4, 7, 7},    {{200, 80}, 4, 8, 9},     {{200, 100}, 4, 8, 9},
                 {{200, 120}, 4, 8, 9},   {{200, 160}, 5, 10, 11},  {{220, 100}, 4, 8, 9},
                 {{220, 140}, 5, 8, 7},   {{240, 120}, 5, 8, 7},    {{240, 160}, 6, 12, 13},
                 {{250, 150}, 6, 8, 5},   {{260, 130}, 6, 12, 13},  {{300, 100}, 6, 10, 9},
                 {{300, 200}, 6, 12, 13}, {{320, 180}, 6, 12, 13},  {{350, 250}, 6, 12, 13},
                 {{350, 300}, 6, 12, 13}, {{380, 220}, 6, 10.5, 7}, {{400, 200}, 11, 12, 3}});
}

// ---- rows quoted as reference values -------------------------------------------------------

struct TellingRow {
    Id id;
    int row; // from 1, as the catalogue counts
    std::vector<double> values;
};

TEST(CatalogueTellingRows, ExactValues) {
    const std::vector<TellingRow> cases = {
        {Id::UgolRavnKor, 2, {45, 5, 5, 4.29, 1.3, 1.37, 1.72, 0.88, 3.37, 8.03, 3.33}},
        {Id::UgolRavnKor, 34, {110, 7, 12, 15.15, 2.96, 3.4, 4.29, 2.19, 11.89, 175.61, 72.68}},
        {Id::UgolRavn, 1, {20, 3, 3.5, 1.13, 0.6, 0.59, 0.75, 0.39, 0.89, 0.4}},
        {Id::UgolRavn, 61, {90, 9, 10, 15.6, 2.55, 2.75, 3.46, 1.77, 12.2, 118}},
        {Id::UgolRavn, 121, {250, 35, 24, 163.71, 7.49, 7.53, 9.47, 4.87, 128.51, 9281.05}},
        {Id::UgolNeravn, 1, {63, 40, 4, 7, 4.04, 3.17, 2.03, 0.91, 2.01, 1.13, 0.86, 16.33, 5.16}},
        {Id::UgolNeravn,
         20,
         {125, 80, 8, 11, 15.96, 12.53, 4.05, 1.84, 4, 2.28, 1.75, 255.6, 82.95}},
        {Id::TavrAll, 1, {100, 100, 5.6, 8.5, 12, 14.245, 2.25, 2.87, 2.23, 11.2}},
        {Id::TavrAll, 23, {506.5, 320, 19.5, 32.5, 30, 200.3, 13.4, 15.7, 6.67, 157.25}},
        {Id::TavrSh, 12, {290, 320, 12, 17, 28, 90.55, 6.16, 8.41, 7.17, 71.05}},
        {Id::TavrK, 15, {215.5, 400, 23, 35.5, 22, 185.5, 4.21, 5.19, 10.11, 145.6}},
        {Id::TavrAll, 52, {215.5, 400, 23, 35.5, 22, 185.5, 4.21, 5.19, 10.11, 145.6}},
        {Id::TrubaSvar0, 1, {83, 3, 7.5, 60, 14, 2.84, 5.9}},
        {Id::TrubaSvar0, 36, {273, 8, 66.6, 5850, 429, 9.37, 52.3}},
        {Id::TrubaSvar0, 72, {1420, 16, 706, 1740000, 24500, 49.7, 554}},
        {Id::TrubaSvar1, 1, {40, 1.2, 1.46, 2.755, 1.378, 1.374, 1.15}},
        {Id::TrubaSvar1, 300, {159, 2.8, 13.74, 419.18, 52.727, 5.523, 10.79}},
        {Id::TrubaSvar1, 611, {1420, 20, 879.62, 2155572.4, 30360.17, 49.503, 690.5}},
        {Id::TrubaDef, 1, {25, 2.5, 1.767, 1.132, 0.906, 0.8, 1.39}},
        {Id::TrubaDef, 600, {152, 28, 109.076, 2203.337, 289.913, 4.494, 85.63}},
        {Id::TrubaDef, 1276, {550, 75, 1119.192, 323516.5, 11764.24, 17, 878.57}},
        {Id::ProfKv, 1, {2.94, 6.94, 3.47, 1.54, 2.31}},
        {Id::ProfKv, 155, {132.1, 17761, 1184, 11.6, 103.7}},
        {Id::ProfPr, 1, {2.74, 8.38, 1.75, 2.8, 1.01, 2.15}},
        {Id::ProfPr, 424, {132.1, 26245, 14.1, 8968, 8.24, 103.7}},
        // 380x220x10 and 380x220x10.5: the standard prints the properties of 400x200 here; these
        // rows carry the moments of inertia of the 380x220 section itself (area and mass as
        // printed).
        {Id::ProfPr, 420, {112.6, 21613, 13.86, 9308, 9.09, 88.36}},
        {Id::ProfPr, 421, {116.9, 22171, 13.77, 9571, 9.05, 91.73}},
    };
    for (const auto& c : cases) {
        const auto& t = table(c.id);
        SCOPED_TRACE(cattest::rowName(t, c.row - 1));
        ASSERT_EQ(std::size_t(t.columns), c.values.size());
        for (int col = 0; col < t.columns; ++col)
            EXPECT_EQ(t.value(c.row - 1, col), c.values[std::size_t(col)]) << "column " << col;
    }
}

int findRow(Id id, const char* name) {
    const auto& t = table(id);
    for (int r = 0; r < t.rows; ++r)
        if (t.designation(r) == QString::fromUtf8(name))
            return r;
    return -1;
}

TEST(CatalogueTellingRows, RowsByDesignation) {
    struct Case {
        Id id;
        const char* name;
        std::vector<double> values;
    };
    const std::vector<Case> cases = {
        {Id::ProfKv, "40x40x2", {2.94, 6.94, 3.47, 1.54, 2.31}},
        {Id::ProfKv, "140x140x4", {21.35, 651.5, 93.07, 5.52, 16.76}},
        {Id::ProfKv, "300x300x12", {132.1, 17761, 1184, 11.6, 103.7}},
        {Id::ProfPr, "50x25x2", {2.74, 8.38, 1.75, 2.8, 1.01, 2.15}},
        {Id::ProfPr, "160x100x7", {32.76, 1077, 5.73, 518.3, 3.98, 25.71}},
        {Id::ProfPr, "400x200x12", {132.1, 26245, 14.1, 8968, 8.24, 103.7}},
        {Id::TavrAll, "10БT1", {100, 100, 5.6, 8.5, 12, 14.245, 2.25, 2.87, 2.23, 11.2}},
        {Id::TavrSh, "30ШT1", {290, 320, 12, 17, 28, 90.55, 6.16, 8.41, 7.17, 71.05}},
        {Id::TavrAll, "30ШT1", {290, 320, 12, 17, 28, 90.55, 6.16, 8.41, 7.17, 71.05}},
    };
    for (const auto& c : cases) {
        const int r = findRow(c.id, c.name);
        ASSERT_GE(r, 0) << c.name;
        for (int col = 0; col < table(c.id).columns; ++col)
            EXPECT_EQ(table(c.id).value(r, col), c.values[std::size_t(col)])
                << c.name << " column " << col;
    }
}

TEST(CatalogueTees, TeesWithoutDataAreLeftOut) {
    for (const char* missing : {"40ШT1", "45ШT1", "50ШT1"}) {
        EXPECT_EQ(findRow(Id::TavrAll, missing), -1) << missing;
        EXPECT_EQ(findRow(Id::TavrSh, missing), -1) << missing;
    }
    // The wide-flange series ends with 35ШT2 and the column tees follow it directly.
    EXPECT_EQ(findRow(Id::TavrAll, "35ШT2"), 36);
    EXPECT_EQ(findRow(Id::TavrAll, "10KT1"), 37);
}

} // namespace
