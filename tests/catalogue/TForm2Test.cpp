// The catalogue window headless: taking a row, cancelling, verdicts, and the
// grids filled from the catalogues.
#include "catalogue/TForm2.h"
#include "app/DesignState.h"
#include "common/StringGrid.h"
#include "ScriptedModal.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

class TForm2Test : public ::testing::Test {
protected:
    void SetUp() override {
        resetDesignState();
        form.isAutoMode = [this] { return autoMode; };
        form.isTension = [] { return true; };
        form.refineRy = [this] { ++ryRefinements; };
    }

    // A click on a row of a grid, as the user makes it.
    static void click(StringGrid* grid, int row) {
        grid->setRow(row);
        emit grid->rowClicked();
    }

    ScriptedModal modal;
    TForm2 form;
    bool autoMode = false;
    int ryRefinements = 0;
    DesignState& ds = designState();
};

TEST_F(TForm2Test, GridsHoldTheCatalogues) {
    const struct {
        StringGrid* grid;
        int columns, rows;
        const char* firstHeader;
        const char* firstCell;
    } cases[] = {
        {form.StringGrid1, 10, 71, "b, мм", "45"},
        {form.StringGrid7, 10, 122, "b, мм", "20"},
        {form.StringGrid2, 12, 39, "B, мм", "63"},
        {form.StringGrid3, 11, 1, "Номер профиля", ""},
        {form.StringGrid4, 7, 73, "D, мм", nullptr},
        {form.StringGrid8, 7, 1277, "D, мм", nullptr},
        {form.StringGrid9, 7, 612, "D, мм", nullptr},
        {form.StringGrid5, 6, 156, "hxbxt, мм", nullptr},
        {form.StringGrid6, 7, 425, "hxbxt, мм", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grid->objectName().toStdString());
        EXPECT_EQ(c.grid->colCount(), c.columns);
        EXPECT_EQ(c.grid->rowCount(), c.rows);
        EXPECT_EQ(c.grid->cell(0, 0), QString::fromUtf8(c.firstHeader));
        if (c.firstCell) {
            EXPECT_EQ(c.grid->cell(0, 1), QString::fromUtf8(c.firstCell));
        }
        for (int r = 1; r < c.grid->rowCount(); ++r)
            ASSERT_LE(c.grid->cell(1, r).size(), 12);
    }
    // The pair-radius columns stay empty until the gusset step fills them.
    EXPECT_TRUE(form.StringGrid1->cell(9, 1).isEmpty());
    EXPECT_TRUE(form.StringGrid2->cell(11, 1).isEmpty());
    EXPECT_EQ(form.StringGrid5->cell(0, 1), QStringLiteral("40x40x2"));
}

TEST_F(TForm2Test, AcceptWithoutAClickTakesTheCurrentRow) {
    ds.SechType = SechTee; // pipes tab: no pair radius needed
    ds.SortVariant = SortPipesSeamless;
    form.showOnlyTab(3);
    form.StringGrid8->setRow(1);
    form.BitOk->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(ds.SortOk);
    EXPECT_EQ(ds.SechName.str(), QStringLiteral("  ") + form.StringGrid8->cell(0, 1) +
                                     QStringLiteral(" x ") + form.StringGrid8->cell(1, 1));
    EXPECT_EQ(form.pipeGrid(), form.StringGrid8);
    EXPECT_EQ(form.StringGrid8->rowCount() - 1, 1276);
}

TEST_F(TForm2Test, CancelAfterClicksKeepsTheValuesButNotTheChoice) {
    ds.SechType = SechSquareHollow;
    form.showOnlyTab(4);
    click(form.StringGrid5, 3);
    const double area = ds.Area;
    EXPECT_TRUE(ds.SortOk);
    form.BitCancel->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(ds.SortOk);
    EXPECT_EQ(ds.Area, area);
    EXPECT_EQ(ds.SechName.str(), form.StringGrid5->cell(0, 3));
}

TEST_F(TForm2Test, AutomaticClickShowsVerdictsAndClosingEmptiesThem) {
    autoMode = true;
    ds.SechType = SechPipe;
    ds.Nforce = 100;
    ds.Lx = ds.Ly = 3000;
    ds.LandaU = 400;
    ds.Lgeom = 3000;
    form.showOnlyTab(3);
    click(form.StringGrid4, 5);
    EXPECT_EQ(ryRefinements, 1);
    EXPECT_FALSE(form.StatusPanel0->text().isEmpty());
    EXPECT_TRUE(form.StatusPanel1->text().startsWith(QStringLiteral("Недонапряжение по гибкости")));
    EXPECT_NEAR(ds.Delta, std::abs(ds.LandaMax - 400) / ds.LandaMax * 100, 1e-9);
    // A double click evaluates without a check.
    emit form.StringGrid4->rowDoubleClicked();
    EXPECT_EQ(ryRefinements, 1);
    form.reject();
    EXPECT_TRUE(form.StatusPanel0->text().isEmpty());
    EXPECT_TRUE(form.StatusPanel1->text().isEmpty());
}

