#pragma once
// Readable Qt values in GoogleTest failure messages (included into every test
// program by tests/CMakeLists.txt).
#include <ostream>
#include <QString>
#include <QStringList>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *os << '}';
}
