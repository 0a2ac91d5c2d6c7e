#include "Modal.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace {

QString boxTitle() {
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() ? QApplication::applicationName() : title;
}

class InteractiveHandler final : public ModalHandler {
public:
    int exec(QDialog& dialog) override { return dialog.exec(); }

    bool ask(QWidget* parent, const QString& text) override {
        return QMessageBox::information(parent, boxTitle(), text,
                                        QMessageBox::Yes | QMessageBox::No,
                                        QMessageBox::Yes) == QMessageBox::Yes;
    }

    void inform(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, boxTitle(), text, QMessageBox::Ok);
    }

    void error(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, boxTitle(), text, QMessageBox::Ok);
    }
};

InteractiveHandler interactive;
ModalHandler* current = &interactive;

} // namespace

int Modal::exec(QDialog& dialog) {
    return current->exec(dialog);
}

bool Modal::ask(QWidget* parent, const QString& text) {
    return current->ask(parent, text);
}

void Modal::inform(QWidget* parent, const QString& text) {
    current->inform(parent, text);
}

void Modal::error(QWidget* parent, const QString& text) {
    current->error(parent, text);
}

ModalHandler* Modal::setHandler(ModalHandler* handler) {
    ModalHandler* previous = current;
    current = handler ? handler : &interactive;
    return previous == &interactive ? nullptr : previous;
}
