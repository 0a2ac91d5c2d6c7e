// The whole road of a member through both modes, headless through the modal
// seam: passport, member input, additional data, section type, gusset,
// catalogue, the check after selection, the results window.
#include "../app/ShellFixture.h"
#include "catalogue/TForm2.h"
#include "catalogue/TRyNewForm.h"
#include "common/StringGrid.h"
#include "report/TTextDialog.h"
#include "selection/TFasonka.h"
#include "selection/TFormSortV.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

class SelectionWorkflowTest : public ShellTest {
protected:
    // Passport and member input for the first member (compression unless
    // `tension`), then the additional data (γc, steel) closed with OK.
    void enterMember(const char* force, bool tension = false, const char* steel = "RadioButton11",
                     bool gammaC095 = false) {
        modal.onDialog(QStringLiteral("TDataNew"), acceptDialog);
        modal.onDialog(QStringLiteral("TDialog1"), [=](QDialog& d) {
            auto& in = static_cast<TDialog1&>(d);
            in.Nazvan->setText(QStringLiteral("В1"));
            in.Strange->setText(QString::fromUtf8(force));
            in.Lenght->setText(QStringLiteral(" 3000.0 "));
            in.Mx->setText(QStringLiteral("1.0  "));
            in.My->setText(QStringLiteral("1.0  "));
            (tension ? in.RadioButton1 : in.RadioButton2)->setChecked(true);
            return press(d, "BitBtn1");
        });
        mainForm().StraingButtonClick();
        modal.onDialog(QStringLiteral("TForm1"), [=](QDialog& d) {
            auto& f = static_cast<TForm1&>(d);
            f.findChild<QRadioButton*>(QString::fromLatin1(steel))->setChecked(true);
            if (gammaC095)
                f.RadioButton7->setChecked(true);
            return press(d, "BitBtn1");
        });
        mainForm().RyButtonClick();
    }

    TForm2& catalogue() { return *forms().Form2; }

    // The first row of a grid whose automatic verdicts are both favourable
    // (clicking rows as the user would), or 0.
    static int firstPassingRow(TForm2& f, StringGrid* g) {
        for (int r = 1; r < g->rowCount(); ++r) {
            g->setRow(r);
            emit g->rowClicked();
            if (f.StatusPanel0->text().startsWith(QStringLiteral("Недонаряжение")) &&
                f.StatusPanel1->text().startsWith(QStringLiteral("Недонапряжение")))
                return r;
        }
        return 0;
    }

    // The row of the equal-angle grid with leg `b` and thickness `t`.
    static int angleRow(StringGrid* g, const char* b, const char* t) {
        for (int r = 1; r < g->rowCount(); ++r)
            if (g->cell(0, r) == QLatin1String(b) && g->cell(1, r) == QLatin1String(t))
                return r;
        return 0;
    }
};

