#pragma once
// The facts shown by the system information window ("Системная информация"),
// gathered from Linux behind a small interface so that tests can feed fixed
// values, and the pure functions that turn them into the window's texts.
//
// Linux counterparts of the Windows facts (see docs/system-information.md):
// memory from /proc/meminfo, the OS version from the kernel release, the
// platform from the kernel type and the distribution, the folders /usr and the
// system library folder, the host name and the logged-on user; the "drives"
// are the mounted file systems.

#include <QChar>
#include <QList>
#include <QString>
#include <QtGlobal>

// The kinds of drive the window names ("Дисковод", "Жестский диск", ...).
enum class DriveKind { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

struct SystemFacts {
    int memoryLoad = 0;           // physical memory in use, percent
    quint64 totalMemoryBytes = 0; // physical memory, bytes
    QString osVersion;            // "major.minor.build.0"
    QString platform;             // e.g. "Linux (Debian GNU/Linux 12 (bookworm))"
    QString osFolder;             // shown as "Каталог Windows"
    QString systemFolder;         // shown as "Каталог System"
    QString currentFolder;        // the process's current directory
    QString computerName;
    QString userName;
};

struct VolumeFacts {
    QString rootPath; // mount point, e.g. "/" or "/media/user/USB"
    DriveKind kind = DriveKind::Unknown;
    qint64 totalBytes = -1; // -1 when it cannot be read
    qint64 freeBytes = -1;  // space available to the user; -1 when unreadable
    QString name;           // volume label, may be empty
    quint32 serial = 0;     // 0 when the volume has no identifier
};

// Where the facts come from. The program uses the Linux source; tests install
// one of their own with setSystemInfoSource().
class SystemInfoSource {
public:
    virtual ~SystemInfoSource() = default;
    virtual SystemFacts system() const = 0;
    // The mounted file systems offered as "drives", the root file system first.
    virtual QList<VolumeFacts> volumes() const = 0;
    // The facts of one mount point; kind NoRootDir when the path is not there.
    virtual VolumeFacts volume(const QString& rootPath) const = 0;
};

// The source in use (the Linux one unless a test installed another).
const SystemInfoSource& systemInfoSource();
// Installs a source (nullptr restores the Linux one); returns the previous one
// (nullptr when that was the Linux one).
const SystemInfoSource* setSystemInfoSource(const SystemInfoSource* source);

// The source that reads this machine.
class LinuxSystemInfo final : public SystemInfoSource {
public:
    SystemFacts system() const override;
    QList<VolumeFacts> volumes() const override;
    VolumeFacts volume(const QString& rootPath) const override;
};

// ---- Texts ------------------------------------------------------------------

// The regional thousands separator (a no-break space in a Russian locale).
QChar regionalGroupSeparator();

// A whole number with its digits grouped in thousands: 1234567 -> "1,234,567"
// with ',' as separator. 0 gives "0".
QString groupedThousands(qint64 value, QChar separator);

// "45%": the memory load.
QString memoryLoadText(int percent);
// Total memory in kilobytes, grouped, followed by " Kb": 8 GiB -> "8,388,608 Kb".
QString totalMemoryText(quint64 totalBytes, QChar separator);
// A size in bytes, grouped, followed by " bytes"; an unreadable size (-1) is "0".
QString byteCountText(qint64 bytes, QChar separator);

// The volume serial number as the window shows it: upper-case hexadecimal
// without leading zeros, split after its fourth digit ("1A2B-3C4D";
// 0x00ABCDEF -> "ABCD-EF"; 0 -> "0-").
QString serialNumberText(quint32 serial);
// A 32-bit serial number from a file system's identifier as Linux lists it:
// "1A2B-3C4D" (FAT) gives 1A2B3C4D, a 16-digit NTFS serial its low 32 bits (the
// number Windows shows), a UUID its first 32 bits. No hexadecimal digit gives 0.
quint32 volumeSerialFromId(const QString& id);

// The drive type text: "Дисковод", "Жестский диск", ...
QString driveTypeText(DriveKind kind);
// The drive kind of a mounted file system by its type ("ext4", "nfs4", "iso9660",
// "tmpfs", ...) and whether its block device is removable.
DriveKind driveKindFor(const QString& fileSystemType, bool removableDevice);

// "%d.%d.%d.0" from a kernel release such as "6.1.0-18-amd64" -> "6.1.0.0";
// missing numbers count as 0.
QString osVersionText(const QString& kernelRelease);

// The drive list item of a volume: the mount point, and its label in brackets.
QString volumeItemText(const VolumeFacts& volume);

// One row of a grid: the name of the resource and its value.
struct InfoRow {
    QString resource;
    QString value;
};
// Rows 1 to 9 of the "Система" tab.
QList<InfoRow> systemRows(const SystemFacts& facts, QChar separator);
// Rows 1 to 5 of the "Диск" tab.
QList<InfoRow> driveRows(const VolumeFacts& volume, QChar separator);

// ---- The collected values ----------------------------------------------------

// The system facts gathered at start-up (the main window's creation calls
// recordSystemInformation(); the system information window gathers them again
// when it is created). Before the first call the facts are empty.
const SystemFacts& recordedSystemFacts();
const SystemFacts& recordSystemInformation();
