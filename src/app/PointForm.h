#pragma once
// "Внимание!": shown when the regional settings use a decimal comma, which the
// typed numbers of the program cannot have. Closing it ends the program.

#include <QDialog>

class QPushButton;

class TFPoint : public QDialog {
    Q_OBJECT
public:
    explicit TFPoint(QWidget* parent = nullptr);

    QPushButton* BitBtn1; // OK
};

// Runs the decimal-separator check: with a decimal comma in the regional
// settings it shows TFPoint (forms().FPoint, or a window of its own while the
// windows are being created) and ends the program, returning false. Any other
// separator passes: true.
bool checkDecimalSeparator(QWidget* parent);