// Step-by-step: paired equal angles, a wrong then the right gusset, a failing
// row answered "Yes", a passing row, the results.
TEST_F(SelectionWorkflowTest, StepByStepPairOfEqualAngles) {
    create();
    chooseMode(mainForm().HandButton);
    enterMember("  250.00");
    ASSERT_TRUE(mainForm().SechenButton->isEnabled());
    modal.clear();

    modal.onDialog(QStringLiteral("TFormSortV"), [](QDialog& d) {
        auto& c = static_cast<TFormSortV&>(d);
        EXPECT_FALSE(c.BitBtn5->isEnabled()); // only the four angle buttons
        EXPECT_TRUE(c.BitBtn4->isEnabled());
        c.BitBtn1->click();
        return d.result();
    });
    // F = 250 kN: only the 8 mm row is right.
    modal.onDialog(QStringLiteral("TFasonka"), [](QDialog& d) {
        auto& g = static_cast<TFasonka&>(d);
        EXPECT_EQ(g.StaticText1->text(),
                  QStringLiteral(" Максимальное усилие в стержне 250.00 кН"));
        g.FasGrid->setRow(3); // 10 mm
        return acceptDialog(d);
    });
    modal.onDialog(QStringLiteral("TFasonka"), [](QDialog& d) {
        static_cast<TFasonka&>(d).FasGrid->setRow(2); // 8 mm
        return acceptDialog(d);
    });
    // The smallest pair fails the stability check; "Yes" selects again.
    modal.onDialog(QStringLiteral("TForm2"), [this](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        EXPECT_TRUE(f.PageControl->isTabVisible(0));
        EXPECT_EQ(f.StringGrid1->cell(9, 0), QStringLiteral("iy2 (tf=8), см"));
        EXPECT_TRUE(f.StaticText1->text().startsWith(QStringLiteral("Aтр. уголка = ")));
        EXPECT_TRUE(f.StatusPanel0->text().isEmpty());
        f.StringGrid1->setRow(1);
        f.BitOk->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TRyNewForm"), acceptDialog);
    modal.answer(true);
    int passing = 0;
    modal.onDialog(QStringLiteral("TForm2"), [&](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        passing = angleRow(f.StringGrid1, "125", "10");
        f.StringGrid1->setRow(passing);
        f.BitOk->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TRyNewForm"), acceptDialog);
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        auto& r = static_cast<TTextDialog&>(d);
        EXPECT_EQ(r.Label25->text(), QStringLiteral("Проверка устойчивости:"));
        EXPECT_FALSE(r.Label26->text().isEmpty());
        EXPECT_TRUE(r.Label27->text().isEmpty());
        r.BitBtn4->click(); // "Отмена"
        return d.result();
    });
    mainForm().SechenButtonClick();

    EXPECT_EQ(modal.dialogs(), QStringList({"TFormSortV", "TFasonka", "TFasonka", "TForm2",
                                            "TRyNewForm", "TForm2", "TRyNewForm", "TTextDialog"}));
    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Inform),
              QStringList{"Толщина фасонки выбрана неправильно!"});
    const QStringList asked = modal.texts(ScriptedModal::Kind::Ask);
    ASSERT_EQ(asked.size(), 1) << asked.join(" | ").toStdString();
    EXPECT_TRUE(asked[0].startsWith(
        QStringLiteral("Условие устойчивости не выполняется! ПЕРЕНАПРЯЖЕНИЕ ")));
    EXPECT_EQ(ds().Tfas, 8);
    EXPECT_EQ(ds().SechName.str(), QStringLiteral("125 x 10"));
    EXPECT_TRUE(ds().SortOk);
    EXPECT_EQ(ds().RezAction, RezNothing);
    EXPECT_TRUE(mainForm().RunButton->isEnabled());
    EXPECT_TRUE(mainForm().Ugol1Button->isEnabled());
    EXPECT_TRUE(mainForm().FasonkaButton->isEnabled());
    EXPECT_FALSE(mainForm().TavrButton->isEnabled());

    // "Результаты расчета..." opens the same results again.
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        EXPECT_TRUE(
            static_cast<TTextDialog&>(d).Label18->text().endsWith(QStringLiteral("125 x 10")));
        return static_cast<TTextDialog&>(d).BitBtn4->click(), d.result();
    });
    mainForm().RunButton->trigger();
    EXPECT_EQ(modal.dialogs().last(), QStringLiteral("TTextDialog"));
}

struct AutoCase {
    const char* name;
    const char* chooserButton;
    int sechType;
    int curveType;
    int tab;
    bool tension;
};

void PrintTo(const AutoCase& c, std::ostream* os) {
    *os << c.name;
}

class AutomaticTypesTest : public SelectionWorkflowTest,
                           public ::testing::WithParamInterface<AutoCase> {};

