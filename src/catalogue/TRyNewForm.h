#pragma once
// "Уточнение Ry в зависимости от толщины стали": the step-by-step mode's
// confirmation of the thickness range of the chosen steel, and Ry_New, the
// refinement of Ry by the rolled thickness in both modes.

#include <functional>
#include <QDialog>
#include <QVector>

class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

class TRyNewForm : public QDialog {
    Q_OBJECT
public:
    explicit TRyNewForm(QWidget* parent = nullptr);

    QLabel* StaticText1; // "Максимальная толщина проката t = … мм"
    QTabWidget* RyPageControl;
    QPushButton* BitBtn1; // "Продолжить"

    // RadioButton1 … RadioButton18 by grade (tab) and range.
    QRadioButton* radio(int grade, int range) const { return radios_[grade][range]; }
    QRadioButton* RadioButton(int number) const; // 1 … 18

    // Shows only the tab of `steel` (none for other names).
    void showGradeTab(const QString& steel);

private:
    QVector<QVector<QRadioButton*>> radios_;
};

struct RyNewContext {
    bool handMode = false; // HandButton down
    bool autoMode = false; // AutoButton down
    QWidget* parent = nullptr;
    TRyNewForm* dialog = nullptr;
    std::function<void()> backToSectionChoice; // CangeSechen
};

// Ry by the rolled thickness Tst of the taken section: step-by-step mode with
// the dialog, automatic mode without a question. Always sets TstOut.
void Ry_New(const RyNewContext& context);

// Compares the thickness with the grade's bounds and says so when outside;
// returns OutOfRange.
bool Ry_Sravnenie(QWidget* parent, double thickness, double min, double max);

// The wrong-range message of kind 1, 2 or 3.
void Window_Message(QWidget* parent, int kind, double bound, double thickness);
