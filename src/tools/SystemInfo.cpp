#include "SystemInfo.h"

#include <algorithm>
#include <cmath>
#include <dlfcn.h>
#include <pwd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QSysInfo>
#include <unistd.h>

// ---- Texts ------------------------------------------------------------------

QChar regionalGroupSeparator() {
    const QString separator = QLocale::system().groupSeparator();
    return separator.isEmpty() ? QChar(QLatin1Char(' ')) : separator.front();
}

QString groupedThousands(qint64 value, QChar separator) {
    const bool negative = value < 0;
    // Through the unsigned type so that the lowest value has a magnitude too.
    const quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    const QString digits = QString::number(magnitude);
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return negative ? QLatin1Char('-') + text : text;
}

QString memoryLoadText(int percent) {
    return QString::number(percent) + QLatin1Char('%');
}

QString totalMemoryText(quint64 totalBytes, QChar separator) {
    return groupedThousands(qint64(totalBytes / 1024), separator) + QStringLiteral(" Kb");
}

QString byteCountText(qint64 bytes, QChar separator) {
    const QString number = bytes < 0 ? QStringLiteral("0") : groupedThousands(bytes, separator);
    return number + QStringLiteral(" bytes");
}

QString serialNumberText(quint32 serial) {
    const QString hex = QString::number(serial, 16).toUpper();
    return hex.left(4) + QLatin1Char('-') + hex.mid(4, 4);
}

quint32 volumeSerialFromId(const QString& id) {
    QString hex;
    for (const QChar c : id) {
        if (c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
            hex += c;
    }
    if (hex.isEmpty())
        return 0;
    // NTFS: Windows shows the low half of the 64-bit serial.
    hex = hex.size() == 16 ? hex.right(8) : hex.left(8);
    return hex.toUInt(nullptr, 16);
}

QString driveTypeText(DriveKind kind) {
    switch (kind) {
    case DriveKind::Unknown:
        return QStringLiteral("Неизвестный тип диска");
    case DriveKind::NoRootDir:
        return QStringLiteral("Путь не существует");
    case DriveKind::Removable:
        return QStringLiteral("Дисковод");
    case DriveKind::Fixed:
        return QStringLiteral("Жестский диск");
    case DriveKind::Remote:
        return QStringLiteral("Удаленный (сетевой) диск");
    case DriveKind::CdRom:
        return QStringLiteral("CD-ROM диск");
    case DriveKind::RamDisk:
        return QStringLiteral("Виртуальный диск");
    }
    return QString();
}

DriveKind driveKindFor(const QString& fileSystemType, bool removableDevice) {
    const QString type = fileSystemType.toLower();
    static const QStringList remote = {QStringLiteral("nfs"),
                                       QStringLiteral("nfs4"),
                                       QStringLiteral("cifs"),
                                       QStringLiteral("smb3"),
                                       QStringLiteral("smbfs"),
                                       QStringLiteral("ncpfs"),
                                       QStringLiteral("9p"),
                                       QStringLiteral("afs"),
                                       QStringLiteral("ceph"),
                                       QStringLiteral("glusterfs"),
                                       QStringLiteral("fuse.glusterfs"),
                                       QStringLiteral("sshfs"),
                                       QStringLiteral("fuse.sshfs"),
                                       QStringLiteral("davfs"),
                                       QStringLiteral("fuse.davfs"),
                                       QStringLiteral("lustre")};
    if (remote.contains(type))
        return DriveKind::Remote;
    if (type == QLatin1String("iso9660") || type == QLatin1String("udf"))
        return DriveKind::CdRom;
    if (type == QLatin1String("tmpfs") || type == QLatin1String("ramfs"))
        return DriveKind::RamDisk;
    if (type.isEmpty())
        return DriveKind::Unknown;
    return removableDevice ? DriveKind::Removable : DriveKind::Fixed;
}

QString osVersionText(const QString& kernelRelease) {
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
    const QRegularExpressionMatch match = numbers.match(kernelRelease.trimmed());
    int parts[3] = {0, 0, 0};
    for (int i = 0; i < 3 && match.hasMatch(); ++i)
        parts[i] = match.captured(i + 1).toInt(); // an absent group reads as 0
    return QStringLiteral("%1.%2.%3.0").arg(parts[0]).arg(parts[1]).arg(parts[2]);
}

QString volumeItemText(const VolumeFacts& volume) {
    if (volume.name.isEmpty())
        return volume.rootPath;
    return QStringLiteral("%1 [%2]").arg(volume.rootPath, volume.name);
}

QList<InfoRow> systemRows(const SystemFacts& f, QChar separator) {
    return {
        {QStringLiteral("Занятая память"), memoryLoadText(f.memoryLoad)},
        {QStringLiteral("Всего оперативной памяти"),
         totalMemoryText(f.totalMemoryBytes, separator)},
        {QStringLiteral("Версия OS"), f.osVersion},
        {QStringLiteral("Платформа"), f.platform},
        {QStringLiteral("Каталог Windows"), f.osFolder},
        {QStringLiteral("Каталог System"), f.systemFolder},
        {QStringLiteral("Текущий каталог"), f.currentFolder},
        {QStringLiteral("Имя компьютера"), f.computerName},
        {QStringLiteral("Имя пользователя"), f.userName},
    };
}

QList<InfoRow> driveRows(const VolumeFacts& v, QChar separator) {
    return {
        {QStringLiteral("Общий объем"), byteCountText(v.totalBytes, separator)},
        {QStringLiteral("Свободное место"), byteCountText(v.freeBytes, separator)},
        {QStringLiteral("Имя диска"), v.name},
        {QStringLiteral("Серийный номер диска"), serialNumberText(v.serial)},
        {QStringLiteral("Тип диска"), driveTypeText(v.kind)},
    };
}

// ---- The Linux source --------------------------------------------------------

namespace {

// MemTotal and MemAvailable of /proc/meminfo, in kB; false when unreadable.
bool readMemInfo(quint64& totalKb, quint64& availableKb) {
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bool haveTotal = false;
    bool haveAvailable = false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        if (fields[0] == "MemTotal:")
            totalKb = fields[1].toULongLong(&haveTotal);
        else if (fields[0] == "MemAvailable:")
            availableKb = fields[1].toULongLong(&haveAvailable);
    }
    return haveTotal && haveAvailable && totalKb > 0 && availableKb <= totalKb;
}

// The folder of the C library: the system's shared-library folder
// (e.g. /usr/lib/x86_64-linux-gnu), the counterpart of the Windows system folder.
QString systemLibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&::getpid), &info) != 0 && info.dli_fname) {
        const QFileInfo library(QString::fromLocal8Bit(info.dli_fname));
        const QString folder = QFileInfo(library.absolutePath()).canonicalFilePath();
        if (!folder.isEmpty())
            return folder;
    }
    return QStringLiteral("/usr/lib");
}