// The automatic mode with each section type: the chooser, a passing row found
// by its verdicts, no question, the results.
TEST_P(AutomaticTypesTest, SelectsAPassingSection) {
    const AutoCase& c = GetParam();
    create();
    chooseMode(mainForm().AutoButton);
    enterMember("  180.00", c.tension);
    modal.clear();
    modal.onDialog(QStringLiteral("TFormSortV"), [&c](QDialog& d) {
        auto* b = d.findChild<QToolButton*>(QString::fromLatin1(c.chooserButton));
        EXPECT_TRUE(b->isEnabled());
        b->click();
        return d.result();
    });
    int taken = 0;
    modal.onDialog(QStringLiteral("TForm2"), [&](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        EXPECT_EQ(f.PageControl->currentIndex(), c.tab);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(f.PageControl->isTabVisible(i), i == c.tab);
        taken = firstPassingRow(f, f.activeGrid());
        EXPECT_GT(taken, 0);
        f.BitOk->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        return static_cast<TTextDialog&>(d).BitBtn4->click(), d.result();
    });
    mainForm().SechenButtonClick();
    EXPECT_EQ(ds().SechType, c.sechType);
    EXPECT_EQ(ds().CurveType, c.curveType);
    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Ask), QStringList());
    EXPECT_EQ(modal.dialogs().last(), QStringLiteral("TTextDialog"));
    EXPECT_FALSE(mainForm().FasonkaButton->isEnabled()); // automatic: no gusset button
    EXPECT_LE(ds().Sigma, ds().Ry * ds().GammaC);
    if (c.sechType == SechEqualAnglesT || c.sechType == SechUnequalAnglesShortLegs ||
        c.sechType == SechUnequalAnglesLongLegs) {
        EXPECT_EQ(ds().Tfas, 8); // 180 kN, no window
    }
}

