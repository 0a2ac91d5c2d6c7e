#pragma once
// Reading a whole number typed into a masked field (the assumed slenderness).

#include <QString>

// Blanks around the digits are ignored; anything but an optional sign and
// digits (an empty text, a blank between digits) fails: false, `value` untouched.
bool tryTextToWhole(const QString& text, int& value);
// The error box text naming the text that failed.
QString wholeNumberErrorText(const QString& text);
