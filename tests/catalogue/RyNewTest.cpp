// Ry by the rolled thickness in both modes, through the modal seam.
#include "app/DesignState.h"
#include "catalogue/TRyNewForm.h"
#include "ScriptedModal.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class RyNewTest : public ::testing::Test {
protected:
    void SetUp() override { resetDesignState(); }

    RyNewContext context(bool hand) {
        RyNewContext c;
        c.handMode = hand;
        c.autoMode = !hand;
        c.dialog = &dialog;
        c.backToSectionChoice = [this] { ++backToChoice; };
        return c;
    }

    void setSteel(const char* steel, double ry, double tst) {
        ds.SteelName = QString::fromUtf8(steel);
        ds.Ry = ry;
        ds.Tst = tst;
    }

    // The dialog's answer: check radio button `number` (0: leave as is), press "Продолжить".
    ScriptedModal::DialogAction choose(int number) {
        return [this, number](QDialog& d) {
            if (number > 0)
                dialog.RadioButton(number)->setChecked(true);
            return acceptDialog(d);
        };
    }

    ScriptedModal modal;
    TRyNewForm dialog;
    int backToChoice = 0;
    DesignState& ds = designState();
};

TEST_F(RyNewTest, StepByStepConfirmedRange) {
    const struct {
        const char* steel;
        double tst;
        int radio;
        double ry;
    } cases[] = {
        {"C235", 20, 1, 230},  {"C345", 3, 12, 335}, {"C375", 10, 16, 365},
        {"C375", 20, 17, 345}, {"C255", 15, 6, 240}, {"C345K", 8, 0, 335},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steel);
        setSteel(c.steel, 999, c.tst);
        modal.onDialog("TRyNewForm", choose(c.radio));
        Ry_New(context(true));
        EXPECT_EQ(ds.Ry, c.ry);
        EXPECT_FALSE(ds.TstOut);
        EXPECT_TRUE(modal.texts(ScriptedModal::Kind::Inform).isEmpty());
        EXPECT_EQ(dialog.StaticText1->text(),
                  QStringLiteral("Максимальная толщина проката t = %1 мм")
                      .arg(QString::number(c.tst, 'f', 2)));
        const QString tab = QString::fromUtf8(c.steel).insert(1, QLatin1Char('-'));
        for (int i = 0; i < dialog.RyPageControl->count(); ++i)
            EXPECT_EQ(dialog.RyPageControl->isTabVisible(i),
                      dialog.RyPageControl->tabText(i) == tab);
    }
    EXPECT_EQ(backToChoice, 0);
}

TEST_F(RyNewTest, StepByStepWrongRangeShowsTheDialogAgain) {
    const struct {
        const char* steel;
        double tst;
        int wrong, right;
        const char* message;
        double ry;
    } cases[] = {
        {"C235", 20, 2, 1, "Ry выбрано неверно! tmax = 20.00 мм <=  20 мм.", 230},
        {"C235", 25, 1, 2, "Ry выбрано неверно! tmax = 25.00 мм >  20 мм.", 220},
        {"C255", 25, 6, 7, "Ry выбрано неверно!", 230},
        {"C255", 5, 6, 5, "Ry выбрано неверно!", 250},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steel);
        modal.clear();
        setSteel(c.steel, 999, c.tst);
        modal.onDialog("TRyNewForm", choose(c.wrong));
        modal.onDialog("TRyNewForm", choose(c.right));
        Ry_New(context(true));
        EXPECT_EQ(modal.dialogs(), QStringList({"TRyNewForm", "TRyNewForm"}));
        EXPECT_EQ(modal.texts(ScriptedModal::Kind::Inform), QStringList{c.message});
        EXPECT_EQ(ds.Ry, c.ry);
    }
}

TEST_F(RyNewTest, StepByStepThicknessOutsideTheGradeReturnsToTheSectionChoice) {
    setSteel("C255", 250, 3);
    modal.onDialog("TRyNewForm", choose(0));
    Ry_New(context(true));
    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Inform),
              QStringList{"Максимальная толщина выбранного Вами проката t=3.00 мм меньше "
                          "минимальной толщины ( 4 мм) для проката из стали C255. Измените "
                          "толщину проката или класс стали."});
    EXPECT_EQ(backToChoice, 1);
    EXPECT_EQ(ds.Ry, 250);
    EXPECT_FALSE(ds.TstOut);
}

TEST_F(RyNewTest, StepByStepWithoutATabChangesNothing) {
    for (const char* steel : {"20", ""}) {
        setSteel(steel, 215, 12);
        modal.onDialog("TRyNewForm", choose(0));
        Ry_New(context(true));
        EXPECT_EQ(ds.Ry, 215);
        for (int i = 0; i < dialog.RyPageControl->count(); ++i)
            EXPECT_FALSE(dialog.RyPageControl->isTabVisible(i));
    }
    EXPECT_TRUE(modal.texts(ScriptedModal::Kind::Inform).isEmpty());
}

TEST_F(RyNewTest, AutomaticModeSetsRyOrRaisesTstOut) {
    const struct {
        const char* steel;
        double tst;
        double ry;
        bool out;
    } cases[] = {
        {"C345", 3, 335, false},   {"C375", 10, 365, false}, {"C375", 20, 345, false},
        {"C275", 12, 270, false},  {"C275", 22, 111, true},  {"20", 36, 225, false},
        {"16Г2АФ", 8, 400, false}, {"", 50, 111, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steel);
        modal.clear();
        setSteel(c.steel, 111, c.tst);
        Ry_New(context(false));
        EXPECT_EQ(ds.Ry, c.ry);
        EXPECT_EQ(ds.TstOut, c.out);
        EXPECT_TRUE(modal.dialogs().isEmpty());
        const QStringList expected =
            c.out ? QStringList{"Толщина проката выходит за рамки толщины для стали C275. "
                                "Измените сталь, тип сечения или толщину проката."}
                  : QStringList{};
        EXPECT_EQ(modal.texts(ScriptedModal::Kind::Inform), expected);
    }
}

TEST_F(RyNewTest, DialogCaptionsAsStored) {
    EXPECT_EQ(dialog.RyPageControl->count(), 8);
    EXPECT_EQ(dialog.RadioButton(1)->text(), QStringLiteral("t от  2    до 20  - Ry = 230 МПа"));
    EXPECT_EQ(dialog.RadioButton(15)->text(), QStringLiteral("t от  4    до 10  - Ry = 335 МПа"));
    EXPECT_EQ(dialog.RadioButton(18)->text(), QStringLiteral("t св. 20  до 40  - Ry = 325 МПа"));
    EXPECT_EQ(dialog.RyPageControl->tabText(6), QStringLiteral("C-345K"));
    if (qEnvironmentVariableIsSet("KELVOR_SCREENSHOTS")) {
        dialog.StaticText1->setText(QStringLiteral("Максимальная толщина проката t = 12.00 мм"));
        dialog.showGradeTab(QStringLiteral("C255"));
        dialog.show();
        dialog.grab().save(qEnvironmentVariable("KELVOR_SCREENSHOTS") + "/TRyNewForm.png");
    }
}

} // namespace
