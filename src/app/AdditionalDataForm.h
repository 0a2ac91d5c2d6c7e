#pragma once
// " Дополнительные данные...": γn, γc, the steel with its Ry, the limit
// slenderness and, for compression, the assumed slenderness. Five tabs with
// the design-code tables the values come from. Selections stay as the user
// left them, also after "Отмена"; the main window stores them on OK.

#include <QDialog>

class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QToolButton;

class TForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QTabWidget* PageControl1;
    QWidget* TabSheet1; // "Таблица 1", γn
    QWidget* TabSheet2; // "Таблица 2", γc
    QWidget* TabSheet3; // "Таблица 3", steel
    QWidget* TabSheet4; // "Таблица 4", compression limits
    QWidget* TabSheet5; // "Таблица 5", tension limits

    // γn
    QRadioButton* RadioButton1;  // 1
    QRadioButton* RadioButton2;  // 0.95
    QRadioButton* RadioButton3;  // 0.9
    QRadioButton* RadioButton4;  // "Другое..."
    QDoubleSpinBox* RxSpinEdit3; // 0.5 … 1.5
    // γc
    QRadioButton* RadioButton5; // 1.05
    QRadioButton* RadioButton6; // 1
    QRadioButton* RadioButton7; // 0.95
    QRadioButton* RadioButton8; // 0.9
    QRadioButton* RadioButton9; // 0.8
    // steel: RadioButton10 … RadioButton17, Stal20, G2AF in steelChoices() order
    QRadioButton* RadioButton10;
    QRadioButton* RadioButton11;
    QRadioButton* RadioButton12;
    QRadioButton* RadioButton13;
    QRadioButton* RadioButton14;
    QRadioButton* RadioButton15;
    QRadioButton* RadioButton16;
    QRadioButton* RadioButton17;
    QRadioButton* Stal20;
    QRadioButton* G2AF;
    QRadioButton* SteelNew; // "Ry = ..."
    QSpinBox* RxRyNew;      // typed-in Ry, 200 … 400 MPa
    QTableWidget* StringGrid1;
    // compression
    QLineEdit* GibkostEdit; // assumed slenderness, mask "!999"
    QToolButton* UpDownUp;
    QToolButton* UpDownDown;
    QRadioButton* RadioButton18; // 180 − 60α
    QRadioButton* RadioButton19; // 120
    QRadioButton* RadioButton20; // 210 − 60α
    QRadioButton* RadioButton21; // 220
    QRadioButton* RadioButton28; // "Другое..."
    QSpinBox* RxSpinEdit1;       // 120 … 400
    // tension
    QRadioButton* RadioButton22; // 150
    QRadioButton* RadioButton23; // 200
    QRadioButton* RadioButton24; // 250
    QRadioButton* RadioButton25; // 300
    QRadioButton* RadioButton26; // 350
    QRadioButton* RadioButton27; // 400
    QRadioButton* RadioButton29; // "Другое..."
    QSpinBox* RxSpinEdit2;       // 120 … 400

    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Отмена
    QPushButton* BitBtn3; // &Далее...

    // The steel radio buttons in steelChoices() order.
    QRadioButton* steelButton(int choice) const;

    // Rows of StringGrid1 counted with its heading row (22, 21 or 19).
    int gridRows() const;
    void setGridRows(int rowsWithHeading);
    // The selected row of StringGrid1 (1 = first steel row), 0 when none.
    int gridRow() const;
    // Makes tab `index` (0-based) visible or hidden.
    void setTabShown(int index, bool shown);
    bool tabShown(int index) const;
    // Position of the up-down control bound to GibkostEdit (0 … 200).
    int upDownPosition() const { return upDownPosition_; }

public slots:
    void StringGrid1Click();
    void BitBtn3Click();

private:
    void FormCreate();
    QWidget* buildGammaNTab();
    QWidget* buildGammaCTab();
    QWidget* buildSteelTab();
    QWidget* buildCompressionTab();
    QWidget* buildTensionTab();
    void stepUpDown(int delta);
    void showHelp();

    QRadioButton* steelButtons_[10] = {};
    int upDownPosition_ = 90;
    int shownRows_ = 22; // with the heading row
};
