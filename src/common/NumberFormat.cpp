#include "NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace num {

namespace {

QString toChars(double value, std::chars_format format, int precision) {
    // Large enough for any double in fixed notation with up to 30 decimals.
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (result.ec != std::errc())
        return QStringLiteral("?");
    return QString::fromLatin1(buffer.data(), int(result.ptr - buffer.data()));
}

} // namespace

QString padLeft(const QString& text, int width) {
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

QString cut(const QString& text, int n) {
    return text.size() <= n ? text : text.left(n);
}

QString fixed(double value, int width, int decimals) {
    if (!std::isfinite(value))
        return padLeft(std::isnan(value)
                           ? QStringLiteral("NAN")
                           : (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF")),
                       width);
    // std::to_chars with a precision behaves as printf in the "C" locale:
    // exact value, round half to even, never a comma.
    return padLeft(toChars(value, std::chars_format::fixed, decimals < 0 ? 0 : decimals), width);
}

long long roundHalfEven(double value) {
    // std::nearbyint rounds in the current mode, which is to-nearest-even
    // unless someone changed it; do it explicitly to be safe.
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    double r;
    if (diff > 0.5)
        r = floorValue + 1.0;
    else if (diff < 0.5)
        r = floorValue;
    else
        r = std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
    return static_cast<long long>(r);
}

QString intText(double value, int width) {
    return padLeft(QString::number(roundHalfEven(value)), width);
}

QString general(double value, int maxChars) {
    if (!std::isfinite(value))
        return cut(fixed(value, 0, 0), maxChars);
    QString text = toChars(value, std::chars_format::general, 15);
    // C writes "1e-05"; keep the exponent short and upper case ("1E-5").
    const int e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        QString mantissa = text.left(e);
        QString exponent = text.mid(e + 1);
        const bool negative = exponent.startsWith(QLatin1Char('-'));
        exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0')))
            exponent.remove(0, 1);
        text = mantissa + QStringLiteral("E") + (negative ? QStringLiteral("-") : QString()) +
               exponent;
    }
    return cut(text, maxChars);
}

} // namespace num
