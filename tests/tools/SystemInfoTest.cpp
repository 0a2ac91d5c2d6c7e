// The texts of the system information window and the Linux source behind it.
#include "tools/SystemInfo.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QRegularExpression>

namespace {

std::string s(const QString& text) {
    return text.toStdString();
}

TEST(SystemInfoTexts, SerialNumberIsSplitAfterItsFourthHexDigit) {
    const struct {
        quint32 serial;
        const char* text;
    } cases[] = {
        {0x00ABCDEFu, "ABCD-EF"}, // leading zeros dropped before the split
        {0u, "0-"},
        {0x1A2B3C4Du, "1A2B-3C4D"},
        {0xFu, "F-"},
        {0x12345u, "1234-5"},
        {0xFFFFFFFFu, "FFFF-FFFF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(s(serialNumberText(c.serial)), c.text) << std::hex << c.serial;
}

TEST(SystemInfoTexts, SerialNumberFromFileSystemIdentifier) {
    const struct {
        const char* id;
        quint32 serial;
    } cases[] = {
        {"1A2B-3C4D", 0x1A2B3C4Du},                            // FAT, as Windows shows it
        {"0123456789ABCDEF", 0x89ABCDEFu},                     // NTFS: the low 32 bits
        {"0b3e1f2a-5c6d-4e7f-8091-a2b3c4d5e6f7", 0x0B3E1F2Au}, // UUID: the first 32 bits
        {"", 0u},
        {"--", 0u},
        {"ABC", 0xABCu},
    };
    for (const auto& c : cases)
        EXPECT_EQ(volumeSerialFromId(QString::fromLatin1(c.id)), c.serial) << c.id;
}

TEST(SystemInfoTexts, NumbersGroupedInThousands) {
    const QChar comma(QLatin1Char(','));
    const struct {
        qint64 value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1,000"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {-1234, "-1,234"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(s(groupedThousands(c.value, comma)), c.text) << c.value;
    // A Russian locale groups with a no-break space.
    EXPECT_EQ(groupedThousands(8388608, QChar(0x00A0)), QStringLiteral("8\u00A0388\u00A0608"));
}

TEST(SystemInfoTexts, MemoryAndSizeTexts) {
    const QChar comma(QLatin1Char(','));
    EXPECT_EQ(s(memoryLoadText(45)), "45%");
    EXPECT_EQ(s(memoryLoadText(0)), "0%");
    EXPECT_EQ(s(totalMemoryText(8ull << 30, comma)), "8,388,608 Kb");
    EXPECT_EQ(s(totalMemoryText(1023, comma)), "0 Kb"); // whole kilobytes
    EXPECT_EQ(s(byteCountText(270553174016, comma)), "270,553,174,016 bytes");
    EXPECT_EQ(s(byteCountText(0, comma)), "0 bytes");
    EXPECT_EQ(s(byteCountText(-1, comma)), "0 bytes"); // unreadable
}

TEST(SystemInfoTexts, DriveKindByFileSystemType) {
    const struct {
        const char* type;
        bool removable;
        DriveKind kind;
    } cases[] = {
        {"ext4", false, DriveKind::Fixed},     {"btrfs", false, DriveKind::Fixed},
        {"overlay", false, DriveKind::Fixed},  {"vfat", true, DriveKind::Removable},
        {"exfat", true, DriveKind::Removable}, {"nfs4", false, DriveKind::Remote},
        {"cifs", false, DriveKind::Remote},    {"fuse.sshfs", false, DriveKind::Remote},
        {"iso9660", true, DriveKind::CdRom},   {"udf", false, DriveKind::CdRom},
        {"tmpfs", false, DriveKind::RamDisk},  {"ramfs", false, DriveKind::RamDisk},
        {"NFS", false, DriveKind::Remote},     {"", false, DriveKind::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(driveKindFor(QString::fromLatin1(c.type), c.removable), c.kind) << c.type;
}

TEST(SystemInfoTexts, DriveTypeTexts) {
    const struct {
        DriveKind kind;
        const char* text;
    } cases[] = {
        {DriveKind::Unknown, "Неизвестный тип диска"},
        {DriveKind::NoRootDir, "Путь не существует"},
        {DriveKind::Removable, "Дисковод"},
        {DriveKind::Fixed, "Жестский диск"},
        {DriveKind::Remote, "Удаленный (сетевой) диск"},
        {DriveKind::CdRom, "CD-ROM диск"},
        {DriveKind::RamDisk, "Виртуальный диск"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(s(driveTypeText(c.kind)), c.text);
}

TEST(SystemInfoTexts, OsVersionFromKernelRelease) {
    const struct {
        const char* release;
        const char* text;
    } cases[] = {
        {"6.1.0-18-amd64", "6.1.0.0"},
        {"6.18.44-fc-v1523", "6.18.44.0"},
        {"5.10", "5.10.0.0"},
        {"4.19.0", "4.19.0.0"},
        {"", "0.0.0.0"},
        {"unknown", "0.0.0.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(s(osVersionText(QString::fromLatin1(c.release))), c.text) << c.release;
}

TEST(SystemInfoTexts, GridRowsInTheirOrder) {
    SystemFacts f;
    f.memoryLoad = 45;
    f.totalMemoryBytes = 2048 * 1024;
    f.osVersion = QStringLiteral("6.1.0.0");
    f.platform = QStringLiteral("Linux");
    f.osFolder = QStringLiteral("/usr");
    f.systemFolder = QStringLiteral("/usr/lib/x86_64-linux-gnu");
    f.currentFolder = QStringLiteral("/home/user/projects");
    f.computerName = QStringLiteral("host");
    f.userName = QStringLiteral("user");
    const QList<InfoRow> rows = systemRows(f, QLatin1Char(','));
    const char* expected[][2] = {
        {"Занятая память", "45%"},
        {"Всего оперативной памяти", "2,048 Kb"},
        {"Версия OS", "6.1.0.0"},
        {"Платформа", "Linux"},
        {"Каталог Windows", "/usr"},
        {"Каталог System", "/usr/lib/x86_64-linux-gnu"},
        {"Текущий каталог", "/home/user/projects"},
        {"Имя компьютера", "host"},
        {"Имя пользователя", "user"},
    };
    ASSERT_EQ(rows.size(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(s(rows[i].resource), expected[i][0]);
        EXPECT_EQ(s(rows[i].value), expected[i][1]);
    }
}

TEST(SystemInfoTexts, DriveWithoutMediumShowsReplacementValues) {
    VolumeFacts floppy;
    floppy.rootPath = QStringLiteral("/media/floppy");
    floppy.kind = DriveKind::Removable; // no medium: sizes unreadable, no name, no serial
    const QList<InfoRow> rows = driveRows(floppy, QLatin1Char(','));
    const char* expected[][2] = {
        {"Общий объем", "0 bytes"},     {"Свободное место", "0 bytes"}, {"Имя диска", ""},
        {"Серийный номер диска", "0-"}, {"Тип диска", "Дисковод"},
    };
    ASSERT_EQ(rows.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s(rows[i].resource), expected[i][0]);
        EXPECT_EQ(s(rows[i].value), expected[i][1]);
    }
    EXPECT_EQ(s(volumeItemText(floppy)), "/media/floppy");
    floppy.name = QStringLiteral("DATA");
    EXPECT_EQ(s(volumeItemText(floppy)), "/media/floppy [DATA]");
}

TEST(LinuxSystemInfo, ReadsThisMachine) {
    const LinuxSystemInfo linux;
    const SystemFacts f = linux.system();
    EXPECT_GT(f.totalMemoryBytes, 0u);
    EXPECT_GE(f.memoryLoad, 0);
    EXPECT_LE(f.memoryLoad, 100);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.0$"))
                    .match(f.osVersion)
                    .hasMatch())
        << s(f.osVersion);
    EXPECT_TRUE(f.platform.startsWith(QLatin1String("Linux"))) << s(f.platform);
    EXPECT_TRUE(QDir(f.systemFolder).exists()) << s(f.systemFolder);
    EXPECT_EQ(f.currentFolder, QDir::currentPath());
    EXPECT_FALSE(f.userName.isEmpty());

    const QList<VolumeFacts> volumes = linux.volumes();
    ASSERT_FALSE(volumes.isEmpty());
    EXPECT_EQ(s(volumes.front().rootPath), "/"); // the root file system comes first
    const VolumeFacts root = linux.volume(QStringLiteral("/"));
    EXPECT_GT(root.totalBytes, 0);
    EXPECT_GE(root.freeBytes, 0);
    EXPECT_LE(root.freeBytes, root.totalBytes);
}

TEST(LinuxSystemInfo, MissingMountPointIsAPathThatDoesNotExist) {
    const LinuxSystemInfo linux;
    for (const QString& path : {QStringLiteral("/no/such/mount/point"), QDir::tempPath()}) {
        const VolumeFacts v = linux.volume(path);
        if (path == QDir::tempPath() && v.kind != DriveKind::NoRootDir)
            continue; // the temporary folder may be a mount point of its own
        EXPECT_EQ(v.kind, DriveKind::NoRootDir) << s(path);
        EXPECT_EQ(v.totalBytes, -1);
        EXPECT_EQ(s(driveRows(v, QLatin1Char(','))[4].value), "Путь не существует");
    }
}

} // namespace
