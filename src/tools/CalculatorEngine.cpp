#include "CalculatorEngine.h"

#include "common/NumberFormat.h"
#include "common/TextToReal.h"

#include <cmath>

namespace {

constexpr int kMaxDigits = 15; // what a double holds exactly

int digitCount(const QString& text) {
    int n = 0;
    for (const QChar c : text)
        n += c.isDigit() ? 1 : 0;
    return n;
}

QString symbol(CalculatorEngine::Op op) {
    switch (op) {
    case CalculatorEngine::Op::Add:
        return QStringLiteral("+");
    case CalculatorEngine::Op::Subtract:
        return QStringLiteral("−");
    case CalculatorEngine::Op::Multiply:
        return QStringLiteral("×");
    case CalculatorEngine::Op::Divide:
        return QStringLiteral("÷");
    case CalculatorEngine::Op::None:
        break;
    }
    return QString();
}

} // namespace

QString CalculatorEngine::divisionByZeroText() {
    return QStringLiteral("Деление на ноль невозможно");
}

QString CalculatorEngine::overflowText() {
    return QStringLiteral("Переполнение");
}

double CalculatorEngine::displayValue() const {
    double value = 0;
    tryTextToReal(display_, value); // the display always holds a number here
    return value;
}

void CalculatorEngine::show(double value) {
    if (value == 0)
        value = 0; // no "-0"
    display_ = num::general(value, 32);
}

void CalculatorEngine::fail(const QString& text) {
    clear();
    display_ = text;
    error_ = true;
}

bool CalculatorEngine::calculate(Op op, double left, double right, double& result) {
    switch (op) {
    case Op::Add:
        result = left + right;
        break;
    case Op::Subtract:
        result = left - right;
        break;
    case Op::Multiply:
        result = left * right;
        break;
    case Op::Divide:
        if (right == 0) {
            fail(divisionByZeroText());
            return false;
        }
        result = left / right;
        break;
    case Op::None:
        result = right;
        break;
    }
    if (!std::isfinite(result)) {
        fail(overflowText());
        return false;
    }
    show(result);
    return true;
}

void CalculatorEngine::startEntry() {
    if (error_)
        clear();
    if (!entering_) {
        display_ = QStringLiteral("0");
        entering_ = true;
    }
    operandGiven_ = true;
}

void CalculatorEngine::digit(int d) {
    if (d < 0 || d > 9)
        return;
    startEntry();
    if (digitCount(display_) >= kMaxDigits && display_ != QLatin1String("0") &&
        display_ != QLatin1String("-0"))
        return;
    if (display_ == QLatin1String("0"))
        display_ = QString::number(d);
    else if (display_ == QLatin1String("-0"))
        display_ = QLatin1Char('-') + QString::number(d);
    else
        display_ += QString::number(d);
}

void CalculatorEngine::point() {
    startEntry();
    if (!display_.contains(QLatin1Char('.')))
        display_ += QLatin1Char('.');
}

void CalculatorEngine::operation(Op op) {
    if (error_ || op == Op::None)
        return;
    if (pendingOp_ == Op::None) {
        accumulator_ = displayValue();
    } else if (operandGiven_) {
        double result = 0;
        if (!calculate(pendingOp_, accumulator_, displayValue(), result))
            return;
        accumulator_ = result;
    }
    // With no new number an operation key only replaces the pending one.
    pendingOp_ = op;
    entering_ = false;
    operandGiven_ = false;
}

void CalculatorEngine::equals() {
    if (error_)
        return;
    double result = 0;
    if (pendingOp_ != Op::None) {
        // "5 + =" adds the shown 5 again, as pocket calculators do.
        lastOp_ = pendingOp_;
        lastOperand_ = displayValue();
        pendingOp_ = Op::None;
        calculate(lastOp_, accumulator_, lastOperand_, result);
    } else if (lastOp_ != Op::None) {
        calculate(lastOp_, displayValue(), lastOperand_, result);
    }
    entering_ = false;
    operandGiven_ = false;
}

void CalculatorEngine::clear() {
    *this = CalculatorEngine();
}

void CalculatorEngine::clearEntry() {
    if (error_) {
        clear();
        return;
    }
    display_ = QStringLiteral("0");
    entering_ = true;
    operandGiven_ = true;
}

void CalculatorEngine::backspace() {
    if (error_ || !entering_)
        return;
    display_.chop(1);
    if (display_.isEmpty() || display_ == QLatin1String("-"))
        display_ = QStringLiteral("0");
}

void CalculatorEngine::negate() {
    if (error_)
        return;
    if (entering_) {
        if (display_.startsWith(QLatin1Char('-')))
            display_.remove(0, 1);
        else if (display_ != QLatin1String("0"))
            display_.prepend(QLatin1Char('-'));
    } else {
        show(-displayValue());
    }
    operandGiven_ = true;
}

bool CalculatorEngine::key(QChar c) {
    if (c.isDigit() && c.unicode() < 128) {
        digit(c.unicode() - '0');
        return true;
    }
    switch (c.unicode()) {
    case '.':
    case ',':
        point();
        return true;
    case '+':
        operation(Op::Add);
        return true;
    case '-':
        operation(Op::Subtract);
        return true;
    case '*':
        operation(Op::Multiply);
        return true;
    case '/':
        operation(Op::Divide);
        return true;
    case '=':
    case '\r':
    case '\n':
        equals();
        return true;
    default:
        return false;
    }
}

QString CalculatorEngine::pending() const {
    if (pendingOp_ == Op::None || error_)
        return QString();
    return num::general(accumulator_, 32) + QLatin1Char(' ') + symbol(pendingOp_);
}
