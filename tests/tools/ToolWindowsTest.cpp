// The tool windows through the modal seam: the φ / φe calculator, About and
// system information, the desk calculator.
#include "ScriptedModal.h"
#include "tools/DeskCalculator.h"
#include "tools/HelpContents.h"
#include "tools/HelpEngine.h"
#include "tools/SystemInfo.h"
#include "tools/TAboutForm.h"
#include "tools/TFormFi.h"
#include "tools/TInForm.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

std::string s(const QString& text) {
    return text.toStdString();
}

void leave(QWidget* field, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(field, &out);
}

// ---- φ / φe calculator -------------------------------------------------------

class FormFiTest : public ::testing::Test {
protected:
    ScriptedModal modal;
    TFormFi form;

    QString result() const { return form.RxFi->text(); }
    // The inputs of the φ mode, without the recomputation a change of code runs.
    void setFi(int code, const char* lambda, const char* ry) {
        const QSignalBlocker quiet(form.ComboBox2);
        form.ComboBox2->setCurrentIndex(code);
        form.MaskL->setText(QString::fromLatin1(lambda));
        form.MaskRy->setText(QString::fromLatin1(ry));
    }
};

TEST_F(FormFiTest, DefaultsGiveTheSnipValue) {
    EXPECT_EQ(s(result()), "0.8049"); // λ = 60, Ry = 240 MPa
    EXPECT_EQ(form.ComboBox1->currentIndex(), 0);
    EXPECT_EQ(form.ComboBox2->currentIndex(), 0);
    EXPECT_FALSE(form.ComboBox3->isEnabled());
    EXPECT_FALSE(form.LanX->isEnabled());
    EXPECT_FALSE(form.Mmef->isEnabled());
    EXPECT_TRUE(form.MaskL->isEnabled());
    EXPECT_TRUE(form.MaskRy->isEnabled());
    EXPECT_TRUE(modal.shown().empty());
}

TEST_F(FormFiTest, SpCodeEnablesTheCurveListAndRecomputes) {
    form.ComboBox2->setCurrentIndex(1);
    EXPECT_TRUE(form.ComboBox3->isEnabled());
    EXPECT_EQ(s(result()), "0.8715"); // curve type 1
    const char* byCurve[] = {"0.8715", "0.8188", "0.7359"};
    for (int curve = 2; curve >= 0; --curve) {
        form.ComboBox3->setCurrentIndex(curve);
        EXPECT_EQ(s(result()), byCurve[curve]) << curve;
    }
    form.ComboBox2->setCurrentIndex(0);
    EXPECT_FALSE(form.ComboBox3->isEnabled());
    EXPECT_EQ(s(result()), "0.8049");
}

TEST_F(FormFiTest, FieModesResetAndLockTheCode) {
    form.ComboBox2->setCurrentIndex(1); // SP, then a φe mode
    const struct {
        int mode;
        const char* m;
        const char* lambdaBar;
        const char* result;
    } cases[] = {
        {1, " 10.", " 2.75", "0.1150"},  // table 74, midway between rows 2.5 and 3.0
        {1, "  1.", " 0.5", "0.7220"},   // table 74 cell
        {2, "  1.", " 0.5", "0.5000"},   // table 75 cell
        {2, "  0.05", " 0.3", "0.9080"}, // clamped to the first row and column
    };
    for (const auto& c : cases) {
        form.Mmef->setText(QString::fromLatin1(c.m));
        form.LanX->setText(QString::fromLatin1(c.lambdaBar));
        form.ComboBox1->setCurrentIndex(c.mode);
        form.BitBtn1Click();
        EXPECT_EQ(s(result()), c.result) << c.mode << " m=" << c.m << " λ̄=" << c.lambdaBar;
        EXPECT_EQ(form.ComboBox2->currentIndex(), 0);
        for (QWidget* off : std::initializer_list<QWidget*>{form.ComboBox2, form.ComboBox3,
                                                            form.MaskL, form.MaskRy})
            EXPECT_FALSE(off->isEnabled()) << s(off->objectName());
        EXPECT_TRUE(form.Mmef->isEnabled());
        EXPECT_TRUE(form.LanX->isEnabled());
        form.ComboBox1->setCurrentIndex(0);
    }
    // Back to φ: the code stays SNiP and can be chosen again.
    EXPECT_EQ(form.ComboBox2->currentIndex(), 0);
    EXPECT_TRUE(form.ComboBox2->isEnabled());
    EXPECT_EQ(s(result()), "0.8049");
    EXPECT_TRUE(modal.shown().empty());
}

