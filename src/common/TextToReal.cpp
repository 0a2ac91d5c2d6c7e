#include "TextToReal.h"

#include <charconv>
#include <cmath>

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(message_for(text).toStdString()), text_(text) {}

QString ConversionError::message() const {
    return message_for(text_);
}

QString ConversionError::message_for(const QString& text) {
    return QStringLiteral("«%1» не является правильным вещественным числом.").arg(text);
}

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Validates the strict grammar; returns the ASCII text to hand to from_chars.
bool normalise(const QString& text, std::string& out) {
    const QString t = text.trimmed();
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    int points = 0;
    for (; i < n; ++i) {
        if (isDigit(t[i]))
            ++digits;
        else if (t[i] == QLatin1Char('.') && points == 0)
            ++points;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        int expDigits = 0;
        for (; i < n && isDigit(t[i]); ++i)
            ++expDigits;
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    out = t.toStdString();
    if (!out.empty() && out.front() == '+')
        out.erase(out.begin());
    return true;
}

} // namespace

bool tryTextToReal(const QString& text, double& value) {
    std::string ascii;
    if (!normalise(text, ascii))
        return false;
    double parsed = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size() ||
        !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double textToReal(const QString& text) {
    double value = 0.0;
    if (!tryTextToReal(text, value))
        throw ConversionError(text);
    return value;
}

QString removeBlanks(const QString& text) {
    QString result = text;
    result.remove(QLatin1Char(' '));
    return result;
}
