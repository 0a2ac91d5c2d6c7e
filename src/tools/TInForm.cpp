#include "TInForm.h"

#include <QComboBox>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QTableWidget* infoGrid(int dataRows, int width0, int width1, QWidget* parent) {
    auto* grid = new QTableWidget(dataRows, 2, parent);
    grid->setHorizontalHeaderLabels({QStringLiteral("Ресурс"), QStringLiteral("Значение")});
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->setColumnWidth(0, width0);
    grid->setColumnWidth(1, width1);
    grid->horizontalHeader()->setStretchLastSection(true);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(11);
    grid->setFont(arial);
    return grid;
}

void fillRows(QTableWidget* grid, const QList<InfoRow>& rows) {
    for (int r = 0; r < rows.size() && r < grid->rowCount(); ++r) {
        for (int c = 0; c < 2; ++c) {
            const QString& text = c == 0 ? rows[r].resource : rows[r].value;
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(text); // long folder names stay readable
            grid->setItem(r, c, item);
        }
    }
}

// The first column wide enough for its longest name.
void fitFirstColumn(QTableWidget* grid) {
    grid->resizeColumnToContents(0);
    grid->setColumnWidth(0, grid->columnWidth(0) + 8);
}

} // namespace

QString TInForm::cell(const QTableWidget* grid, int column, int row) {
    if (row == 0) {
        const QTableWidgetItem* head = grid->horizontalHeaderItem(column);
        return head ? head->text() : QString();
    }
    const QTableWidgetItem* item = grid->item(row - 1, column);
    return item ? item->text() : QString();
}

TInForm::TInForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TInForm"));
    setWindowTitle(QStringLiteral("Системная информация"));

    PageControl1 = new QTabWidget(this);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Система"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Диск"));

    StringSysGrid = infoGrid(9, 169, 177, TabSheet1);
    StringSysGrid->setObjectName(QStringLiteral("StringSysGrid"));
    auto* systemPage = new QVBoxLayout(TabSheet1);
    systemPage->addWidget(StringSysGrid);

    DriveComboBox1 = new QComboBox(TabSheet2);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    StringGrid1 = infoGrid(5, 183, 172, TabSheet2);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    auto* drivePage = new QVBoxLayout(TabSheet2);
    drivePage->addWidget(DriveComboBox1);
    drivePage->addWidget(StringGrid1);

    RxLabel2 = new QLabel(QStringLiteral("Kelvor 7.1 — команда Kelvor"), this);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(11);
    RxLabel2->setFont(arial);
    RxLabel2->setStyleSheet(QStringLiteral("color: red;"));
    auto* shadow = new QGraphicsDropShadowEffect(RxLabel2);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(0);
    shadow->setColor(QColor(160, 160, 160));
    RxLabel2->setGraphicsEffect(shadow);
    // No mail address is published, so the contact line is a plain text.
    RxLabel1 = new QLabel(QStringLiteral("Команда разработчиков Kelvor"), this);
    RxLabel1->setFont(arial);
    RxLabel1->setStyleSheet(QStringLiteral("color: blue;"));

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TInForm::BitBtn1Click);

    auto* credits = new QVBoxLayout;
    credits->setSpacing(2);
    credits->addWidget(RxLabel2);
    credits->addWidget(RxLabel1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(credits);
    bottom->addStretch();
    bottom->addWidget(BitBtn1, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(bottom);

    FormCreate();

    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TInForm::DriveComboBox1Change);
    // Ten rows of 20 pixels and the heading must show without a scroll bar.
    StringSysGrid->setMinimumHeight(StringSysGrid->horizontalHeader()->sizeHint().height() +
                                    9 * 20 + 2 * StringSysGrid->frameWidth() + 2);
    setMinimumSize(sizeHint().expandedTo(QSize(369, 243)));
    resize(QSize(460, 330).expandedTo(minimumSize()));
}

void TInForm::FormCreate() {
    PageControl1->setCurrentWidget(TabSheet1);
    RecordRegistry();
    const QChar separator = regionalGroupSeparator();
    fillRows(StringSysGrid, systemRows(system_, separator));
    fitFirstColumn(StringSysGrid);
    fillDriveGrid();
    fitFirstColumn(StringGrid1);
}

void TInForm::RecordRegistry() {
    system_ = recordSystemInformation();
    const QList<VolumeFacts> volumes = systemInfoSource().volumes();
    for (const VolumeFacts& v : volumes)
        DriveComboBox1->addItem(volumeItemText(v), v.rootPath);
    // The root file system takes the place of drive C.
    const QString root = volumes.isEmpty() ? QStringLiteral("/") : volumes.front().rootPath;
    CheckDriveType(root);
}

void TInForm::CheckDriveType(const QString& rootPath) {
    drive_ = systemInfoSource().volume(rootPath);
}

void TInForm::fillDriveGrid() {
    fillRows(StringGrid1, driveRows(drive_, regionalGroupSeparator()));
}

void TInForm::DriveComboBox1Change(int index) {
    if (index < 0)
        return;
    CheckDriveType(DriveComboBox1->itemData(index).toString());
    fillDriveGrid();
}

void TInForm::BitBtn1Click() {
    accept();
}
