#pragma once
// "О программе...": the program's name and version, the credits and the design
// code it works to. OK closes it with QDialog::Accepted; "Системная информация"
// and the title bar's close box leave it with QDialog::Rejected (Cancel), after
// which the main window shows the system information window (showAbout()).

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QFrame;
class TInForm;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 19;

    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* Image2 = nullptr;        // program icon
    QLabel* Label3 = nullptr;        // maker
    QLabel* Label2 = nullptr;        // "Kelvor - v.7.1.0.0"
    QLabel* Label1 = nullptr;        // contact line
    QFrame* Splitter1 = nullptr;     // the line under the title
    QLabel* Image1 = nullptr;        // picture
    QPlainTextEdit* Memo1 = nullptr; // credits
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // "Системная информация"

    // The credit lines of Memo1, in order.
    static QStringList creditLines();
};

// The main window's ToolButton3Click (also N7): the About window, and the system
// information window when the About window was left with Cancel.
void showAbout(TAboutForm& about, TInForm& info);
