// The batch design writes the same bytes as the windows: one project of two
// members walked through the main window in the automatic mode (passport,
// member input, additional data, section type, catalogue row, "Принять",
// "Сохранить...", "Продолжить"), then designed by the batch run.

#include "../app/ShellFixture.h"
#include "batch/BatchRun.h"
#include "catalogue/TForm2.h"
#include "common/StringGrid.h"
#include "report/ReportFiles.h"
#include "report/TTextDialog.h"
#include "selection/TFormSortV.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

// The same project for the batch run: the chord takes the lightest row, the
// tie the pipe the engineer picked in the window.
const char* const kProject = R"({
  "passport": {"norms": "СНиП II-23-81*", "file": "Ferma1", "shifr": "17-04-КМ",
               "author": "И. Петров", "organisation": "УО \"ЗлНСК\""},
  "members": [
    {"name": "В1", "force": 250, "length": 2850, "mu_x": 1, "mu_y": 1, "kind": "compression",
     "gamma_n": 1.0, "gamma_c": 0.95, "steel": "C245", "assumed_slenderness": 90,
     "limit": {"rule": 1}, "section": {"type": 1, "designation": "lightest"}},
    {"name": "Р2", "force": 120, "length": 3900, "mu_x": 0.8, "mu_y": 1, "kind": "tension",
     "gamma_n": 0.95, "gamma_c": 1, "steel": {"ry": 240}, "limit": {"value": 400},
     "section": {"type": 9, "designation": "89 x 3"}}
  ]})";

QByteArray fileBytes(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Clicks a data row (from 0) of a grid as the user does, then "Принять".
int takeGridRow(TForm2& f, StringGrid* grid, int row) {
    grid->setRow(row + 1);
    emit grid->rowClicked();
    EXPECT_TRUE(f.StatusPanel0->text().startsWith(QStringLiteral("Недонаряжение")))
        << f.StatusPanel0->text().toStdString();
    EXPECT_TRUE(f.StatusPanel1->text().startsWith(QStringLiteral("Недонапряжение")))
        << f.StatusPanel1->text().toStdString();
    f.BitOk->click();
    return f.result();
}

class BatchVsWindows : public ShellTest {};

} // namespace

TEST_F(BatchVsWindows, SameReportAndTableAsTheWindows) {
    create();
    chooseMode(mainForm().AutoButton);

    // Member 1: the chord.
    modal.onDialog(QStringLiteral("TDataNew"), [](QDialog& d) {
        auto& p = static_cast<TDataNew&>(d);
        p.ComboNormBox1->setCurrentIndex(0);
        p.EditFile1->setText(QStringLiteral("Ferma1"));
        p.Kod->setText(QStringLiteral("17-04-КМ"));
        p.Name->setText(QStringLiteral("И. Петров"));
        p.Inform->setText(QStringLiteral("УО \"ЗлНСК\""));
        return press(d, "BitBtn1");
    });
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        in.Nazvan->setText(QStringLiteral("В1"));
        in.Strange->setText(QStringLiteral("  250.00"));
        in.Lenght->setText(QStringLiteral(" 2850.00"));
        in.RadioButton2->setChecked(true); // "Сжатие"
        return press(d, "BitBtn1");
    });
    mainForm().StraingButtonClick();
    modal.onDialog(QStringLiteral("TForm1"), [](QDialog& d) {
        auto& a = static_cast<TForm1&>(d);
        a.RadioButton1->setChecked(true);  // γn 1
        a.RadioButton7->setChecked(true);  // γc 0.95
        a.RadioButton11->setChecked(true); // C245
        a.RadioButton18->setChecked(true); // 180 − 60α
        return press(d, "BitBtn1");
    });
    mainForm().Landa1ButtonClick();
    int chordRow = -1;
    modal.onDialog(QStringLiteral("TFormSortV"), [](QDialog& d) {
        static_cast<TFormSortV&>(d).BitBtn1->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TForm2"), [&chordRow](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        // What the catalogue window's search finds with the grid on screen.
        chordRow = lightestAdequateRow(GridList::EqualShort, false);
        EXPECT_GE(chordRow, 0);
        return takeGridRow(f, f.StringGrid1, chordRow);
    });
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        auto& r = static_cast<TTextDialog&>(d);
        r.SaveButton->click();
        r.BitBtn1->click(); // "Продолжить"
        return d.result();
    });
    // "Продолжить" opens the input of member 2 at once.
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        in.Nazvan->setText(QStringLiteral("Р2"));
        in.Strange->setText(QStringLiteral("  120.00"));
        in.Lenght->setText(QStringLiteral(" 3900.00"));
        in.Mx->setText(QStringLiteral("0.800"));
        in.My->setText(QStringLiteral("1.000"));
        in.RadioButton1->setChecked(true); // "Растяжение"
        return press(d, "BitBtn1");
    });
    mainForm().SechenButtonClick();

    // Member 2: the tie, a typed Ry and the limit 400.
    modal.onDialog(QStringLiteral("TForm1"), [](QDialog& d) {
        auto& a = static_cast<TForm1&>(d);
        a.RadioButton2->setChecked(true); // γn 0.95
        a.RadioButton6->setChecked(true); // γc 1
        a.SteelNew->setChecked(true);
        a.RxRyNew->setValue(240);
        a.RadioButton27->setChecked(true); // 400
        return press(d, "BitBtn1");
    });
    mainForm().Landa2ButtonClick();
    modal.onDialog(QStringLiteral("TFormSortV"), [](QDialog& d) {
        static_cast<TFormSortV&>(d).BitBtn9->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TForm2"), [](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        return takeGridRow(f, f.StringGrid4,
                           findDesignation(GridList::PipesShort, QStringLiteral("89 x 3")));
    });
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        auto& r = static_cast<TTextDialog&>(d);
        r.SaveButton->click();
        r.BitBtn4->click(); // "Отмена"
        return d.result();
    });
    mainForm().SechenButtonClick();
    ASSERT_TRUE(modal.texts(ScriptedModal::Kind::Error).isEmpty());
    const QByteArray windowsReport = fileBytes(QStringLiteral("Ferma1.txt"));
    const QByteArray windowsTable = fileBytes(QStringLiteral("Ferma1_Tab.txt"));
    ASSERT_EQ(windowsReport.count("\r\n"), 10 + 2 * 34 - 1);
    ASSERT_EQ(windowsTable.count("\r\n"), 19 + 2 * 3);

    // The batch run of the same project, from a fresh design state.
    QDir().mkpath(QStringLiteral("batch"));
    QDir::setCurrent(QStringLiteral("batch"));
    destroyForms();
    resetDesignState();
    resetReportLines();
    const batch::Loaded loaded = batch::loadProjectJson(kProject);
    ASSERT_TRUE(loaded.errors.isEmpty()) << loaded.errors.join(QLatin1Char('\n')).toStdString();
    const batch::RunResult result = batch::runProject(loaded.project);
    EXPECT_TRUE(result.allPass());
    EXPECT_EQ(fileBytes(QStringLiteral("Ferma1.txt")), windowsReport);
    EXPECT_EQ(fileBytes(QStringLiteral("Ferma1_Tab.txt")), windowsTable);
    EXPECT_EQ(result.members[0].section,
              catalogue::table(catalogue::Id::UgolRavnKor).designation(chordRow));
}
