#pragma once
// Reading numbers typed by the user. The point is the only decimal separator;
// a text that does not convert raises ConversionError naming the text, which
// the window shows in an error box before it stops the current command.

#include <QString>
#include <stdexcept>

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
    // The text that failed, as typed.
    const QString& text() const { return text_; }
    // The message for the error box.
    QString message() const;

private:
    static QString message_for(const QString& text);
    QString text_;
};

// Strict conversion: optional blanks around, optional sign, digits with at most
// one point (at least one digit), optional exponent ("1.5E3"). Anything else,
// an empty text and a lone "." throw ConversionError.
double textToReal(const QString& text);

// The same without an exception: false (and `value` untouched) when the text
// does not convert.
bool tryTextToReal(const QString& text, double& value);

// Removes every blank (" ") from a text: "  1 2.5 " -> "12.5".
QString removeBlanks(const QString& text);
