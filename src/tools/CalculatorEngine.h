#pragma once
// The desk calculator's arithmetic: an immediate-execution pocket calculator
// ("2 + 3 × 4 =" gives 20, each operation is carried out when the next one is
// pressed). Numbers are doubles shown with up to 15 significant digits and "."
// as the decimal point.

#include <QString>

class CalculatorEngine {
public:
    enum class Op { None, Add, Subtract, Multiply, Divide };

    void digit(int d);     // 0..9
    void point();          // the decimal point
    void operation(Op op); // + − × ÷
    void equals();         // "=": a repeated "=" repeats the last operation
    void clear();          // "C": everything
    void clearEntry();     // "CE": the number being typed
    void backspace();      // the last typed character
    void negate();         // "±"

    // A typed character: digits, "." or ",", + - * /, "=" and Enter ('\r').
    // Returns false for any other character.
    bool key(QChar c);

    // The number on the display, or the error text after a division by zero.
    QString display() const { return display_; }
    // The pending operation, e.g. "12 +", empty when there is none.
    QString pending() const;
    bool hasError() const { return error_; }

    static QString divisionByZeroText();
    static QString overflowText();

private:
    double displayValue() const;
    void show(double value);
    void fail(const QString& text);
    // left op right, shown; false (and the error shown) when it has no value.
    bool calculate(Op op, double left, double right, double& result);
    void startEntry();

    QString display_ = QStringLiteral("0");
    bool entering_ = false;     // typed digits append to the display
    bool operandGiven_ = false; // a number was given since the last operation key
    bool error_ = false;
    Op pendingOp_ = Op::None;
    double accumulator_ = 0;
    Op lastOp_ = Op::None; // for a repeated "="
    double lastOperand_ = 0;
};
