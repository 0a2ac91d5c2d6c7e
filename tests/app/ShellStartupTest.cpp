#include "app/PointForm.h"
#include "ShellFixture.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QToolBar>

namespace {

TEST_F(ShellTest, DecimalCommaAtStartShowsTheWarningAndEndsAfterTheContentsFileIsWritten) {
    separator = QChar(u',');
    modal.always(QStringLiteral("TFPoint"), acceptDialog);
    EXPECT_FALSE(createForms());
    EXPECT_TRUE(programEnding());
    EXPECT_EQ(modal.dialogs(), QStringList{QStringLiteral("TFPoint")});
    EXPECT_TRUE(QFile::exists(QStringLiteral("Kelvor.CNT")));
    EXPECT_EQ(forms().FPoint->windowTitle(), QStringLiteral("Внимание!"));
}

TEST_F(ShellTest, DecimalPointStartsWithoutAWindow) {
    create();
    EXPECT_FALSE(programEnding());
    EXPECT_TRUE(modal.shown().empty());
    EXPECT_EQ(mainForm().windowTitle(),
              QStringLiteral("Подбор сечений центрально-нагруженных стальных элементов"));
}

TEST_F(ShellTest, ExistingContentsFileIsLeftUntouchedAtStart) {
    {
        QFile file(QStringLiteral("Kelvor.CNT"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    create();
    QFile file(QStringLiteral("Kelvor.CNT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
}

TEST_F(ShellTest, DecimalCommaAtAnInputStepEndsTheProgramBeforeAnyInput) {
    create();
    chooseMode(mainForm().HandButton);
    separator = QChar(u',');
    modal.always(QStringLiteral("TFPoint"), acceptDialog);
    mainForm().StraingButtonClick();
    EXPECT_TRUE(programEnding());
    EXPECT_EQ(modal.dialogs(), QStringList{QStringLiteral("TFPoint")});
    EXPECT_TRUE(ds().NewProject);
    EXPECT_EQ(ds().Nforce, 0.0);
}

TEST_F(ShellTest, StartStateHasNoModeAndTheStepBarHidden) {
    create();
    TMain_Form& m = mainForm();
    EXPECT_FALSE(m.stepBarShown());
    EXPECT_FALSE(m.HandButton->isChecked());
    EXPECT_FALSE(m.AutoButton->isChecked());
    EXPECT_FALSE(m.N14->isChecked());
    EXPECT_FALSE(m.N15->isChecked());
    for (QAction* a : {m.N17, m.N12, m.N13, m.N18})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : {m.N9, m.N10, m.N11, m.N16, m.StraingButton, m.GammaNButton})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(m.N8510861->isEnabled());
    EXPECT_FALSE(m.N3024520031->isEnabled());
    EXPECT_EQ(m.N23->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(m.N8->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    EXPECT_EQ(m.StatusPanels[1]->text(), QStringLiteral("01/11/2010"));
    EXPECT_EQ(additional().gridRows(), 22);
}

// ---- Modes by the tool bar ----------------------------------------------------

enum class Mode { None, Hand, Auto };

struct ModeCase {
    const char* name;
    Mode before;
    Mode clicked;
    bool yes;
    Mode after; // the button down afterwards
    bool barShown;
    bool n17Enabled;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << c.name;
}

class ModeQuestionTest : public ShellTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeQuestionTest, AsksAndFollowsTheAnswer) {
    const ModeCase& c = GetParam();
    create();
    TMain_Form& m = mainForm();
    if (c.before != Mode::None)
        chooseMode(c.before == Mode::Hand ? m.HandButton : m.AutoButton);
    DesignState& s = ds();
    s.NewProject = false;
    s.AppendReport = true;
    s.RezAction = RezNothing;
    modal.clear();

    modal.answer(c.yes);
    (c.clicked == Mode::Hand ? m.HandButton : m.AutoButton)->trigger();

    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Ask),
              QStringList{QStringLiteral("Вы уверены, что хотите начать расчет сначала? "
                                         "Результаты расчета при этом будут записаны в новый "
                                         "файл.")});
    EXPECT_EQ(m.HandButton->isChecked(), c.after == Mode::Hand);
    EXPECT_EQ(m.AutoButton->isChecked(), c.after == Mode::Auto);
    EXPECT_EQ(m.stepBarShown(), c.barShown);
    EXPECT_EQ(m.N17->isEnabled(), c.n17Enabled);
    // Yes starts a new calculation; No changes no flag.
    EXPECT_EQ(s.NewProject, c.yes);
    EXPECT_EQ(s.AppendReport, !c.yes);
    EXPECT_EQ(s.RezAction, c.yes ? RezNextMember : RezNothing);
    if (c.yes) {
        EXPECT_FALSE(m.enabledByWorkflow(m.GammaNButton));
        EXPECT_FALSE(m.enabledByWorkflow(m.RunButton));
        EXPECT_FALSE(m.N12->isEnabled());
        EXPECT_FALSE(m.N13->isEnabled());
        for (int tab = 0; tab < 5; ++tab)
            EXPECT_FALSE(additional().tabShown(tab));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModeQuestionTest,
    ::testing::Values(
        ModeCase{"HandYes", Mode::None, Mode::Hand, true, Mode::Hand, true, true},
        ModeCase{"AutoYes", Mode::None, Mode::Auto, true, Mode::Auto, true, true},
        ModeCase{"HandNoFromAuto", Mode::Auto, Mode::Hand, false, Mode::None, false, true},
        ModeCase{"AutoNoFromHand", Mode::Hand, Mode::Auto, false, Mode::None, false, true},
        ModeCase{"HandNoFromNone", Mode::None, Mode::Hand, false, Mode::None, false, false},
        ModeCase{"AutoYesFromHand", Mode::Hand, Mode::Auto, true, Mode::Auto, true, true},
        // clicked while down: released, so no mode and no step bar
        ModeCase{"HandAgainYes", Mode::Hand, Mode::Hand, true, Mode::None, false, false},
        ModeCase{"AutoAgainYes", Mode::Auto, Mode::Auto, true, Mode::None, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, StepByStepAndAutomaticConfigureTheOtherWindows) {
    create();
    TMain_Form& m = mainForm();
    TForm1& f = additional();
    chooseMode(m.AutoButton);
    EXPECT_TRUE(m.N15->isChecked());
    EXPECT_TRUE(input().AutoBut4->isChecked());
    EXPECT_EQ(f.gridRows(), 21);
    EXPECT_TRUE(f.Stal20->isEnabled());
    EXPECT_TRUE(f.G2AF->isEnabled());
    EXPECT_TRUE(m.N8509931->isVisible());
    f.G2AF->setChecked(true);

    chooseMode(m.HandButton);
    EXPECT_TRUE(m.N14->isChecked());
    EXPECT_TRUE(input().HandBut3->isChecked());
    EXPECT_EQ(f.gridRows(), 19);
    EXPECT_FALSE(f.Stal20->isEnabled());
    EXPECT_FALSE(f.G2AF->isEnabled());
    EXPECT_TRUE(f.RadioButton10->isChecked());
    for (QAction* a : {m.N362287801, m.N26020833, m.N26020832, m.N26020831, m.NTrubaDef,
                       m.NTrubaSvar1, m.NTrubaSvar0, m.N8509931})
        EXPECT_FALSE(a->isVisible()) << a->objectName().toStdString();
}

TEST_F(ShellTest, MenuModeSwitchAsksNothingAndStartsNoNewCalculation) {
    create();
    TMain_Form& m = mainForm();
    chooseMode(m.HandButton);
    ds().NewProject = false;
    ds().AppendReport = true;
    modal.clear();

    m.N15->trigger(); // an unscripted question would fail the test
    EXPECT_TRUE(m.AutoButton->isChecked());
    EXPECT_FALSE(m.HandButton->isChecked());
    EXPECT_TRUE(m.N15->isChecked());
    EXPECT_TRUE(m.stepBarShown());
    EXPECT_TRUE(m.N17->isEnabled());
    EXPECT_FALSE(ds().NewProject);
    EXPECT_TRUE(ds().AppendReport);
    // the configuration of the last False_Window stays: step-by-step rows and items
    EXPECT_EQ(additional().gridRows(), 19);
    EXPECT_FALSE(m.N8509931->isVisible());

    m.N14->trigger();
    EXPECT_TRUE(m.HandButton->isChecked());
    EXPECT_FALSE(m.AutoButton->isChecked());
    EXPECT_TRUE(m.N14->isChecked());
    EXPECT_TRUE(modal.texts(ScriptedModal::Kind::Ask).isEmpty());
}

TEST_F(ShellTest, ModeRadioButtonsOfTheInputDialogReconfigureEvenWhenCancelled) {
    create();
    chooseMode(mainForm().HandButton);
    modal.onDialog(QStringLiteral("TDataNew"), acceptDialog);
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        static_cast<TDialog1&>(d).AutoBut4->click();
        return press(d, "BitBtn2");
    });
    mainForm().StraingButtonClick();
    EXPECT_EQ(additional().gridRows(), 21);
    EXPECT_TRUE(mainForm().N8509931->isVisible());
    EXPECT_TRUE(mainForm().HandButton->isChecked()); // the tool bar mode is unchanged
}

} // namespace
