#pragma once
// "Калькулятор": the desk calculator of the main window (ButtonCalc, N19), a
// small modal arithmetic calculator. Nothing is passed to it and nothing is
// taken back. Keys: digits, "." or ",", + - * /, Enter or "=", Backspace,
// Delete (CE), F9 (±), Esc closes.

#include "tools/CalculatorEngine.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class DeskCalculator : public QDialog {
    Q_OBJECT
public:
    explicit DeskCalculator(QWidget* parent = nullptr);

    QString displayText() const;
    QString pendingText() const;
    // The button with this caption ("7", "+", "CE", ...), or nullptr.
    QPushButton* button(const QString& caption) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* addButton(const QString& caption, void (*action)(CalculatorEngine&));
    void refresh();

    CalculatorEngine engine_;
    QLabel* pending_ = nullptr;
    QLineEdit* display_ = nullptr;
    QList<QPushButton*> buttons_;
};

// Opens a fresh calculator modally (the main window's ButtonCalcClick and N19).
void showDeskCalculator(QWidget* parent);
