#include "ScriptedModal.h"

#include <gtest/gtest.h>

ScriptedModal::ScriptedModal() : previous_(Modal::setHandler(this)) {}

ScriptedModal::~ScriptedModal() {
    Modal::setHandler(previous_);
}

void ScriptedModal::onDialog(const QString& objectName, DialogAction action) {
    queued_[objectName].push_back(std::move(action));
}

void ScriptedModal::always(const QString& objectName, DialogAction action) {
    always_[objectName] = std::move(action);
}

void ScriptedModal::answer(bool yes) {
    answers_.push_back(yes);
}

QStringList ScriptedModal::texts(Kind kind) const {
    QStringList result;
    for (const Shown& s : shown_)
        if (s.kind == kind)
            result << s.text;
    return result;
}

int ScriptedModal::exec(QDialog& dialog) {
    const QString name = dialog.objectName();
    shown_.push_back({Kind::Dialog, name});
    auto queued = queued_.find(name);
    if (queued != queued_.end() && !queued->second.empty()) {
        DialogAction action = std::move(queued->second.front());
        queued->second.pop_front();
        return action(dialog);
    }
    auto fallback = always_.find(name);
    if (fallback != always_.end())
        return fallback->second(dialog);
    ADD_FAILURE() << "unscripted dialog " << name.toStdString();
    dialog.reject();
    // Stop the workflow here: a step that re-shows its window until it gets
    // an answer would otherwise never return.
    throw UnscriptedModal("unscripted dialog " + name.toStdString());
}

bool ScriptedModal::ask(QWidget*, const QString& text) {
    shown_.push_back({Kind::Ask, text});
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        throw UnscriptedModal("unscripted question: " + text.toStdString());
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void ScriptedModal::inform(QWidget*, const QString& text) {
    shown_.push_back({Kind::Inform, text});
}

void ScriptedModal::error(QWidget*, const QString& text) {
    shown_.push_back({Kind::Error, text});
}
