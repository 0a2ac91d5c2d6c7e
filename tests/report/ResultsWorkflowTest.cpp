// The results window in the workflow: two members of one project saved into
// one report and table, "Продолжить" and "&Сначала", the report buttons'
// states, a save that fails, and the window's texts.
#include "../app/ShellFixture.h"
#include "catalogue/TForm2.h"
#include "common/FileWriter.h"
#include "common/StringGrid.h"
#include "report/TTextDialog.h"
#include "selection/TFormSortV.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace {

QByteArray fileBytes(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int lineCount(const QString& name) {
    return int(fileBytes(name).count("\r\n"));
}

class ResultsWorkflowTest : public ShellTest {
protected:
    static ScriptedModal::DialogAction saveThen(const char* button) {
        return [button](QDialog& d) {
            auto& r = static_cast<TTextDialog&>(d);
            EXPECT_TRUE(r.SaveButton->isEnabled());
            r.SaveButton->click();
            EXPECT_FALSE(r.SaveButton->isEnabled());
            EXPECT_TRUE(r.SpeedButton1->isEnabled());
            EXPECT_TRUE(r.BitTab->isEnabled());
            r.findChild<QPushButton*>(QString::fromLatin1(button))->click();
            return d.result();
        };
    }
};

TEST_F(ResultsWorkflowTest, TwoMembersOfAProjectThenANewProject) {
    create();
    chooseMode(mainForm().AutoButton);
    // First member: saved, then "Продолжить" opens the next member's input at
    // once (no passport); it is cancelled here.
    modal.onDialog(QStringLiteral("TDataNew"), [](QDialog& d) {
        static_cast<TDataNew&>(d).EditFile1->setText(QStringLiteral("Ferma"));
        return press(d, "BitBtn1");
    });
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        in.Nazvan->setText(QStringLiteral("В1"));
        in.Strange->setText(QStringLiteral("  250.00"));
        in.Lenght->setText(QStringLiteral(" 2850.0 "));
        in.RadioButton2->setChecked(true);
        return press(d, "BitBtn1");
    });
    mainForm().StraingButtonClick();
    // The limit slenderness of the member (compression: 180 − 60α as offered).
    modal.onDialog(QStringLiteral("TForm1"), [](QDialog& d) { return press(d, "BitBtn1"); });
    mainForm().Landa1ButtonClick();
    // Square hollow sections: the first row whose verdicts both pass.
    auto takeRow = [this] {
        modal.onDialog(QStringLiteral("TFormSortV"), [](QDialog& d) {
            static_cast<TFormSortV&>(d).BitBtn6->click();
            return d.result();
        });
        modal.onDialog(QStringLiteral("TForm2"), [](QDialog& d) {
            auto& f = static_cast<TForm2&>(d);
            StringGrid* g = f.StringGrid5;
            for (int r = 1; r < g->rowCount(); ++r) {
                g->setRow(r);
                emit g->rowClicked();
                if (f.StatusPanel0->text().startsWith(QStringLiteral("Недонаряжение")) &&
                    f.StatusPanel1->text().startsWith(QStringLiteral("Недонапряжение")))
                    break;
            }
            f.BitOk->click();
            return d.result();
        });
    };
    takeRow();
    modal.onDialog(QStringLiteral("TTextDialog"), saveThen("BitBtn1"));
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        in.Nazvan->setText(QStringLiteral("В2"));
        in.Strange->setText(QStringLiteral("  120.00"));
        in.RadioButton1->setChecked(true);
        return press(d, "BitBtn1");
    });
    mainForm().SechenButtonClick();
    EXPECT_EQ(lineCount(QStringLiteral("Ferma.txt")), 43);
    EXPECT_EQ(lineCount(QStringLiteral("Ferma_Tab.txt")), 22);
    EXPECT_FALSE(ds().NewProject);
    EXPECT_TRUE(ds().AppendReport);
    EXPECT_EQ(ds().Nazvanie.str(), QStringLiteral("В2"));

    // Second member (tension, limit as offered): appended to both files.
    modal.onDialog(QStringLiteral("TForm1"), [](QDialog& d) { return press(d, "BitBtn1"); });
    mainForm().Landa2ButtonClick();
    takeRow();
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        auto& r = static_cast<TTextDialog&>(d);
        EXPECT_EQ(r.Label25->text(), QStringLiteral("Проверка прочности:"));
        EXPECT_FALSE(r.Label32->isVisibleTo(&r)); // no φ in tension
        r.SaveButton->click();
        EXPECT_FALSE(r.SaveButton->isEnabled());
        // "&Сначала" asks first; "No" keeps the window open.
        r.BitBtn3->click();
        EXPECT_NE(r.result(), QDialog::Rejected);
        r.BitBtn3->click();
        return d.result();
    });
    modal.answer(false);
    modal.answer(true);
    // "&Сначала" confirmed: the passport of a new project, then the member input.
    modal.onDialog(QStringLiteral("TDataNew"), [](QDialog& d) {
        static_cast<TDataNew&>(d).EditFile1->setText(QStringLiteral("Ferma2"));
        return press(d, "BitBtn1");
    });
    modal.onDialog(QStringLiteral("TDialog1"), rejectDialog);
    mainForm().SechenButtonClick();
    EXPECT_EQ(modal.pendingAnswers(), 0);
    EXPECT_EQ(lineCount(QStringLiteral("Ferma.txt")), 43 + 34);
    EXPECT_EQ(lineCount(QStringLiteral("Ferma_Tab.txt")), 22 + 3);
    EXPECT_TRUE(ds().NewProject);
    EXPECT_FALSE(ds().AppendReport);
    EXPECT_EQ(ds().FileName.str(), QStringLiteral("Ferma2.txt"));
    // A new project's passport disables "Просмотр" and "Таблица" until its first save.
    EXPECT_FALSE(forms().TextDialog->SpeedButton1->isEnabled());
    EXPECT_FALSE(forms().TextDialog->BitTab->isEnabled());
    EXPECT_FALSE(QFile::exists(QStringLiteral("Ferma2.txt")));
}

