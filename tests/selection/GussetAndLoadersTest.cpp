// The gusset step in both modes, the catalogue loaders, and the main window's
// tool commands, through the modal seam.
#include "../app/ShellFixture.h"
#include "catalogue/Loaders.h"
#include "catalogue/TForm2.h"
#include "catalogue/TRyNewForm.h"
#include "common/StringGrid.h"
#include "report/TTextDialog.h"
#include "selection/TFasonka.h"
#include "selection/TFormSortV.h"
#include "tools/HelpContents.h"
#include "tools/HelpEngine.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>

namespace {

class GussetTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        create();
    }
    // Picks the band row with thickness `t` in the gusset window.
    static ScriptedModal::DialogAction pick(int t) {
        return [t](QDialog& d) {
            auto& g = static_cast<TFasonka&>(d);
            for (int r = 1; r < g.FasGrid->rowCount(); ++r)
                if (g.FasGrid->cell(1, r) == QString::number(t))
                    g.FasGrid->setRow(r);
            return acceptDialog(d);
        };
    }
};

TEST_F(GussetTest, StepByStepAcceptsOnlyTheBandOfTheForce) {
    const struct {
        double force;
        int wrong, right;
    } cases[] = {{150, 8, 6}, {150.01, 6, 8}, {151, 10, 8}, {2000, 18, 20}};
    mainForm().HandButton->setChecked(true);
    ds().SechType = SechEqualAnglesT;
    for (const auto& c : cases) {
        modal.clear();
        ds().Nforce = c.force;
        modal.onDialog(QStringLiteral("TFasonka"), pick(c.wrong));
        modal.onDialog(QStringLiteral("TFasonka"), pick(c.right));
        mainForm().Fas_Change();
        EXPECT_EQ(ds().Tfas, c.right) << c.force;
        EXPECT_EQ(modal.texts(ScriptedModal::Kind::Inform),
                  QStringList{"Толщина фасонки выбрана неправильно!"});
        EXPECT_EQ(modal.dialogs().size(), 2);
    }
    // Both equal-angle grids get the pair radius for the same gusset.
    EXPECT_EQ(forms().Form2->StringGrid1->cell(9, 0), QStringLiteral("iy2 (tf=20), см"));
    EXPECT_EQ(forms().Form2->StringGrid7->cell(9, 0), QStringLiteral("iy2 (tf=20), см"));
    EXPECT_FALSE(forms().Form2->StringGrid7->cell(9, 121).isEmpty());
}

TEST_F(GussetTest, LatticeForceSetsTheBandAndTheCaption) {
    mainForm().HandButton->setChecked(true);
    ds().SechType = SechUnequalAnglesShortLegs;
    ds().Nforce = 100;
    input().CheckBox1->setChecked(true);
    input().StrangeRas->setText(QStringLiteral(" 1200.00"));
    modal.onDialog(QStringLiteral("TFasonka"), [](QDialog& d) {
        EXPECT_EQ(static_cast<TFasonka&>(d).StaticText1->text(),
                  QStringLiteral(" Максимальное усилие в стержнях решетки 1200.00 кН"));
        return pick(16)(d);
    });
    mainForm().Fas_Change();
    EXPECT_EQ(ds().Tfas, 16);
    EXPECT_EQ(forms().Form2->StringGrid2->cell(11, 0), QStringLiteral("ix2 (tf=16), см"));
}

TEST_F(GussetTest, AutomaticModeTakesTheGussetWithoutAWindow) {
    mainForm().AutoButton->setChecked(true);
    ds().Nforce = 700;
    ds().SechType = SechUnequalAnglesLongLegs;
    mainForm().Fas_Change();
    EXPECT_EQ(ds().Tfas, 14);
    EXPECT_TRUE(modal.dialogs().isEmpty());
    EXPECT_EQ(forms().Form2->StringGrid2->cell(11, 0), QStringLiteral("iy2 (tf=14), см"));
    ds().Nforce = 250;
    ds().SechType = SechUnequalAnglesShortLegs;
    mainForm().Fas_Change();
    EXPECT_EQ(forms().Form2->StringGrid2->cell(11, 0), QStringLiteral("ix2 (tf=8), см"));
}

