// The report and table files of a project, byte for byte: new files, appended
// members, the fallbacks for missing files and the failures.

#include "report/ReportFiles.h"
#include "common/FileWriter.h"
#include "ExpectedFiles.h"
#include "report/ReportText.h"
#include "ReportFixture.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace reporttest;
using reporttest::setChord;
using reporttest::setDiagonal;
using reporttest::setPassport;

// The bytes a file of these lines holds: Windows-1251, CR LF after each line.
QByteArray fileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += toWindows1251(line) + "\r\n";
    return bytes;
}

QByteArray readFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

int lineCount(const QByteArray& bytes) {
    return int(bytes.count("\r\n"));
}

QByteArray newReport() {
    return fileBytes(titleLines() + QStringList{q("")} + chordMember());
}

QByteArray newTable() {
    return fileBytes(tableHeadLines() + chordRow());
}

// Whether this process is refused writing into a read-only folder (a
// super-user is not).
bool permissionsApply(const QString& folder) {
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    const bool refused = !probe.open(QIODevice::WriteOnly);
    probe.remove();
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return refused;
}

class ReportFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        resetDesignState();
        resetReportLines();
        setPassport(designState());
    }
    void TearDown() override {
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
        QDir::setCurrent(previous_);
    }

    // The results window of a member: the lines built, then "Сохранить...".
    static WriteResult save(bool compression) {
        Rez_to_Report(compression);
        return saveMemberResults(compression);
    }

    static void saveChordAsNewProject() {
        setChord(designState());
        designState().AppendReport = false;
        ASSERT_TRUE(save(true).ok());
    }

    QTemporaryDir dir_;
    QString previous_;
};

TEST_F(ReportFilesTest, LinesAreEmptyUntilBuiltAndLine4NamesTheLoad) {
    EXPECT_EQ(ReportLines(), QStringList(36));
    setChord(designState());
    Rez_to_Report(true);
    EXPECT_EQ(ReportLines().size(), 36);
    EXPECT_EQ(ReportLines()[4], q("Стержень сжат"));
}

TEST_F(ReportFilesTest, FirstSaveCreatesTheReportAndTheTable) {
    saveChordAsNewProject();
    const QByteArray reportBytes = readFile(QStringLiteral("Noname.txt"));
    EXPECT_EQ(lineCount(reportBytes), 43);
    EXPECT_EQ(reportBytes, newReport());
    // Windows-1251, no byte-order mark: "Подбор" is CF EE E4 E1 EE F0.
    EXPECT_TRUE(reportBytes.startsWith("Kelvor V7.1. \xCF\xEE\xE4\xE1\xEE\xF0 "));
    const QByteArray tableBytes = readFile(QStringLiteral("Noname_Tab.txt"));
    EXPECT_EQ(lineCount(tableBytes), 19 + 3);
    EXPECT_EQ(tableBytes, newTable());
}

TEST_F(ReportFilesTest, NextMemberIsAppendedToBothFiles) {
    saveChordAsNewProject();
    setDiagonal(designState());
    designState().AppendReport = true;
    ASSERT_TRUE(save(false).ok());
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), newReport() + fileBytes(diagonalMember()));
    EXPECT_EQ(readFile(QStringLiteral("Noname_Tab.txt")), newTable() + fileBytes(diagonalRow()));
}

TEST_F(ReportFilesTest, NewProjectEmptiesFilesOfTheSameName) {
    ASSERT_TRUE(
        writeTextFile(QStringLiteral("Noname.txt"), {q("старый отчет")}, WriteMode::Create).ok());
    ASSERT_TRUE(
        writeTextFile(QStringLiteral("Noname_Tab.txt"), {q("старая таблица")}, WriteMode::Create)
            .ok());
    saveChordAsNewProject();
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), newReport());
    EXPECT_EQ(readFile(QStringLiteral("Noname_Tab.txt")), newTable());
}

