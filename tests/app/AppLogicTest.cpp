#include "app/PassportNames.h"
#include "app/Startup.h"
#include "app/SteelTable.h"
#include "app/WholeNumber.h"
#include "common/FileWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct NameCase {
    const char* typed;
    const char* fileName;
    const char* tabFileName;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.typed;
}

class PassportNamesTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PassportNamesTest, DerivesReportAndTableNames) {
    const NameCase& c = GetParam();
    const PassportFileNames names = passportFileNames(QString::fromUtf8(c.typed));
    EXPECT_EQ(names.fileName, QString::fromUtf8(c.fileName));
    EXPECT_EQ(names.tabFileName, QString::fromUtf8(c.tabFileName));
}

INSTANTIATE_TEST_SUITE_P(
    Names, PassportNamesTest,
    ::testing::Values(NameCase{"Noname", "Noname.txt", "Noname_Tab.txt"},
                      // the stored name shown again keeps its ending
                      NameCase{"Noname.txt", "Noname.txt", "Noname_Tab.txt"},
                      // upper-case ending kept; the search for ".txt" is case-sensitive
                      NameCase{"Report.TXT", "Report.TXT", "Report.TXT_Tab.txt"},
                      // the first ".txt" is the one removed
                      NameCase{"a.txtb", "a.txtb.txt", "ab.txt_Tab.txt"},
                      NameCase{"", "Noname.txt", "Noname_Tab.txt"},
                      // ten characters plus ".txt" fit the 15 of the report name
                      NameCase{"abcdefghij", "abcdefghij.txt", "abcdefghij_Tab.txt"},
                      NameCase{"Ферма-1", "Ферма-1.txt", "Ферма-1_Tab.txt"},
                      // a longer stored name is cut to 15 before ".txt" is looked for
                      NameCase{"abcdefghijklmnopq", "abcdefghijklmno", "abcdefghijklmno_Tab.txt"}));

TEST(SteelTable, EveryGridRowChecksTheGradeWhoseFirstRowItIsIn) {
    const auto& choices = steelChoices();
    for (int i = 0; i < int(choices.size()); ++i) {
        const int first = choices[i].gridRow;
        EXPECT_EQ(steelChoiceOfGridRow(first), i) << choices[i].name;
        // the first row of a grade names it and carries its stored Ry
        EXPECT_EQ(steelGridCell(0, first), QString::fromUtf8(choices[i].name));
        EXPECT_EQ(steelGridCell(4, first), QString::number(choices[i].ry)) << choices[i].name;
    }
    for (int row = 1; row < steelGridDataRows; ++row) {
        const int choice = steelChoiceOfGridRow(row);
        ASSERT_GE(choice, 0) << row;
        EXPECT_EQ(steelGridCell(0, row), QString::fromUtf8(choices[choice].name)) << row;
    }
    EXPECT_EQ(steelChoiceOfGridRow(21), -1);
    EXPECT_EQ(steelGridCell(0, 21), QStringLiteral("Прочее"));
    EXPECT_EQ(steelGridCell(1, 1), QStringLiteral("От   2 до 20"));
}

TEST(SteelTable, C345KStoresTheRyOfC345) {
    EXPECT_EQ(steelChoices()[6].ry, steelChoices()[5].ry);
    EXPECT_EQ(steelChoices()[6].ry, 335);
}

TEST(WholeNumber, ReadsDigitsWithBlanksAroundOnly) {
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {{" 90", true, 90}, {"120", true, 120}, {"  0", true, 0},
                 {"   ", false, 0}, {"9 0", false, 0},  {"", false, 0}};
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(tryTextToWhole(QString::fromUtf8(c.text), value), c.ok) << c.text;
        if (c.ok)
            EXPECT_EQ(value, c.value) << c.text;
        else
            EXPECT_EQ(value, -1) << c.text;
    }
}

class HelpContentsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QTemporaryDir dir;
    QString previous;
};

TEST_F(HelpContentsFileTest, WrittenAsTwentyTwoWindows1251LinesWithCrLf) {
    ASSERT_TRUE(writeHelpContentsFileIfMissing().ok());
    QFile file(QStringLiteral("Kelvor.CNT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(":Base  Kelvor.HLP\r\n:Title Kelvor Help\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 22);
    EXPECT_EQ(bytes.count('\n'), 22);
    EXPECT_TRUE(
        bytes.endsWith("1 \xCB\xE8\xF2\xE5\xF0\xE0\xF2\xF3\xF0\xE0=Step16\r\n")); // Литература
    EXPECT_TRUE(bytes.contains(
        toWindows1251(QStringLiteral("2 Шаг 7. Задание толщины фасонки=Step7\r\n"))));
}

TEST_F(HelpContentsFileTest, ExistingFileIsNeverRewritten) {
    {
        QFile file(QStringLiteral("Kelvor.CNT"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("my own contents\n");
    }
    EXPECT_TRUE(writeHelpContentsFileIfMissing().ok());
    QFile file(QStringLiteral("Kelvor.CNT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("my own contents\n"));
}

TEST(DecimalSeparator, InjectedSourceOverridesTheSystemLocale) {
    setDecimalSeparatorSource([] { return QChar(u','); });
    EXPECT_EQ(regionalDecimalSeparator(), QChar(u','));
    setDecimalSeparatorSource({});
    EXPECT_NE(regionalDecimalSeparator(), QChar());
}

} // namespace
