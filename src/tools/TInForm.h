#pragma once
// "Системная информация": facts about the computer (tab "Система") and about a
// chosen mounted file system (tab "Диск"). The facts are gathered when the
// window is created and for each choice in the drive list.

#include "tools/SystemInfo.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;

class TInForm : public QDialog {
    Q_OBJECT
public:
    explicit TInForm(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;          // "Система"
    QWidget* TabSheet2 = nullptr;          // "Диск"
    QTableWidget* StringSysGrid = nullptr; // 9 rows under the fixed heading row
    QComboBox* DriveComboBox1 = nullptr;   // the mounted file systems
    QTableWidget* StringGrid1 = nullptr;   // 5 rows under the fixed heading row
    QLabel* RxLabel2 = nullptr;            // credit line
    QLabel* RxLabel1 = nullptr;            // contact line
    QPushButton* BitBtn1 = nullptr;        // OK

    // A cell as the grids address it: row 0 is the heading row.
    static QString cell(const QTableWidget* grid, int column, int row);

public slots:
    void DriveComboBox1Change(int index);
    void BitBtn1Click();

private:
    void FormCreate();
    void RecordRegistry();
    void CheckDriveType(const QString& rootPath);
    void fillDriveGrid();

    SystemFacts system_;
    VolumeFacts drive_;
};
