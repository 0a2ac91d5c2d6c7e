#pragma once
// "Ввод исходных данных": the member's name, axial force, geometric length,
// effective-length factors and kind of force; the working mode; the maximum
// lattice force for the gusset thickness. Kept between showings, so the next
// member starts from the values of the previous one.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TDialog1 : public QDialog {
    Q_OBJECT
public:
    explicit TDialog1(QWidget* parent = nullptr);

    QLineEdit* Nazvan;          // member name, at most 50 characters
    QLineEdit* Strange;         // axial force, kN, mask "!99999.99"
    QLineEdit* Lenght;          // geometric length, mm, mask "!99999.99"
    QLineEdit* Mx;              // μx, mask "!9.999"
    QLineEdit* My;              // μy, mask "!9.999"
    QRadioButton* RadioButton1; // "Растяжение"
    QRadioButton* RadioButton2; // "Сжатие"
    QCheckBox* CheckBox1;       // enables StrangeRas
    QLineEdit* StrangeRas;      // maximum lattice force, kN, for the gusset thickness
    QRadioButton* HandBut3;     // "Ручной расчет"
    QRadioButton* AutoBut4;     // "Автоматический расчет"
    QPushButton* BitBtn1;       // OK
    QPushButton* BitBtn2;       // Отмена
    QPushButton* BitBtn3;       // Справка
    QPushButton* BitBtn4;       // Далее...

    // The text of a masked field as the user sees it, blanks included (the
    // design formulas read it as the field holds it).
    static QString maskedText(const QLineEdit* edit);

public slots:
    void CheckBox1Click();
    void BitBtn1Click();
    void BitBtn4Click();
    void HandBut3Click();
    void AutoBut4Click();

protected:
    void showEvent(QShowEvent* event) override; // FormShow: focus into Nazvan
};
