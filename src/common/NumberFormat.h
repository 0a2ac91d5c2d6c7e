#pragma once
// Number texts shared by every window, message and file of the program.
// Whatever the regional settings, the decimal separator is always ".".

#include <QString>

namespace num {

// Fixed point "w:d": `decimals` digits after the point, padded on the left with
// blanks to at least `width` characters (a wider number is written in full),
// no point when decimals == 0. The exact binary value is rounded to nearest,
// an exact tie to even, as C's printf does. fixed(v, 5, 2) == printf("%5.2f").
QString fixed(double value, int width, int decimals);

// Nearest integer, a half going to the even neighbour: 2999.5 -> 3000, 2998.5 -> 2998.
long long roundHalfEven(double value);

// roundHalfEven() as text, padded on the left to `width`.
QString intText(double value, int width = 0);

// Shortest general form with up to 15 significant digits ("6.96", "0.785",
// "1276"), then cut to at most maxChars characters.
QString general(double value, int maxChars = 15);

// The first n characters of a text (the whole text when it is shorter).
QString cut(const QString& text, int n);

// Left-pads a text with blanks to at least `width` characters.
QString padLeft(const QString& text, int width);

} // namespace num
