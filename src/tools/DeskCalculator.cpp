#include "DeskCalculator.h"

#include "common/Modal.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Op = CalculatorEngine::Op;

struct KeyDef {
    const char* caption; // UTF-8
    int row;
    int column;
    void (*action)(CalculatorEngine&);
};

template <int D> void press(CalculatorEngine& e) {
    e.digit(D);
}
template <Op O> void operate(CalculatorEngine& e) {
    e.operation(O);
}

const KeyDef kKeys[] = {
    {"←", 0, 0, [](CalculatorEngine& e) { e.backspace(); }},
    {"CE", 0, 1, [](CalculatorEngine& e) { e.clearEntry(); }},
    {"C", 0, 2, [](CalculatorEngine& e) { e.clear(); }},
    {"±", 0, 3, [](CalculatorEngine& e) { e.negate(); }},
    {"7", 1, 0, press<7>},
    {"8", 1, 1, press<8>},
    {"9", 1, 2, press<9>},
    {"÷", 1, 3, operate<Op::Divide>},
    {"4", 2, 0, press<4>},
    {"5", 2, 1, press<5>},
    {"6", 2, 2, press<6>},
    {"×", 2, 3, operate<Op::Multiply>},
    {"1", 3, 0, press<1>},
    {"2", 3, 1, press<2>},
    {"3", 3, 2, press<3>},
    {"−", 3, 3, operate<Op::Subtract>},
    {"0", 4, 0, press<0>},
    {".", 4, 1, [](CalculatorEngine& e) { e.point(); }},
    {"=", 4, 2, [](CalculatorEngine& e) { e.equals(); }},
    {"+", 4, 3, operate<Op::Add>},
};

} // namespace

DeskCalculator::DeskCalculator(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DeskCalculator"));
    setWindowTitle(QStringLiteral("Калькулятор"));

    pending_ = new QLabel(this);
    pending_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pending_->setStyleSheet(QStringLiteral("color: gray;"));
    pending_->setMinimumHeight(pending_->fontMetrics().height());
    display_ = new QLineEdit(this);
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);
    display_->setAlignment(Qt::AlignRight);
    QFont big = display_->font();
    big.setPixelSize(22);
    display_->setFont(big);
    display_->setMinimumWidth(
        display_->fontMetrics().horizontalAdvance(CalculatorEngine::divisionByZeroText()) + 16);

    auto* keys = new QGridLayout;
    keys->setSpacing(4);
    for (const KeyDef& k : kKeys)
        keys->addWidget(addButton(QString::fromUtf8(k.caption), k.action), k.row, k.column);

    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setFocusPolicy(Qt::NoFocus);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pending_);
    layout->addWidget(display_);
    layout->addLayout(keys);
    layout->addLayout(closeRow);
    setFixedSize(sizeHint());
    refresh();
}

QPushButton* DeskCalculator::addButton(const QString& caption, void (*action)(CalculatorEngine&)) {
    auto* b = new QPushButton(caption, this);
    b->setFocusPolicy(Qt::NoFocus); // the keyboard goes to the calculator
    b->setAutoDefault(false);
    b->setMinimumSize(44, 32);
    connect(b, &QPushButton::clicked, this, [this, action] {
        action(engine_);
        refresh();
    });
    buttons_.append(b);
    return b;
}

QPushButton* DeskCalculator::button(const QString& caption) const {
    for (QPushButton* b : buttons_) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

QString DeskCalculator::displayText() const {
    return display_->text();
}

QString DeskCalculator::pendingText() const {
    return pending_->text();
}

void DeskCalculator::refresh() {
    display_->setText(engine_.display());
    pending_->setText(engine_.pending());
}

void DeskCalculator::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        engine_.backspace();
        break;
    case Qt::Key_Delete:
        engine_.clearEntry();
        break;
    case Qt::Key_F9:
        engine_.negate();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        engine_.equals();
        break;
    default: {
        const QString text = event->text();
        if (text.size() != 1 || !engine_.key(text.front())) {
            QDialog::keyPressEvent(event); // Esc closes
            return;
        }
    }
    }
    refresh();
}

void showDeskCalculator(QWidget* parent) {
    DeskCalculator calculator(parent);
    Modal::exec(calculator);
}
