#pragma once
// A modal handler for tests: answers each modal window by its object name with
// a scripted action, answers Yes/No questions from a queue, and records every
// text and window shown, in order.

#include "common/Modal.h"

#include <deque>
#include <functional>
#include <map>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

// Thrown (after the test has been marked failed) when a window or question
// comes up that the test did not script.
struct UnscriptedModal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptedModal : public ModalHandler {
public:
    enum class Kind { Dialog, Ask, Inform, Error };
    struct Shown {
        Kind kind;
        QString text; // the message, or the object name of a dialog
    };
    using DialogAction = std::function<int(QDialog&)>;

    // Installs itself as the handler; the destructor restores the previous one.
    ScriptedModal();
    ~ScriptedModal() override;
    ScriptedModal(const ScriptedModal&) = delete;
    ScriptedModal& operator=(const ScriptedModal&) = delete;

    // Every showing of the dialog named `objectName` runs the next queued
    // action for it; when none is queued, the last `always` action runs; with
    // neither, the test fails and UnscriptedModal is thrown.
    void onDialog(const QString& objectName, DialogAction action);
    void always(const QString& objectName, DialogAction action);
    // Answers of the next questions, in order. With none queued the test fails
    // and UnscriptedModal is thrown.
    void answer(bool yes);

    const std::vector<Shown>& shown() const { return shown_; }
    // The texts of one kind, in order.
    QStringList texts(Kind kind) const;
    // Object names of the dialogs shown, in order.
    QStringList dialogs() const { return texts(Kind::Dialog); }
    void clear() { shown_.clear(); }
    int pendingAnswers() const { return int(answers_.size()); }

    int exec(QDialog& dialog) override;
    bool ask(QWidget* parent, const QString& text) override;
    void inform(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;

private:
    ModalHandler* previous_ = nullptr;
    std::map<QString, std::deque<DialogAction>> queued_;
    std::map<QString, DialogAction> always_;
    std::deque<bool> answers_;
    std::vector<Shown> shown_;
};

// Handy actions.
inline int acceptDialog(QDialog& d) {
    d.accept();
    return QDialog::Accepted;
}
inline int rejectDialog(QDialog& d) {
    d.reject();
    return QDialog::Rejected;
}
