#pragma once
// Every modal window, question, information box and error box of the program
// is shown through this seam. In the program it runs QDialog::exec() and
// QMessageBox; tests install a ModalHandler that answers each dialog by its
// object name and records every text shown, so whole workflows run headless.

#include <QString>

class QDialog;
class QWidget;

class ModalHandler {
public:
    virtual ~ModalHandler() = default;
    virtual int exec(QDialog& dialog) = 0;
    virtual bool ask(QWidget* parent, const QString& text) = 0;
    virtual void inform(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;
};

struct Modal {
    // A modal window; returns its result code (QDialog::Accepted, Rejected, ...).
    static int exec(QDialog& dialog);
    // An information box with Yes and No; true on Yes.
    static bool ask(QWidget* parent, const QString& text);
    // An information box with OK.
    static void inform(QWidget* parent, const QString& text);
    // An error box with OK.
    static void error(QWidget* parent, const QString& text);

    // Replaces the handler (nullptr restores the interactive one). Returns the
    // previous handler so that tests can restore it.
    static ModalHandler* setHandler(ModalHandler* handler);
};