INSTANTIATE_TEST_SUITE_P(Types, AutomaticTypesTest,
                         ::testing::Values(AutoCase{"EqualT", "BitBtn1", 1, 3, 0, false},
                                           AutoCase{"EqualCross", "BitBtn2", 2, 2, 0, false},
                                           AutoCase{"UnequalShort", "BitBtn3", 3, 3, 1, false},
                                           AutoCase{"UnequalLong", "BitBtn4", 4, 3, 1, true},
                                           AutoCase{"TeesAll", "BitBtn5", 5, 3, 2, false},
                                           AutoCase{"TeesBeam", "BitBtn11", 5, 3, 2, true},
                                           AutoCase{"TeesColumn", "BitBtn12", 5, 3, 2, false},
                                           AutoCase{"TeesWide", "BitBtn13", 5, 3, 2, false},
                                           AutoCase{"Square", "BitBtn6", 6, 1, 4, false},
                                           AutoCase{"RectUpright", "BitBtn7", 7, 1, 5, false},
                                           AutoCase{"RectTurned", "BitBtn8", 8, 1, 5, true},
                                           AutoCase{"Pipes", "BitBtn9", 9, 1, 3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct VariantCase {
    const char* name;
    const char* item;
    int variant;
    int rows; // data rows of the grid shown
    const char* caption;
};

void PrintTo(const VariantCase& c, std::ostream* os) {
    *os << c.name;
}

class PipeVariantTest : public SelectionWorkflowTest,
                        public ::testing::WithParamInterface<VariantCase> {};

TEST_P(PipeVariantTest, TheDropDownChoosesTheCatalogue) {
    const VariantCase& c = GetParam();
    create();
    chooseMode(mainForm().AutoButton);
    enterMember("  180.00");
    modal.onDialog(QStringLiteral("TForm2"), [&](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        EXPECT_EQ(f.PageControl->tabText(3), QString::fromUtf8(c.caption));
        EXPECT_EQ(f.pipeGrid()->rowCount() - 1, c.rows);
        EXPECT_TRUE(f.pipeGrid()->isVisibleTo(&f));
        firstPassingRow(f, f.pipeGrid());
        f.BitOk->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        return static_cast<TTextDialog&>(d).BitBtn4->click(), d.result();
    });
    mainForm().findChild<QAction*>(QString::fromLatin1(c.item))->trigger();
    EXPECT_EQ(ds().SortVariant, c.variant);
    EXPECT_EQ(ds().SechType, SechPipe);
    EXPECT_EQ(mainForm().RoundButton->toolTip(), QString::fromUtf8(c.caption));
    // The variant stays until the section type step resets it.
    EXPECT_EQ(ds().SortVariant, c.variant);
}

INSTANTIATE_TEST_SUITE_P(Variants, PipeVariantTest,
                         ::testing::Values(
                             VariantCase{
                                 "WeldedShort", "NTrubaSvar0", 2, 72,
                                 "Электросварные прямошовные трубы (сокращенный) ГОСТ 10704 - 91*"},
                             VariantCase{"WeldedFull", "NTrubaSvar1", 4, 611,
                                         "Электросварные прямошовные трубы ГОСТ 10704 - 91*"},
                             VariantCase{"Seamless", "NTrubaDef", 3, 1276,
                                         "Бесшовные горячекатанные трубы ГОСТ 8732 - 78"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Automatic mode: a section thicker than the steel covers ends the loop
// without results and disables RunButton.
TEST_F(SelectionWorkflowTest, ThicknessOutsideTheSteelEndsTheAutomaticSelection) {
    create();
    chooseMode(mainForm().AutoButton);
    enterMember("  180.00", false, "RadioButton16"); // C345K: 4 … 10 mm
    modal.clear();
    modal.onDialog(QStringLiteral("TFormSortV"), [](QDialog& d) {
        static_cast<TFormSortV&>(d).BitBtn9->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TForm2"), [](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        StringGrid* g = f.StringGrid4;
        for (int r = 1; r < g->rowCount(); ++r)
            if (g->cell(1, r).toDouble() > 10) {
                g->setRow(r);
                break;
            }
        f.BitOk->click();
        return d.result();
    });
    mainForm().SechenButtonClick();
    EXPECT_TRUE(ds().TstOut);
    EXPECT_FALSE(mainForm().RunButton->isEnabled());
    EXPECT_EQ(modal.dialogs(), QStringList({"TFormSortV", "TForm2"}));
    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Inform),
              QStringList{"Толщина проката выходит за рамки толщины для стали C345K. Измените "
                          "сталь, тип сечения или толщину проката."});
}

// The tee pop-up of the chooser acts as its button and closes with OK.
TEST_F(SelectionWorkflowTest, TeePopupActsAsItsButton) {
    create();
    chooseMode(mainForm().AutoButton);
    enterMember("  180.00");
    TFormSortV& chooser = *forms().FormSortV;
    chooser.N26020832->trigger();
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(catalogue().StringGrid3->rowCount(), 16);
    EXPECT_EQ(catalogue().StringGrid3->cell(0, 1), QStringLiteral("10KT1"));
    EXPECT_EQ(catalogue().PageControl->tabText(2),
              QStringLiteral("Тавры колонные по ГОСТ 26020 - 83"));
}

// Crossed angles: the abridged grid narrowed to 9 columns with the cross
// radii by the gusset of the force; the T pair afterwards gets its own columns back.
TEST_F(SelectionWorkflowTest, CrossRadiiReplaceColumnSevenAndComeBack) {
    create();
    chooseMode(mainForm().AutoButton);
    enterMember("  150.00");
    const QString iy0 = catalogue().StringGrid1->cell(7, 1);
    forms().FormSortV->BitBtn2->click();
    EXPECT_EQ(catalogue().StringGrid1->colCount(), 9);
    EXPECT_EQ(ds().Tfas, 6);
    EXPECT_NE(catalogue().StringGrid1->cell(7, 1), iy0);
    EXPECT_TRUE(catalogue().Label1->text().startsWith(QStringLiteral("ix0, тр = ")));
    forms().FormSortV->BitBtn1->click();
    EXPECT_EQ(catalogue().StringGrid1->colCount(), 10);
    EXPECT_EQ(catalogue().StringGrid1->cell(7, 1), iy0);
}

} // namespace