TEST_F(GussetTest, LoadersPrepareTheCatalogueWindow) {
    TForm2& f = *forms().Form2;
    ds().Lx = 3000;
    ds().Ly = 6000;
    ds().Gibkost = 90;
    input().RadioButton2->setChecked(true); // compression
    LoadTavrB();
    EXPECT_EQ(f.StringGrid3->rowCount(), 24);
    EXPECT_EQ(f.StringGrid3->cell(0, 1), QStringLiteral("10БT1"));
    EXPECT_EQ(f.StringGrid3->cell(0, 23), QStringLiteral("50БT4"));
    EXPECT_EQ(f.PageControl->tabText(2), QStringLiteral("Тавры балочные по ГОСТ 26020 - 83"));
    EXPECT_EQ(f.StaticText7->text(), QStringLiteral("ix, тр = 3.333 см"));
    EXPECT_EQ(f.Label5->text(), QStringLiteral("iy, тр = 6.667 см"));
    EXPECT_TRUE(mainForm().TavrButton->isEnabled());
    EXPECT_FALSE(mainForm().FasonkaButton->isEnabled());
    LoadTavrK();
    EXPECT_EQ(f.StringGrid3->rowCount(), 16);
    EXPECT_EQ(f.StringGrid3->cell(0, 1), QStringLiteral("10KT1"));
    EXPECT_EQ(f.StringGrid3->cell(0, 15), QStringLiteral("20KT5"));
    LoadTavrSh();
    EXPECT_EQ(f.StringGrid3->rowCount(), 15); // 14: three wide-flange tees have no data
    // Tension: the radii follow the limit slenderness.
    input().RadioButton1->setChecked(true);
    ds().LandaU = 400;
    ds().Lx = 6000;
    LoadRound();
    EXPECT_EQ(f.StaticText8->text(), QStringLiteral("ix, тр = 1.500 см"));
    EXPECT_EQ(ds().SechType, SechPipe);
    EXPECT_EQ(ds().CurveType, 1);
    LoadUgol1();
    EXPECT_TRUE(mainForm().FasonkaButton->isEnabled());
    EXPECT_TRUE(mainForm().Ugol1Button->isEnabled());
    EXPECT_FALSE(mainForm().RoundButton->isEnabled());
    EXPECT_TRUE(f.Label1->isVisibleTo(&f));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(f.PageControl->isTabVisible(i), i == 0);
    LoadProf1();
    EXPECT_FALSE(mainForm().FasonkaButton->isEnabled());
    EXPECT_EQ(ds().SechType, SechSquareHollow);
}

// Every tool command of the main window opens its window.
TEST_F(GussetTest, ToolCommandsOpenTheirWindows) {
    const struct {
        const char* command;
        const char* window;
    } cases[] = {{"ButtonCalc", "DeskCalculator"},
                 {"N19", "DeskCalculator"},
                 {"ToolFi", "TFormFi"},
                 {"Fi1", "TFormFi"}};
    for (const auto& c : cases) {
        modal.clear();
        modal.onDialog(QString::fromLatin1(c.window), rejectDialog);
        QAction* a = mainForm().findChild<QAction*>(QString::fromLatin1(c.command));
        ASSERT_NE(a, nullptr) << c.command;
        EXPECT_TRUE(a->isEnabled()) << c.command;
        a->trigger();
        EXPECT_EQ(modal.dialogs(), QStringList{c.window}) << c.command;
    }
    // About: closed with OK, no system information; with "Системная информация" it follows.
    modal.clear();
    modal.onDialog(QStringLiteral("TAboutForm"), acceptDialog);
    mainForm().ToolButton3->trigger();
    EXPECT_EQ(modal.dialogs(), QStringList{"TAboutForm"});
    modal.clear();
    modal.onDialog(QStringLiteral("TAboutForm"), rejectDialog);
    modal.onDialog(QStringLiteral("TInForm"), acceptDialog);
    mainForm().N7->trigger();
    EXPECT_EQ(modal.dialogs(), QStringList({"TAboutForm", "TInForm"}));
}

} // namespace

namespace {

// F1 in each window of the selection opens the help topic of its context.
TEST_F(GussetTest, F1OpensTheTopicOfEachSelectionWindow) {
    const struct {
        QWidget* window;
        int context;
    } cases[] = {{forms().FormSortV, 6},
                 {forms().Fasonka, 7},
                 {forms().Form2, 8},
                 {forms().RyNewForm, 9},
                 {forms().TextDialog, 10}};
    for (const auto& c : cases) {
        QShortcut* f1 = nullptr;
        for (QShortcut* shortcut : c.window->findChildren<QShortcut*>())
            if (shortcut->key() == QKeySequence(Qt::Key_F1))
                f1 = shortcut;
        ASSERT_NE(f1, nullptr) << c.window->objectName().toStdString();
        emit f1->activated();
        ASSERT_NE(HelpEngine::window(), nullptr);
        EXPECT_EQ(HelpEngine::window()->currentTopicId(), helpTopicForContext(c.context))
            << c.context;
    }
}

} // namespace