TEST_F(TForm2Test, StepByStepClickWritesTheSectionOnly) {
    ds.SechType = SechTee;
    ds.Ry = 240;
    form.showOnlyTab(4);
    click(form.StringGrid5, 2);
    EXPECT_TRUE(ds.SortOk);
    EXPECT_TRUE(form.StatusPanel0->text().isEmpty());
    EXPECT_EQ(ryRefinements, 0);
    EXPECT_EQ(ds.Ry, 240);
}

TEST_F(TForm2Test, PairRadiusMissingKeepsTheWindowOpen) {
    ds.SechType = SechEqualAnglesT;
    form.showOnlyTab(0);
    form.BitOk->click();
    ASSERT_EQ(modal.texts(ScriptedModal::Kind::Error).size(), 1);
    EXPECT_TRUE(modal.texts(ScriptedModal::Kind::Error)[0].contains(QStringLiteral("фасонки")));
    EXPECT_FALSE(ds.SortOk);
    EXPECT_NE(form.result(), QDialog::Accepted);
    // Once the gusset step has written the column, the row is taken.
    form.StringGrid1->setCell(9, 1, QStringLiteral("2.246"));
    form.BitOk->click();
    EXPECT_TRUE(ds.SortOk);
    EXPECT_EQ(ds.iy, 2.246);
    EXPECT_EQ(ds.SechName.str(), QStringLiteral("45 x 4"));
    EXPECT_DOUBLE_EQ(ds.Area, 6.96);
}

TEST_F(TForm2Test, OneTabAndTheCurrentRowPersist) {
    form.showOnlyTab(5);
    for (int i = 0; i < form.PageControl->count(); ++i)
        EXPECT_EQ(form.PageControl->isTabVisible(i), i == 5);
    form.StringGrid6->setRow(7);
    form.showOnlyTab(4);
    form.showOnlyTab(5);
    EXPECT_EQ(form.StringGrid6->row(), 7);
    if (qEnvironmentVariableIsSet("KELVOR_SCREENSHOTS")) {
        form.show();
        form.grab().save(qEnvironmentVariable("KELVOR_SCREENSHOTS") + "/TForm2.png");
    }
}

} // namespace

namespace {

// "Подобрать": the lightest row that passes every check, evaluated as a click;
// failing rows are grey; the button is there in the automatic mode only.
TEST_F(TForm2Test, FitMovesToTheLightestAdequateRow) {
    autoMode = true;
    ds.SechType = SechSquareHollow;
    ds.CurveType = 1;
    ds.Nforce = 300;
    ds.Lgeom = ds.Lx = ds.Ly = 3000;
    ds.LandaType = Landa180Minus60a;
    ds.SteelName = QStringLiteral("C245");
    ds.Ry = 240;
    form.isTension = [] { return false; };
    form.showOnlyTab(4);
    form.show();
    EXPECT_TRUE(form.BitFit->isVisible());
    form.BitFit->click();
    const int row = form.StringGrid5->row();
    EXPECT_TRUE(form.StatusPanel0->text().startsWith(QStringLiteral("Недонаряжение")));
    EXPECT_TRUE(form.StatusPanel1->text().startsWith(QStringLiteral("Недонапряжение")));
    // No lighter row passes: every lighter row is grey (evaluate each by a click).
    const double mass = form.StringGrid5->cell(5, row).toDouble();
    for (int r = 1; r < form.StringGrid5->rowCount(); ++r) {
        if (form.StringGrid5->cell(5, r).toDouble() >= mass)
            continue;
        form.StringGrid5->setRow(r);
        emit form.StringGrid5->rowClicked();
        const bool passes = form.StatusPanel0->text().startsWith(QStringLiteral("Недонаряжение")) &&
                            form.StatusPanel1->text().startsWith(QStringLiteral("Недонапряжение"));
        EXPECT_FALSE(passes) << "lighter row " << r;
        EXPECT_EQ(form.StringGrid5->gridModel()
                      ->data(form.StringGrid5->gridModel()->index(r - 1, 0), Qt::ForegroundRole)
                      .isValid(),
                  true);
    }
    form.reject();
    autoMode = false;
    form.show();
    EXPECT_FALSE(form.BitFit->isVisible());
    form.reject();
}

} // namespace