TEST_F(FormFiTest, LeavingAFieldRecomputes) {
    form.MaskL->setText(QStringLiteral("90 ."));
    form.MaskRy->setText(QStringLiteral("230"));
    // Focus taken by a message box or another window is not leaving the field.
    leave(form.MaskRy, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(s(result()), "0.8049");
    leave(form.MaskRy, Qt::MouseFocusReason);
    EXPECT_EQ(s(result()), "0.6243");
    form.MaskL->setText(QStringLiteral("150."));
    leave(form.MaskL);
    EXPECT_EQ(s(result()), "0.2874");

    form.ComboBox1->setCurrentIndex(1);
    form.Mmef->setText(QStringLiteral("  1."));
    form.LanX->setText(QStringLiteral(" 3."));
    leave(form.LanX);
    EXPECT_EQ(s(result()), "0.4250");
}

TEST_F(FormFiTest, TextThatDoesNotConvertKeepsThePreviousResult) {
    form.MaskRy->setText(QString());
    form.BitBtn1Click();
    EXPECT_EQ(s(result()), "0.8049");
    ASSERT_EQ(modal.texts(ScriptedModal::Kind::Error).size(), 1);
    EXPECT_TRUE(modal.texts(ScriptedModal::Kind::Error)[0].contains(QStringLiteral("«   »")));

    // A field the selected mode does not use never blocks its calculation.
    modal.clear();
    form.ComboBox1->setCurrentIndex(1);
    EXPECT_TRUE(modal.shown().empty());
    EXPECT_EQ(s(result()), "0.1180"); // m = 10, λ̄ = 2.5
}

TEST_F(FormFiTest, UndefinedPhiIsRejectedAndThePreviousResultKept) {
    const struct {
        int code;
        const char* lambda;
        const char* ry;
        const char* why;
    } rejected[] = {
        {0, "  0.", "240", "λ = 0, SNiP"},
        {0, "60 .", "  0", "Ry = 0, SNiP"},
        {1, "  0.", "240", "λ = 0, SP"},
        {1, "60 .", "  0", "Ry = 0, SP"},
        {0, "999.99", "999", "λ̄ = 69.6, beyond the pole of the SNiP formula"},
        {0, "731.6", "999", "λ̄ = 50.95, the SNiP formula gives φ > 1"},
    };
    for (const auto& c : rejected) {
        setFi(0, "60 .", "240");
        form.BitBtn1Click();
        ASSERT_EQ(s(result()), "0.8049");
        modal.clear();
        setFi(c.code, c.lambda, c.ry);
        form.BitBtn1Click();
        EXPECT_EQ(s(result()), "0.8049") << c.why;
        EXPECT_EQ(modal.texts(ScriptedModal::Kind::Inform).size(), 1u) << c.why;
    }
    // Far slenderness that the formula still covers is shown.
    modal.clear();
    setFi(0, "574.4", "999"); // λ̄ = 40.0: 332 / (40² · 11)
    form.BitBtn1Click();
    EXPECT_EQ(s(result()), "0.0189");
    EXPECT_TRUE(modal.shown().empty());
}

TEST_F(FormFiTest, LatticeTableGapIsReportedPlainly) {
    form.ComboBox1->setCurrentIndex(2);
    form.Mmef->setText(QStringLiteral("  1."));
    form.LanX->setText(QStringLiteral(" 0.5"));
    form.BitBtn1Click();
    ASSERT_EQ(s(result()), "0.5000");
    form.Mmef->setText(QStringLiteral("  5.5"));
    form.LanX->setText(QStringLiteral(" 9."));
    form.BitBtn1Click();
    EXPECT_EQ(s(result()), "0.5000");
    const QStringList texts = modal.texts(ScriptedModal::Kind::Inform);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("таблицы 75 СНиП II-23-81*"))) << s(texts[0]);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("m = 5.5"))) << s(texts[0]);
}

