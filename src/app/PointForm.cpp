#include "PointForm.h"

#include "app/Forms.h"
#include "app/Startup.h"
#include "common/Modal.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFPoint::TFPoint(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFPoint"));
    setWindowTitle(QStringLiteral("Внимание!"));

    auto* layout = new QVBoxLayout(this);
    auto addLabel = [&](const QString& text) {
        auto* label = new QLabel(text, this);
        layout->addWidget(label);
        return label;
    };
    addLabel(QStringLiteral("В операционной системе в качестве разделителя целой и дробной \n"
                            "части числа установлена запятая. Для  нормальной  работы  прог-\n"
                            "раммы проделайте пожалуйста следующие действия:"));
    addLabel(QStringLiteral("1. Откройте панель управления "));
    addLabel(QStringLiteral("2. В панели управления запустите  \"Язык и стандарты\""));
    addLabel(QStringLiteral("3. В закладке \"Числа\" в качестве разделителя целой и дробной\n"
                            "    частей числа установите точку и нажмите клавишу <Ok>.\n"
                            "     \n"
                            "4. Запустите программу заново."));

    auto* buttons = new QDialogButtonBox(this);
    BitBtn1 = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    layout->addWidget(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

bool checkDecimalSeparator(QWidget* parent) {
    if (regionalDecimalSeparator() != QLatin1Char(','))
        return true;
    TFPoint* shown = forms().FPoint;
    TFPoint own(parent);
    if (!shown)
        shown = &own;
    // Whichever way the window is closed (its OK button included), the
    // program ends: with a decimal comma no typed number would convert.
    Modal::exec(*shown);
    endProgram();
    return false;
}