TEST_F(ReportFilesTest, AppendingToMissingFilesCreatesThemWithTheirHeads) {
    // "Продолжить" on a member that was never saved, then a save.
    setChord(designState());
    designState().AppendReport = true;
    ASSERT_TRUE(save(true).ok());
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), newReport());
    EXPECT_EQ(readFile(QStringLiteral("Noname_Tab.txt")), newTable());
}

TEST_F(ReportFilesTest, TableAddWritesTheHeadFirstWhenTheTableIsMissing) {
    saveChordAsNewProject();
    ASSERT_TRUE(QFile::remove(QStringLiteral("Noname_Tab.txt")));
    ASSERT_TRUE(Table_Add(true).ok());
    EXPECT_EQ(readFile(QStringLiteral("Noname_Tab.txt")), newTable());
}

TEST_F(ReportFilesTest, ReportThatCannotBeCreatedStopsTheSave) {
    // A folder where the report should go: no one can create the file.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Noname.txt")));
    setChord(designState());
    const WriteResult r = save(true);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(q("Ошибка ввода-вывода")));
    EXPECT_TRUE(r.error.contains(QStringLiteral("Noname.txt")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Noname_Tab.txt"))) << "the rest of the save runs";
}

TEST_F(ReportFilesTest, RepeatedNewSaveAfterATableFailureCompletesBothFiles) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Noname_Tab.txt")));
    setChord(designState());
    const WriteResult r = save(true);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(QStringLiteral("Noname_Tab.txt")));
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), newReport()) << "what was written stays";

    ASSERT_TRUE(QDir().rmdir(QStringLiteral("Noname_Tab.txt")));
    ASSERT_TRUE(saveMemberResults(true).ok());
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), newReport());
    EXPECT_EQ(readFile(QStringLiteral("Noname_Tab.txt")), newTable());
}

TEST_F(ReportFilesTest, RepeatedAppendAfterATableFailureDoesNotAppendTheMemberTwice) {
    saveChordAsNewProject();
    ASSERT_TRUE(QFile::rename(QStringLiteral("Noname_Tab.txt"), QStringLiteral("kept.txt")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Noname_Tab.txt")));

    setDiagonal(designState());
    designState().AppendReport = true;
    ASSERT_FALSE(save(false).ok());
    const QByteArray twoMembers = newReport() + fileBytes(diagonalMember());
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), twoMembers);

    ASSERT_TRUE(QDir().rmdir(QStringLiteral("Noname_Tab.txt")));
    ASSERT_TRUE(QFile::rename(QStringLiteral("kept.txt"), QStringLiteral("Noname_Tab.txt")));
    ASSERT_TRUE(saveMemberResults(false).ok());
    EXPECT_EQ(readFile(QStringLiteral("Noname.txt")), twoMembers);
    EXPECT_EQ(readFile(QStringLiteral("Noname_Tab.txt")), newTable() + fileBytes(diagonalRow()));

    // A later save of newly built lines writes again.
    Rez_to_Report(false);
    ASSERT_TRUE(saveMemberResults(false).ok());
    EXPECT_EQ(lineCount(readFile(QStringLiteral("Noname.txt"))), 43 + 34 + 34);
}

TEST_F(ReportFilesTest, WriteProtectedFolderIsReportedAndNothingIsWritten) {
    if (!permissionsApply(dir_.path()))
        GTEST_SKIP() << "this user writes into read-only folders";
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    setChord(designState());
    const WriteResult r = save(true);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(QStringLiteral("Noname.txt")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Noname.txt")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Noname_Tab.txt")));
}

TEST_F(ReportFilesTest, ReportThatCannotBeAppendedIsNotEmptied) {
    saveChordAsNewProject();
    const QString name = QStringLiteral("Noname.txt");
    QFile::setPermissions(name, QFileDevice::ReadOwner);
    if (QFile(name).open(QIODevice::Append))
        GTEST_SKIP() << "this user writes into read-only files";
    setDiagonal(designState());
    designState().AppendReport = true;
    const WriteResult r = save(false);
    QFile::setPermissions(name, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(readFile(name), newReport());
}

} // namespace