TEST(FormFiCreation, RunsTheStartUpCheckBeforeTheFirstResult) {
    int calls = 0;
    TFormFi::creationCheck = [&calls] {
        ++calls;
        return false;
    };
    {
        TFormFi refused;
        EXPECT_TRUE(refused.creationRefused());
        EXPECT_TRUE(refused.RxFi->text().isEmpty());
    }
    TFormFi::creationCheck = [&calls] {
        ++calls;
        return true;
    };
    {
        TFormFi passed;
        EXPECT_FALSE(passed.creationRefused());
        EXPECT_EQ(s(passed.RxFi->text()), "0.8049");
    }
    TFormFi::creationCheck = nullptr;
    EXPECT_EQ(calls, 2);
}

// ---- About and system information --------------------------------------------

class FixedSystem : public SystemInfoSource {
public:
    SystemFacts system() const override {
        SystemFacts f;
        f.memoryLoad = 45;
        f.totalMemoryBytes = 4096ull * 1024 * 1024;
        f.osVersion = QStringLiteral("6.1.0.0");
        f.platform = QStringLiteral("Linux (Debian GNU/Linux 12 (bookworm))");
        f.osFolder = QStringLiteral("/usr");
        f.systemFolder = QStringLiteral("/usr/lib/x86_64-linux-gnu");
        f.currentFolder = QStringLiteral("/home/engineer/trusses");
        f.computerName = QStringLiteral("workstation");
        f.userName = QStringLiteral("engineer");
        return f;
    }
    QList<VolumeFacts> volumes() const override {
        return {volume(QStringLiteral("/")), volume(QStringLiteral("/media/floppy"))};
    }
    VolumeFacts volume(const QString& root) const override {
        VolumeFacts v;
        v.rootPath = root;
        if (root == QLatin1String("/")) {
            v.kind = DriveKind::Fixed;
            v.totalBytes = 1234567890;
            v.freeBytes = 987654;
            v.name = QStringLiteral("root");
            v.serial = 0x00ABCDEF;
        } else {
            v.kind = DriveKind::Removable; // no medium
        }
        return v;
    }
};

class SystemInfoWindowTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = setSystemInfoSource(&fixed_); }
    void TearDown() override { setSystemInfoSource(previous_); }

    QStringList column1(const QTableWidget* grid) const {
        QStringList values;
        for (int row = 1; row <= grid->rowCount(); ++row)
            values << TInForm::cell(grid, 1, row);
        return values;
    }

    // A text with "," standing for the regional thousands separator.
    static QString grouped(const char* text) {
        return QString::fromLatin1(text).replace(QLatin1Char(','), regionalGroupSeparator());
    }

    FixedSystem fixed_;
    const SystemInfoSource* previous_ = nullptr;
};

TEST_F(SystemInfoWindowTest, ShowsTheGatheredFacts) {
    TInForm info;
    EXPECT_EQ(info.PageControl1->currentWidget(), info.TabSheet1);
    EXPECT_EQ(s(TInForm::cell(info.StringSysGrid, 0, 0)), "Ресурс");
    EXPECT_EQ(s(TInForm::cell(info.StringSysGrid, 1, 0)), "Значение");
    EXPECT_EQ(
        column1(info.StringSysGrid),
        QStringList({QStringLiteral("45%"), grouped("4,194,304 Kb"), QStringLiteral("6.1.0.0"),
                     QStringLiteral("Linux (Debian GNU/Linux 12 (bookworm))"),
                     QStringLiteral("/usr"), QStringLiteral("/usr/lib/x86_64-linux-gnu"),
                     QStringLiteral("/home/engineer/trusses"), QStringLiteral("workstation"),
                     QStringLiteral("engineer")}));
    EXPECT_EQ(recordedSystemFacts().computerName, QStringLiteral("workstation"));

    EXPECT_EQ(info.DriveComboBox1->count(), 2);
    EXPECT_EQ(s(info.DriveComboBox1->itemText(0)), "/ [root]");
    EXPECT_EQ(column1(info.StringGrid1),
              QStringList({grouped("1,234,567,890 bytes"), grouped("987,654 bytes"),
                           QStringLiteral("root"), QStringLiteral("ABCD-EF"),
                           QStringLiteral("Жестский диск")}));

    info.DriveComboBox1->setCurrentIndex(1); // a drive without a medium
    EXPECT_EQ(column1(info.StringGrid1),
              QStringList({QStringLiteral("0 bytes"), QStringLiteral("0 bytes"), QString(),
                           QStringLiteral("0-"), QStringLiteral("Дисковод")}));
}