QString loggedOnUser() {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

// Whether the block device (or the disk it is a partition of) is removable.
bool isRemovableDevice(const QByteArray& device) {
    const QString node = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath();
    if (!node.startsWith(QLatin1String("/dev/")))
        return false;
    const QString sysfs =
        QFileInfo(QStringLiteral("/sys/class/block/") + QFileInfo(node).fileName())
            .canonicalFilePath();
    if (sysfs.isEmpty())
        return false;
    for (const QString& flag :
         {sysfs + QStringLiteral("/removable"), sysfs + QStringLiteral("/../removable")}) {
        QFile file(flag);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll().trimmed() == "1";
    }
    return false;
}

// The file system identifier of a block device from /dev/disk/by-uuid.
QString fileSystemId(const QByteArray& device) {
    const QString node = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath();
    if (node.isEmpty())
        return QString();
    const QDir byUuid(QStringLiteral("/dev/disk/by-uuid"));
    for (const QFileInfo& link : byUuid.entryInfoList(QDir::System | QDir::Files)) {
        if (link.canonicalFilePath() == node)
            return link.fileName();
    }
    return QString();
}

VolumeFacts factsOf(const QStorageInfo& storage) {
    VolumeFacts v;
    v.rootPath = storage.rootPath();
    v.kind = driveKindFor(QString::fromLatin1(storage.fileSystemType()),
                          isRemovableDevice(storage.device()));
    if (storage.isReady()) {
        v.totalBytes = storage.bytesTotal();
        v.freeBytes = storage.bytesAvailable();
    }
    v.name = storage.name();
    v.serial = volumeSerialFromId(fileSystemId(storage.device()));
    return v;
}

} // namespace

SystemFacts LinuxSystemInfo::system() const {
    SystemFacts f;
    quint64 totalKb = 0;
    quint64 availableKb = 0;
    if (readMemInfo(totalKb, availableKb)) {
        f.memoryLoad = int(std::lround(100.0 * double(totalKb - availableKb) / double(totalKb)));
        f.totalMemoryBytes = totalKb * 1024;
    }
    f.osVersion = osVersionText(QSysInfo::kernelVersion());
    QString kernel = QSysInfo::kernelType();
    if (!kernel.isEmpty())
        kernel[0] = kernel[0].toUpper();
    const QString distribution = QSysInfo::prettyProductName();
    f.platform = distribution.isEmpty() || distribution == kernel
                     ? kernel
                     : QStringLiteral("%1 (%2)").arg(kernel, distribution);
    f.osFolder = QStringLiteral("/usr");
    f.systemFolder = systemLibraryFolder();
    f.currentFolder = QDir::currentPath();
    f.computerName = QSysInfo::machineHostName();
    f.userName = loggedOnUser();
    return f;
}

QList<VolumeFacts> LinuxSystemInfo::volumes() const {
    QList<QStorageInfo> mounted = QStorageInfo::mountedVolumes();
    std::sort(mounted.begin(), mounted.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        if (a.isRoot() != b.isRoot())
            return a.isRoot();
        return a.rootPath() < b.rootPath();
    });
    QList<VolumeFacts> result;
    for (const QStorageInfo& storage : mounted) {
        if (storage.isValid())
            result.append(factsOf(storage));
    }
    return result;
}

VolumeFacts LinuxSystemInfo::volume(const QString& rootPath) const {
    const QStorageInfo storage(rootPath);
    // A mount point that has gone away leaves at most an empty folder that
    // belongs to another file system: "the path does not exist" as a drive.
    if (!storage.isValid() || QDir(storage.rootPath()) != QDir(rootPath)) {
        VolumeFacts gone;
        gone.rootPath = rootPath;
        gone.kind = DriveKind::NoRootDir;
        return gone;
    }
    return factsOf(storage);
}

// ---- Source in use and the collected values ----------------------------------

namespace {

const LinuxSystemInfo linuxSource;
const SystemInfoSource* currentSource = &linuxSource;
SystemFacts recorded;

} // namespace

const SystemInfoSource& systemInfoSource() {
    return *currentSource;
}

const SystemInfoSource* setSystemInfoSource(const SystemInfoSource* source) {
    const SystemInfoSource* previous = currentSource;
    currentSource = source ? source : &linuxSource;
    return previous == &linuxSource ? nullptr : previous;
}

const SystemFacts& recordedSystemFacts() {
    return recorded;
}

const SystemFacts& recordSystemInformation() {
    recorded = systemInfoSource().system();
    return recorded;
}
