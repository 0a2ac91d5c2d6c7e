#include "PassportForm.h"

#include "common/Modal.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDataNew::TDataNew(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDataNew"));
    setWindowTitle(QStringLiteral("Паспорт"));
    // No close box: the passport is left by OK.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    auto label = [&](const QString& text) {
        auto* l = new QLabel(text, this);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(l, row, 0);
    };
    auto edit = [&](const char* name, int maxLength, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        grid->addWidget(e, row++, 1, 1, 2);
        return e;
    };

    label(QStringLiteral("Нормы \nпроектирования:"));
    ComboNormBox1 = new QComboBox(this);
    ComboNormBox1->setObjectName(QStringLiteral("ComboNormBox1"));
    ComboNormBox1->addItems({QStringLiteral("СНиП II-23-81*"), QStringLiteral("СП 53-102-2004")});
    grid->addWidget(ComboNormBox1, row++, 1, 1, 2);

    label(QStringLiteral("Путь - "));
    DirectoryEdit1 = new QLineEdit(this);
    DirectoryEdit1->setObjectName(QStringLiteral("DirectoryEdit1"));
    DirectoryButton = new QPushButton(QStringLiteral("..."), this);
    DirectoryButton->setObjectName(QStringLiteral("DirectoryButton"));
    DirectoryButton->setFixedWidth(32);
    grid->addWidget(DirectoryEdit1, row, 1);
    grid->addWidget(DirectoryButton, row++, 2);

    label(QStringLiteral("Имя файла - "));
    EditFile1 = edit("EditFile1", 10, QStringLiteral("Noname"));
    label(QStringLiteral("Шифр - "));
    Kod = edit("Kod", 50, QString());
    label(QStringLiteral("Имя, фамилия - "));
    Name = edit("Name", 50, QString());
    label(QStringLiteral("Организация - "));
    Inform = edit("Inform", 50, QStringLiteral("УО \"ЗлНСК\""));
    grid->setColumnMinimumWidth(1, 320);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(DirectoryButton, &QPushButton::clicked, this, &TDataNew::pickDirectory);
}

void TDataNew::setFileNameText(const QString& name) {
    // Ten characters can be typed; a stored name with its ending is longer.
    EditFile1->setMaxLength(std::max<int>(10, int(name.size())));
    EditFile1->setText(name);
}

void TDataNew::pickDirectory() {
    // The files are written by bare name into the current directory; the
    // chosen folder is shown, not used.
    QFileDialog picker(this, QStringLiteral("Путь"), DirectoryEdit1->text());
    picker.setObjectName(QStringLiteral("DirectoryPicker"));
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    if (Modal::exec(picker) == QDialog::Accepted && !picker.selectedFiles().isEmpty())
        DirectoryEdit1->setText(picker.selectedFiles().front());
}

void TDataNew::reject() {}

void TDataNew::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    EditFile1->setFocus();
}

void TDataNew::closeEvent(QCloseEvent* event) {
    event->ignore();
}