TEST_F(SystemInfoWindowTest, AboutOpensSystemInformationOnlyWhenLeftWithCancel) {
    TAboutForm about;
    TInForm info;
    const struct {
        const char* how;
        ScriptedModal::DialogAction leave;
        bool systemInfoShown;
    } cases[] = {
        {"OK",
         [](QDialog& d) {
             static_cast<TAboutForm&>(d).BitBtn1->click();
             return d.result();
         },
         false},
        {"Системная информация",
         [](QDialog& d) {
             static_cast<TAboutForm&>(d).BitBtn2->click();
             return d.result();
         },
         true},
        {"title-bar close box",
         [](QDialog& d) {
             d.show();
             d.close();
             return d.result();
         },
         true},
    };
    for (const auto& c : cases) {
        ScriptedModal modal;
        modal.onDialog(QStringLiteral("TAboutForm"), c.leave);
        if (c.systemInfoShown)
            modal.onDialog(QStringLiteral("TInForm"), acceptDialog);
        showAbout(about, info);
        const QStringList expected =
            c.systemInfoShown ? QStringList{QStringLiteral("TAboutForm"), QStringLiteral("TInForm")}
                              : QStringList{QStringLiteral("TAboutForm")};
        EXPECT_EQ(modal.dialogs(), expected) << c.how;
    }
}

TEST(AboutWindow, NamesTheVersionAndTheDesignCode) {
    TAboutForm about;
    EXPECT_EQ(s(about.windowTitle()), "О программе...");
    EXPECT_EQ(s(about.Label2->text()), "Kelvor - v.7.1.0.0");
    const QStringList lines = about.Memo1->toPlainText().split(QLatin1Char('\n'));
    const int at = int(lines.indexOf(QStringLiteral("Расчет производится в соответствии со ")));
    ASSERT_GE(at, 0);
    EXPECT_EQ(s(lines.value(at + 1)), "СНиП II-23-81* \"Стальные конструкции\"");
}

// ---- Help ---------------------------------------------------------------------

TEST(ToolWindowsHelp, F1OpensTheWindowsTopic) {
    TFormFi fi;
    TAboutForm about;
    const struct {
        QWidget* window;
        int context;
    } cases[] = {{&fi, 14}, {&about, 19}};
    for (const auto& c : cases) {
        QShortcut* f1 = nullptr;
        for (QShortcut* shortcut : c.window->findChildren<QShortcut*>())
            if (shortcut->key() == QKeySequence(Qt::Key_F1))
                f1 = shortcut;
        ASSERT_NE(f1, nullptr) << s(c.window->objectName());
        emit f1->activated();
        ASSERT_NE(HelpEngine::window(), nullptr);
        EXPECT_FALSE(helpTopicForContext(c.context).isEmpty());
        EXPECT_EQ(HelpEngine::window()->currentTopicId(), helpTopicForContext(c.context))
            << c.context;
    }
    delete HelpEngine::window();
}

// ---- Desk calculator -----------------------------------------------------------

TEST(DeskCalculatorWindow, ButtonsAndKeyboard) {
    DeskCalculator calc;
    for (const char* caption : {"1", "2", "+", "3"})
        calc.button(QString::fromUtf8(caption))->click();
    EXPECT_EQ(s(calc.pendingText()), "12 +");
    calc.button(QStringLiteral("="))->click();
    EXPECT_EQ(s(calc.displayText()), "15");

    const struct {
        int key;
        const char* text;
    } keys[] = {
        {Qt::Key_7, "7"}, {Qt::Key_Asterisk, "*"}, {Qt::Key_6, "6"}, {Qt::Key_Return, "\r"}};
    for (const auto& k : keys) {
        QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier, QString::fromLatin1(k.text));
        QCoreApplication::sendEvent(&calc, &press);
    }
    EXPECT_EQ(s(calc.displayText()), "42");
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
    QCoreApplication::sendEvent(&calc, &backspace);
    EXPECT_EQ(s(calc.displayText()), "-42");
}

TEST(DeskCalculatorWindow, OpensModallyWithNothingPassed) {
    ScriptedModal modal;
    modal.onDialog(QStringLiteral("DeskCalculator"), [](QDialog& d) {
        EXPECT_EQ(s(static_cast<DeskCalculator&>(d).displayText()), "0");
        return acceptDialog(d);
    });
    showDeskCalculator(nullptr);
    EXPECT_EQ(modal.dialogs(), QStringList{QStringLiteral("DeskCalculator")});
}

} // namespace
