#include "common/FileWriter.h"
#include "common/BoundedString.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& name) {
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

TEST(FileWriter, WritesWindows1251WithCrLfAndNoBom) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(
        writeTextFile(name, {QStringLiteral("Шаг 1"), QStringLiteral("x")}, WriteMode::Create)
            .ok());
    EXPECT_EQ(readAll(name), QByteArray("\xD8\xE0\xE3 1\r\nx\r\n"));

    ASSERT_TRUE(writeTextFile(name, {QStringLiteral("ё")}, WriteMode::Append).ok());
    EXPECT_EQ(readAll(name), QByteArray("\xD8\xE0\xE3 1\r\nx\r\n\xB8\r\n"));

    ASSERT_TRUE(writeTextFile(name, {QStringLiteral("new")}, WriteMode::Create).ok());
    EXPECT_EQ(readAll(name), QByteArray("new\r\n"));
}

TEST(FileWriter, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(toWindows1251(QStringLiteral("λ=5 №1")), QByteArray("?=5 \xB9"
                                                                  "1"));
    EXPECT_EQ(toWindows1251(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                              "b")),
              QByteArray("a?b"));
    EXPECT_EQ(fromWindows1251(toWindows1251(QStringLiteral("Сталь C245"))),
              QStringLiteral("Сталь C245"));
}

TEST(FileWriter, AppendCreatesAMissingFile) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("b.txt"));
    ASSERT_TRUE(writeTextFile(name, {QStringLiteral("1")}, WriteMode::Append).ok());
    EXPECT_EQ(readAll(name), QByteArray("1\r\n"));
}

TEST(FileWriter, ReportsAFailureToOpenAndKeepsTheFile) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("c.txt"));
    ASSERT_TRUE(writeTextFile(name, {QStringLiteral("kept")}, WriteMode::Create).ok());
    QFile::setPermissions(name, QFileDevice::ReadOwner);
    const bool isRoot = QFile(name).open(QIODevice::WriteOnly); // root ignores permissions
    if (!isRoot) {
        const WriteResult r = writeTextFile(name, {QStringLiteral("lost")}, WriteMode::Append);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.failedAt, WriteResult::Stage::Open);
        EXPECT_TRUE(r.error.contains(name));
    }
    QFile::setPermissions(name, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readAll(name), isRoot ? QByteArray() : QByteArray("kept\r\n"));

    // A file in a folder that does not exist cannot be created, even by root.
    const WriteResult missing = writeTextFile(dir.filePath(QStringLiteral("no/such/d.txt")),
                                              {QStringLiteral("x")}, WriteMode::Create);
    EXPECT_EQ(missing.failedAt, WriteResult::Stage::Open);
    EXPECT_FALSE(missing.error.isEmpty());
}

TEST(FileWriter, WriteFailureIsReported) {
    // /dev/full accepts the open and fails every write.
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    const WriteResult r =
        writeTextFile(QStringLiteral("/dev/full"), {QStringLiteral("x")}, WriteMode::Append);
    EXPECT_EQ(r.failedAt, WriteResult::Stage::Write);
}

TEST(BoundedString, KeepsTheFirstNCharactersNotBytes) {
    BoundedString<15> name;
    name = QStringLiteral("Ферма_пролет_24м.txt");
    EXPECT_EQ(name.str(), QStringLiteral("Ферма_пролет_24"));
    name = QStringLiteral("abcdefghij.txt"); // 14 characters fit
    EXPECT_EQ(name.str(), QStringLiteral("abcdefghij.txt"));
    BoundedString<10> steel = QStringLiteral("C235");
    EXPECT_EQ(steel.str(), QStringLiteral("C235"));
}

} // namespace
