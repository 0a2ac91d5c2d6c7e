#pragma once
// The one writer of every file the program produces (help contents file,
// calculation report, summary table): Windows-1251 text, CR LF after every
// line, no byte-order mark. A call opens, writes and closes the file; a
// failure stops at once and leaves what was written before in the file.

#include <QString>
#include <QStringList>

enum class WriteMode { Create, Append };

struct WriteResult {
    enum class Stage { None, Open, Write, Close };
    Stage failedAt = Stage::None;
    QString error; // message for the error box, empty on success

    bool ok() const { return failedAt == Stage::None; }
};

// Writes `lines`, each followed by CR LF. Create truncates or creates the
// file; Append requires nothing and creates a missing file.
WriteResult writeTextFile(const QString& fileName, const QStringList& lines, WriteMode mode);

// Windows-1251 bytes of a text (characters outside the code page become '?').
QByteArray toWindows1251(const QString& text);
// Decodes Windows-1251 bytes.
QString fromWindows1251(const QByteArray& bytes);
