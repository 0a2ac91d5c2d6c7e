#pragma once
// "Коэффициент Fi (Fie)": a stand-alone calculator of the buckling coefficient φ
// (SNiP II-23-81* or SP 53-102-2004) and of φe for eccentric compression
// (SNiP II-23-81* tables 74 and 75). It reads and writes nothing of the design
// state; its inputs and result stay in the window between showings.

#include <functional>
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFormFi : public QDialog {
    Q_OBJECT
public:
    // Run by the constructor before the first computation: the program's start-up
    // check of the regional decimal separator. Returns false when the program must
    // end; the window then skips its first computation (creationRefused()).
    // Not set: no check.
    static std::function<bool()> creationCheck;

    // The help context number of the window (F1).
    static constexpr int kHelpContext = 14;

    explicit TFormFi(QWidget* parent = nullptr);

    bool creationRefused() const { return creationRefused_; }

    // The controls, under the names of the form.
    QComboBox* ComboBox1 = nullptr; // mode: φ, φe solid, φe lattice
    QComboBox* ComboBox2 = nullptr; // design code
    QComboBox* ComboBox3 = nullptr; // buckling curve of the section type (SP only)
    QLabel* Label8 = nullptr;       // "Тип сечения"
    QLabel* Label2 = nullptr;       // λ
    QLineEdit* MaskL = nullptr;     // slenderness λ
    QLabel* Label1 = nullptr;       // "Ry = "
    QLineEdit* MaskRy = nullptr;    // Ry, MPa
    QLabel* Label3 = nullptr;       // "МПа"
    QLabel* Label6 = nullptr;       // λ̄ for φe
    QLabel* Label7 = nullptr;
    QLineEdit* LanX = nullptr;      // conditional slenderness λ̄
    QLabel* Label5 = nullptr;       // "mef = "
    QLineEdit* Mmef = nullptr;      // reduced relative eccentricity m_ef
    QLabel* Label4 = nullptr;       // "φ = "
    QLabel* RxFi = nullptr;         // the result
    QPushButton* BitBtn1 = nullptr; // " Расчет"
    QPushButton* BitBtn2 = nullptr; // "OK"

public slots:
    // The recomputation; every change of a list and every edit left calls it.
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void buildControls();
    // Applies the enabling rules of the selected mode.
    void enableForMode(int mode);
    // φ from the working values, shown; false when φ is not defined there.
    bool Fi();
    bool Fie(int kind);
    void showResult(double value);

    // Working values, kept between showings.
    double Ry_ = 0;
    double Landa_ = 0;
    double Fi_ = 0;
    double Mef_ = 0;
    double LanX_ = 0;
    bool creationRefused_ = false;
};
