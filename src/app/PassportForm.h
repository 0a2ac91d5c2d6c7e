#pragma once
// "Паспорт": the names of the output files and the header data of the report
// and the summary table — project code, author, organisation, design code.
// It has no cancel button and no close box: it is left by OK.

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

class TDataNew : public QDialog {
    Q_OBJECT
public:
    explicit TDataNew(QWidget* parent = nullptr);

    QComboBox* ComboNormBox1;  // design code: 0 "СНиП II-23-81*", 1 "СП 53-102-2004"
    QLineEdit* DirectoryEdit1; // folder picker (offered, not used by the names)
    QPushButton* DirectoryButton;
    QLineEdit* EditFile1; // report file name, 10 characters typed
    QLineEdit* Kod;       // Шифр
    QLineEdit* Name;      // Имя, фамилия
    QLineEdit* Inform;    // Организация
    QPushButton* BitBtn1; // OK

    // Puts a stored file name into EditFile1; a stored name may be longer than
    // the 10 characters that can be typed (it carries its ".txt").
    void setFileNameText(const QString& name);

public slots:
    void reject() override; // Esc and the window manager cannot close it

protected:
    void showEvent(QShowEvent* event) override; // FormShow: focus into EditFile1
    void closeEvent(QCloseEvent* event) override;

private:
    void pickDirectory();
};
