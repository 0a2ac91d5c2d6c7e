#pragma once
// "Результаты подбора сечения стержня:": the member's data, the chosen section
// and the checks of the design code, the saving of the report and the table,
// and the way on (next member, new project, back to the section types).

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class SectionSketch;

class TTextDialog : public QDialog {
    Q_OBJECT
public:
    // How the window was left (besides Rejected for "Отмена" and "&Сначала").
    enum Result { ResultYes = 10, ResultNo = 11 };

    explicit TTextDialog(QWidget* parent = nullptr);

    QLabel* Label1;           // member name
    QLabel* Label2;           // tension / compression
    QLabel* Label3;           // force
    QLabel* Label4;           // geometric length
    QLabel* Label5;           // μx
    QLabel* Label6;           // μy
    QLabel* Label7;           // "μ"
    QLabel* Label8;           // "μ"
    QLabel* Label9;           // Lx
    QLabel* Label10;          // Ly
    QLabel* Label11;          // steel and Ry
    QLabel* Label14;          // "γ"
    QLabel* Label15;          // "γ"
    QLabel* Label16;          // γn
    QLabel* Label17;          // γc
    QLabel* Label18;          // section description
    QLabel* Label19;          // area
    QLabel* Label20;          // radii of gyration
    QLabel* Label23;          // "σ"
    QLabel* Label24;          // stress compared with Ry
    QLabel* Label25;          // kind of check
    QLabel* Label26;          // under-stress (teal)
    QLabel* Label27;          // over-stress (red)
    QLabel* Label28;          // λmax
    QLabel* Label29;          // "λ"
    QLabel* Label30;          // "λ"
    QLabel* Label31;          // λu
    QLabel* Label32;          // "φ"
    QLabel* Label33;          // φmin
    QLabel* Label34;          // "·γ"
    QLabel* Label35;          // Ry·γc
    QLabel* StaticText1;      // "    - это недопустимо!    "
    SectionSketch* Image[10]; // Image[1] … Image[9], one per section type

    QPushButton* BitBtn3; // "&Сначала"
    QPushButton* BitBtn1; // "Продолжить"
    QPushButton* BitBtn4; // "Отмена"
    QToolButton* BitBtn2; // back to the section types
    QPushButton* SaveButton;
    QPushButton* SpeedButton1; // "Просмотр"
    QPushButton* BitTab;       // "Таблица"

    // Every label cleared (the texts that RezultWindow fills).
    void clearResults();

public slots:
    void BitBtn3Click();
    void BitBtn1Click();
    void BitBtn4Click();
    void BitBtn2Click();
    void SaveButtonClick();
    void SpeedButton1Click();
    void BitTabClick();

protected:
    void reject() override; // Esc acts as "Отмена"
};

// The texts of the results window for the current design state.
struct ResultTexts {
    QString label1, label2, label3, label4, label5, label6, label9, label10, label11;
    QString label16, label17, label18, label19, label20, label24, label25, label26, label27;
    QString label28, label31, label33, label35;
    bool compression = false;
    bool overSlenderness = false;
};
ResultTexts resultTexts(bool compression);
