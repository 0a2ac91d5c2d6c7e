#include "TAboutForm.h"

#include "common/Modal.h"
#include "tools/HelpEngine.h"
#include "tools/TInForm.h"
#include "tools/ToolPictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

QFont timesFont(int pixels) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixels);
    return font;
}

QLabel* coloredLabel(const QString& text, const QFont& font, const QString& color,
                     QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(color));
    return label;
}

} // namespace

QStringList TAboutForm::creditLines() {
    const QString rule(38, QLatin1Char('_'));
    return {
        QStringLiteral("Разработчик:"),
        QStringLiteral("    Команда Kelvor"),
        QStringLiteral("Научное консультирование:"),
        QStringLiteral("    Команда Kelvor (расчетная часть)"),
        rule,
        QStringLiteral("Расчет производится в соответствии со "),
        QStringLiteral("СНиП II-23-81* \"Стальные конструкции\""),
        QString(),
        QStringLiteral("Программа разработана командой Kelvor,"),
        QStringLiteral("проверена на контрольных примерах расчета"),
        QStringLiteral("стержней стальных ферм и предназначена"),
        QStringLiteral("для учебного и практического проектирования."),
        rule,
        QStringLiteral("Тестирование: команда Kelvor"),
        rule,
        QString(),
        QStringLiteral("Связь: Команда разработчиков Kelvor"),
    };
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("О программе..."));

    Image2 = new QLabel(this);
    Image2->setPixmap(programIcon(32, 31));
    Image2->setFixedSize(32, 31);

    Label3 =
        coloredLabel(QStringLiteral("Команда Kelvor"), timesFont(19), QStringLiteral("teal"), this);
    QFont bold = timesFont(19);
    bold.setBold(true);
    Label2 = coloredLabel(QStringLiteral("Kelvor - v.7.1.0.0"), bold, QStringLiteral("red"), this);
    QFont underlined = timesFont(12);
    underlined.setUnderline(true);
    Label1 = coloredLabel(QStringLiteral("Команда разработчиков Kelvor"), underlined,
                          QStringLiteral("blue"), this);

    Splitter1 = new QFrame(this);
    Splitter1->setFrameShape(QFrame::HLine);
    Splitter1->setFrameShadow(QFrame::Sunken);

    Image1 = new QLabel(this);
    Image1->setPixmap(aboutPicture(90, 139));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::Panel);
    Image1->setFrameShadow(QFrame::Sunken);
    Image1->setFixedSize(96, 145);
    Image1->setToolTip(QStringLiteral("Рисунок: команда Kelvor"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(11);
    Memo1->setFont(arial);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette tip = Memo1->palette();
    tip.setColor(QPalette::Base, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::Text, tip.color(QPalette::ToolTipText));
    Memo1->setPalette(tip);
    Memo1->setPlainText(creditLines().join(QLatin1Char('\n')));

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Системная информация"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setCursor(Qt::WhatsThisCursor);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(Label3);
    titles->addWidget(Label2);
    titles->addWidget(Label1);
    auto* head = new QHBoxLayout;
    head->addWidget(Image2, 0, Qt::AlignTop);
    head->addSpacing(8);
    head->addLayout(titles, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(Image1, 0, Qt::AlignTop);
    body->addWidget(Memo1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(Splitter1);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    const int memoWidth = Memo1->fontMetrics().horizontalAdvance(
                              QStringLiteral("для учебного и практического проектирования.")) +
                          40;
    Memo1->setMinimumWidth(memoWidth);
    setFixedSize(sizeHint().expandedTo(QSize(391, 247)));

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { HelpEngine::showTopic(this, kHelpContext); });
}

void showAbout(TAboutForm& about, TInForm& info) {
    if (Modal::exec(about) == QDialog::Rejected)
        Modal::exec(info);
}
