#include "WholeNumber.h"

bool tryTextToWhole(const QString& text, int& value) {
    const QString t = text.trimmed();
    bool ok = false;
    // toInt accepts an optional sign and digits only; blanks inside fail.
    const int parsed = t.toInt(&ok, 10);
    if (!ok)
        return false;
    value = parsed;
    return true;
}

QString wholeNumberErrorText(const QString& text) {
    return QStringLiteral("«%1» не является правильным целым числом.").arg(text);
}