TEST_F(ResultsWorkflowTest, CancelThenRunButtonShowsTheSameResults) {
    create();
    chooseMode(mainForm().AutoButton);
    QString first;
    modal.always(QStringLiteral("TDataNew"), acceptDialog);
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        in.Strange->setText(QStringLiteral("    5.00"));
        in.Lenght->setText(QStringLiteral(" 2999.5 "));
        in.RadioButton1->setChecked(true);
        return press(d, "BitBtn1");
    });
    mainForm().StraingButtonClick();
    modal.onDialog(QStringLiteral("TFormSortV"), [](QDialog& d) {
        static_cast<TFormSortV&>(d).BitBtn9->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TForm2"), [](QDialog& d) {
        static_cast<TForm2&>(d).BitOk->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TTextDialog"), [&first](QDialog& d) {
        auto& r = static_cast<TTextDialog&>(d);
        first = r.Label3->text() + r.Label4->text() + r.Label18->text() + r.Label24->text();
        EXPECT_EQ(r.Label3->text(), QStringLiteral("Усилие в стержне  N =  5.00 кН"));
        EXPECT_EQ(r.Label4->text(), QStringLiteral("Геометрическая длина  L = 3000 мм"));
        EXPECT_EQ(r.Label2->text(), QStringLiteral("Стержень растянут"));
        r.BitBtn4->click();
        return d.result();
    });
    mainForm().SechenButtonClick();
    EXPECT_EQ(ds().RezAction, RezNothing);
    modal.onDialog(QStringLiteral("TTextDialog"), [&first](QDialog& d) {
        auto& r = static_cast<TTextDialog&>(d);
        EXPECT_EQ(r.Label3->text() + r.Label4->text() + r.Label18->text() + r.Label24->text(),
                  first);
        static_cast<QDialog&>(r).reject(); // Esc acts as "Отмена"
        return d.result();
    });
    mainForm().RunButtonClick();
    EXPECT_EQ(modal.dialogs().last(), QStringLiteral("TTextDialog"));
    EXPECT_EQ(ds().RezAction, RezNothing);

    // Back to the section types: the chooser for the same member.
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        static_cast<TTextDialog&>(d).BitBtn2->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TFormSortV"), rejectDialog);
    mainForm().RunButtonClick();
    EXPECT_EQ(ds().RezAction, RezSectionTypes);
    EXPECT_EQ(modal.dialogs().last(), QStringLiteral("TFormSortV"));
}

