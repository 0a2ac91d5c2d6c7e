#include "FileWriter.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The converter writes its substitute byte 0x1A for a character that the code
// page lacks; write "?" instead, one character (or surrogate pair) at a time.
QByteArray encodeByCharacter(const QString& text) {
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += '?';
            ++i;
            continue;
        }
        const QByteArray one = encoder.encode(QStringView(text).mid(i, 1));
        out += (one.size() == 1 && (one[0] != '\x1A' || text[i] == QChar(0x1A))) ? one
                                                                                 : QByteArray("?");
    }
    return out;
}

} // namespace

QByteArray toWindows1251(const QString& text) {
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return text.toLatin1(); // unreachable with an ICU-enabled Qt
    const QByteArray bytes = encoder.encode(text);
    if (bytes.size() == text.size() && !bytes.contains('\x1A'))
        return bytes;
    return encodeByCharacter(text);
}

QString fromWindows1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

namespace {

QString ioMessage(const QString& action, const QString& fileName, const QFile& file) {
    return QStringLiteral("Ошибка ввода-вывода: не удалось %1 файл «%2» (%3).")
        .arg(action, fileName, file.errorString());
}

} // namespace

WriteResult writeTextFile(const QString& fileName, const QStringList& lines, WriteMode mode) {
    WriteResult result;
    QFile file(fileName);
    QIODevice::OpenMode openMode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    openMode |= mode == WriteMode::Append ? QIODevice::Append : QIODevice::Truncate;
    if (!file.open(openMode)) {
        result.failedAt = WriteResult::Stage::Open;
        result.error = ioMessage(mode == WriteMode::Append ? QStringLiteral("дописать")
                                                           : QStringLiteral("создать"),
                                 fileName, file);
        return result;
    }
    // Line by line and unbuffered, so that a failure keeps every whole line
    // written before it.
    for (const QString& line : lines) {
        const QByteArray bytes = toWindows1251(line) + QByteArrayLiteral("\r\n");
        if (file.write(bytes) != bytes.size()) {
            result.failedAt = WriteResult::Stage::Write;
            result.error = ioMessage(QStringLiteral("записать"), fileName, file);
            file.close();
            return result;
        }
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        result.failedAt = WriteResult::Stage::Close;
        result.error = ioMessage(QStringLiteral("закрыть"), fileName, file);
    }
    return result;
}
