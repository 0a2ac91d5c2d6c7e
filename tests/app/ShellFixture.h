#pragma once
// The windows of the program created in a temporary current directory, with a
// scripted modal seam, a decimal separator of the test's choosing and an end
// of the program that is recorded instead of carried out.

#include "app/AdditionalDataForm.h"
#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/InputDialog.h"
#include "app/MainForm.h"
#include "app/PassportForm.h"
#include "app/Startup.h"
#include "ScriptedModal.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        resetDesignState();
        setDecimalSeparatorSource([this] { return separator; });
        setEndProgramHandler([] {});
    }
    void TearDown() override {
        destroyForms();
        setDecimalSeparatorSource({});
        setEndProgramHandler({});
        QDir::setCurrent(previousDir);
    }
    void create() {
        ASSERT_TRUE(createForms());
        modal.clear();
    }

    TMain_Form& mainForm() { return *forms().Main_Form; }
    TDialog1& input() { return *forms().Dialog1; }
    TForm1& additional() { return *forms().Form1; }
    DesignState& ds() { return designState(); }

    // Chooses a mode by the tool bar, answering the question with Yes.
    void chooseMode(QAction* button) {
        modal.answer(true);
        button->trigger();
    }

    // Presses a button of a dialog shown through the seam; returns its result.
    static int press(QDialog& d, const char* button) {
        QPushButton* b = d.findChild<QPushButton*>(QString::fromLatin1(button));
        EXPECT_NE(b, nullptr) << button;
        if (b)
            b->click();
        return d.result();
    }

    QTemporaryDir dir;
    QString previousDir;
    QChar separator = QChar(u'.');
    ScriptedModal modal;
};