TEST_F(ResultsWorkflowTest, SaveFailureKeepsTheSaveButtonAndTheWork) {
    create();
    chooseMode(mainForm().AutoButton);
    modal.onDialog(QStringLiteral("TDataNew"), [](QDialog& d) {
        // A folder that does not exist: the files cannot be created.
        static_cast<TDataNew&>(d).EditFile1->setText(QStringLiteral("no/x"));
        return press(d, "BitBtn1");
    });
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        in.RadioButton1->setChecked(true);
        return press(d, "BitBtn1");
    });
    mainForm().StraingButtonClick();
    modal.onDialog(QStringLiteral("TFormSortV"), [](QDialog& d) {
        static_cast<TFormSortV&>(d).BitBtn9->click();
        return d.result();
    });
    modal.onDialog(QStringLiteral("TForm2"), [](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        f.StringGrid4->setRow(50);
        f.BitOk->click();
        return d.result();
    });
    modal.answer(false);
    modal.onDialog(QStringLiteral("TTextDialog"), [](QDialog& d) {
        auto& r = static_cast<TTextDialog&>(d);
        r.SaveButton->click();
        EXPECT_TRUE(r.SaveButton->isEnabled());
        EXPECT_FALSE(r.SpeedButton1->isEnabled());
        r.BitBtn4->click();
        return d.result();
    });
    mainForm().SechenButtonClick();
    const QStringList errors = modal.texts(ScriptedModal::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("no/x.txt")));
    EXPECT_TRUE(ds().SortOk); // the member's results are still there
}

TEST(ResultTexts, ComparisonsAndFormats) {
    resetDesignState();
    DesignState& s = designState();
    s.Ry = 230;
    s.GammaC = 1;
    s.Sigma = 230; // equality: under-stress
    s.Delta = 0;
    s.LandaMax = 150;
    s.LandaU = 150; // equality: within the limit
    s.SechType = SechEqualAnglesCross;
    s.ix = 3.1;
    s.iy = 4.25;
    s.SteelName = QString();
    s.Nforce = 5;
    s.Lgeom = 2998.5;
    s.Fi = 0.80491;
    ResultTexts t = resultTexts(true);
    EXPECT_EQ(t.label24, QStringLiteral("= 230.00 МПа < Ry"));
    EXPECT_EQ(t.label26, QStringLiteral(" Недонапряжение составляет 0.00%"));
    EXPECT_TRUE(t.label27.isEmpty());
    EXPECT_EQ(t.label28, QStringLiteral("max = 150.00    <"));
    EXPECT_FALSE(t.overSlenderness);
    EXPECT_EQ(t.label20, QStringLiteral("ix0 = 3.100 см             iy0 = 4.250 см"));
    EXPECT_EQ(t.label11, QStringLiteral("Сталь , Ry = 230 МПа"));
    EXPECT_EQ(t.label3, QStringLiteral("Усилие в стержне  N =  5.00 кН"));
    EXPECT_EQ(t.label4, QStringLiteral("Геометрическая длина  L = 2998 мм"));
    EXPECT_EQ(t.label33, QStringLiteral("min = 0.8049"));
    s.Sigma = 253;
    s.Delta = 10;
    s.LandaMax = 151;
    s.SechType = SechPipe;
    s.SortVariant = SortPipesWeldedFull;
    t = resultTexts(false);
    EXPECT_EQ(t.label24, QStringLiteral("= 253.00 МПа > Ry"));
    EXPECT_EQ(t.label27, QStringLiteral(" Перенапряжение 10.00% недопустимо!"));
    EXPECT_TRUE(t.label26.isEmpty());
    EXPECT_TRUE(t.overSlenderness);
    EXPECT_TRUE(t.label33.isEmpty());
    EXPECT_TRUE(
        t.label18.startsWith(QStringLiteral("Сечение стержня из прямошовных горячекатанных труб")));
    EXPECT_TRUE(t.label20.startsWith(QStringLiteral("ix = ")));
}

} // namespace
