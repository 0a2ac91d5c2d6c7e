#include "ShellFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>

namespace {

// ---- Passport -------------------------------------------------------------------

TEST_F(ShellTest, PassportStoresHeaderDataAndDesignCode) {
    create();
    modal.onDialog(QStringLiteral("TDataNew"), [](QDialog& d) {
        auto& p = static_cast<TDataNew&>(d);
        EXPECT_EQ(p.EditFile1->text(), QStringLiteral("Noname"));
        EXPECT_EQ(p.Inform->text(), QStringLiteral("УО \"ЗлНСК\""));
        p.EditFile1->setText(QStringLiteral("Ферма"));
        p.ComboNormBox1->setCurrentIndex(1);
        p.Kod->setText(QStringLiteral("12-04-КМ"));
        p.Name->setText(QStringLiteral("Иванов И.И."));
        return press(d, "BitBtn1");
    });
    mainForm().N16->trigger();
    EXPECT_EQ(ds().FileName.str(), QStringLiteral("Ферма.txt"));
    EXPECT_EQ(ds().TabFileName, QStringLiteral("Ферма_Tab.txt"));
    EXPECT_EQ(ds().NormIndex, 1);
    EXPECT_EQ(ds().Normy.str(), QStringLiteral("СП 53-102-2004"));
    EXPECT_EQ(ds().Shifr.str(), QStringLiteral("12-04-КМ"));
    EXPECT_EQ(ds().Ispolnitel.str(), QStringLiteral("Иванов И.И."));
    EXPECT_EQ(ds().Organizacia.str(), QStringLiteral("УО \"ЗлНСК\""));

    // shown again: the stored name with its ending and the stored code
    modal.onDialog(QStringLiteral("TDataNew"), [](QDialog& d) {
        auto& p = static_cast<TDataNew&>(d);
        EXPECT_EQ(p.EditFile1->text(), QStringLiteral("Ферма.txt"));
        EXPECT_EQ(p.ComboNormBox1->currentIndex(), 1);
        return press(d, "BitBtn1");
    });
    mainForm().OptionsButton->trigger();
    EXPECT_EQ(ds().FileName.str(), QStringLiteral("Ферма.txt"));
}

TEST_F(ShellTest, PassportCannotBeCancelled) {
    create();
    TDataNew& p = *forms().DataNew;
    p.reject();
    EXPECT_NE(p.result(), QDialog::Accepted);
    EXPECT_FALSE(p.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(p.findChildren<QPushButton*>().size(), 2); // OK and the folder picker
}

// ---- Member input ---------------------------------------------------------------

struct InputCase {
    const char* name;
    const char* force;
    const char* length;
    const char* mx;
    const char* my;
    bool stored;   // all fields read
    double nforce; // expected afterwards
    double lgeom;
    double mux;
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.name;
}

class MemberInputTest : public ShellTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(MemberInputTest, ReadsTheFieldsInOrderAndStopsAtTheFirstThatFails) {
    const InputCase& c = GetParam();
    create();
    chooseMode(mainForm().HandButton);
    ds().Nforce = -1;
    ds().Lgeom = -1;
    ds().MuX = -1;
    ds().MuY = -1;
    modal.onDialog(QStringLiteral("TDataNew"), acceptDialog);
    modal.onDialog(QStringLiteral("TDialog1"), [&c](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        in.Strange->setText(QString::fromUtf8(c.force));
        in.Lenght->setText(QString::fromUtf8(c.length));
        in.Mx->setText(QString::fromUtf8(c.mx));
        in.My->setText(QString::fromUtf8(c.my));
        in.Nazvan->setText(QStringLiteral("В-1"));
        return press(d, "BitBtn1");
    });
    mainForm().StraingButtonClick();

    EXPECT_FALSE(ds().NewProject); // false before the fields are read
    EXPECT_EQ(ds().Nforce, c.nforce);
    EXPECT_EQ(ds().Lgeom, c.lgeom);
    EXPECT_EQ(ds().MuX, c.mux);
    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Error).size(), c.stored ? 0 : 1);
    EXPECT_EQ(mainForm().GammaNButton->isEnabled(), c.stored);
    EXPECT_EQ(ds().Nazvanie.str(), c.stored ? QStringLiteral("В-1") : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MemberInputTest,
    ::testing::Values(
        InputCase{"Defaults", "  500.0 ", " 3000.0 ", "1.0  ", "1.0  ", true, 500, 3000, 1.0},
        // every blank of the force goes: 1, blank, 2.5 reads as 12.5
        InputCase{"BlankInsideForce", "  1 2.5 ", " 3000.0 ", "0.5  ", "1.0  ", true, 12.5, 3000,
                  0.5},
        // a blank between the digits of μ fails; length and force are kept
        InputCase{"BlankInsideMu", "  500.0 ", " 2500.0 ", "1.2 5", "1.0  ", false, 500, 2500, -1},
        // a lone "." in the length fails first: nothing read
        InputCase{"LonePointLength", "  500.0 ", "", "1.0  ", "1.0  ", false, -1, -1, -1},
        InputCase{"LonePointForce", "", " 3000.0 ", "1.0  ", "1.0  ", false, -1, 3000, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, InputStepStoresLengthsAndEnablesTheStepsForTheKindOfForce) {
    create();
    TMain_Form& m = mainForm();
    chooseMode(m.HandButton);
    modal.onDialog(QStringLiteral("TDataNew"), acceptDialog);
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        in.Mx->setText(QStringLiteral("0.5  "));
        in.My->setText(QStringLiteral("2.0  "));
        in.RadioButton2->setChecked(true);
        return press(d, "BitBtn1");
    });
    m.StraingButtonClick();
    EXPECT_EQ(ds().Lx, 1500.0);
    EXPECT_EQ(ds().Ly, 6000.0);
    EXPECT_EQ(modal.dialogs(),
              (QStringList{QStringLiteral("TDataNew"), QStringLiteral("TDialog1")}));
    for (QAction* a : {m.GammaNButton, m.GammaCButton, m.RyButton, m.Landa1Button, m.N12})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : {m.Landa2Button, m.N13})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : {m.SechenButton, m.N18, m.FasonkaButton, m.RunButton, m.Ugol1Button})
        EXPECT_FALSE(m.enabledByWorkflow(a)) << a->objectName().toStdString();

    // the next member: no passport, the dialog keeps its texts; tension now
    modal.clear();
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        EXPECT_EQ(TDialog1::maskedText(in.Mx), QStringLiteral("0.5  "));
        in.RadioButton1->setChecked(true);
        return press(d, "BitBtn1");
    });
    m.StraingButtonClick();
    EXPECT_EQ(modal.dialogs(), QStringList{QStringLiteral("TDialog1")});
    EXPECT_TRUE(m.Landa2Button->isEnabled());
    EXPECT_TRUE(m.N13->isEnabled());
    EXPECT_FALSE(m.Landa1Button->isEnabled());
    EXPECT_FALSE(m.N12->isEnabled());
}

TEST_F(ShellTest, CancelAfterThePassportAsksForThePassportAgain) {
    create();
    chooseMode(mainForm().HandButton);
    modal.always(QStringLiteral("TDataNew"), acceptDialog);
    modal.always(QStringLiteral("TDialog1"), [](QDialog& d) { return press(d, "BitBtn2"); });
    mainForm().StraingButtonClick();
    EXPECT_TRUE(ds().NewProject);
    mainForm().StraingButtonClick();
    EXPECT_EQ(modal.dialogs(),
              (QStringList{QStringLiteral("TDataNew"), QStringLiteral("TDialog1"),
                           QStringLiteral("TDataNew"), QStringLiteral("TDialog1")}));
    EXPECT_EQ(ds().Nforce, 0.0);
}

TEST_F(ShellTest, LatticeForceFieldFollowsItsCheckBox) {
    create();
    TDialog1& in = input();
    EXPECT_FALSE(in.StrangeRas->isEnabled());
    in.CheckBox1->click();
    EXPECT_TRUE(in.StrangeRas->isEnabled());
    in.CheckBox1->click();
    EXPECT_FALSE(in.StrangeRas->isEnabled());
}

// ---- "Далее..." chains and the tabs shown -----------------------------------------

TEST_F(ShellTest, NextFromInputOpensAdditionalDataOnItsFirstTab) {
    create();
    chooseMode(mainForm().HandButton);
    modal.onDialog(QStringLiteral("TDataNew"), acceptDialog);
    modal.onDialog(QStringLiteral("TDialog1"), [](QDialog& d) { return press(d, "BitBtn4"); });
    modal.onDialog(QStringLiteral("TForm1"), [](QDialog& d) {
        auto& f = static_cast<TForm1&>(d);
        EXPECT_EQ(f.PageControl1->currentIndex(), 0);
        EXPECT_TRUE(f.tabShown(4)); // tension
        EXPECT_FALSE(f.tabShown(3));
        return press(d, "BitBtn1");
    });
    mainForm().StraingButtonClick();
    EXPECT_EQ(modal.dialogs(), (QStringList{QStringLiteral("TDataNew"), QStringLiteral("TDialog1"),
                                            QStringLiteral("TForm1")}));
    EXPECT_TRUE(mainForm().enabledByWorkflow(mainForm().SechenButton));
    EXPECT_FALSE(ds().NextStep);
}

TEST_F(ShellTest, NextFromAdditionalDataChainsIntoTheSectionTypes) {
    create();
    chooseMode(mainForm().AutoButton);
    modal.onDialog(QStringLiteral("TForm1"), [](QDialog& d) { return press(d, "BitBtn3"); });
    modal.onDialog(QStringLiteral("TFormSortV"), rejectDialog);
    mainForm().GammaCButtonClick();
    EXPECT_TRUE(ds().NextStep);
    EXPECT_TRUE(mainForm().enabledByWorkflow(mainForm().N18));
    EXPECT_EQ(modal.dialogs(), QStringList({"TForm1", "TFormSortV"}));
}

struct TabCase {
    const char* name;
    bool compression;
    void (TMain_Form::*command)();
    int currentTab;
    bool tab4;
    bool tab5;
};

void PrintTo(const TabCase& c, std::ostream* os) {
    *os << c.name;
}

class OpeningTabsTest : public ShellTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(OpeningTabsTest, ShowsTheTabsOfTheCommand) {
    const TabCase& c = GetParam();
    create();
    chooseMode(mainForm().HandButton);
    modal.onDialog(QStringLiteral("TDataNew"), acceptDialog);
    modal.onDialog(QStringLiteral("TDialog1"), [&c](QDialog& d) {
        auto& in = static_cast<TDialog1&>(d);
        (c.compression ? in.RadioButton2 : in.RadioButton1)->setChecked(true);
        return press(d, "BitBtn1");
    });
    mainForm().StraingButtonClick();
    modal.onDialog(QStringLiteral("TForm1"), [&c](QDialog& d) {
        auto& f = static_cast<TForm1&>(d);
        EXPECT_EQ(f.PageControl1->currentIndex(), c.currentTab);
        for (int t = 0; t < 3; ++t)
            EXPECT_TRUE(f.tabShown(t)) << t;
        EXPECT_EQ(f.tabShown(3), c.tab4);
        EXPECT_EQ(f.tabShown(4), c.tab5);
        return press(d, "BitBtn2");
    });
    (mainForm().*c.command)();
    EXPECT_EQ(modal.dialogs().last(), QStringLiteral("TForm1"));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, OpeningTabsTest,
    ::testing::Values(
        TabCase{"GammaNTension", false, &TMain_Form::GammaNButtonClick, 0, false, true},
        TabCase{"GammaCCompression", true, &TMain_Form::GammaCButtonClick, 1, true, false},
        TabCase{"RyCompression", true, &TMain_Form::RyButtonClick, 2, true, false},
        TabCase{"Landa1", true, &TMain_Form::Landa1ButtonClick, 3, true, false},
        TabCase{"Landa2", false, &TMain_Form::Landa2ButtonClick, 4, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, BeforeAnyModeNeitherLimitTabIsShown) {
    create();
    modal.onDialog(QStringLiteral("TForm1"), [](QDialog& d) {
        auto& f = static_cast<TForm1&>(d);
        EXPECT_FALSE(f.tabShown(3));
        EXPECT_FALSE(f.tabShown(4));
        return press(d, "BitBtn1");
    });
    mainForm().N9->trigger();
    // an OK before any mode still enables the section step
    EXPECT_TRUE(mainForm().enabledByWorkflow(mainForm().SechenButton));
    EXPECT_TRUE(mainForm().enabledByWorkflow(mainForm().N18));
}

// ---- Additional data stored --------------------------------------------------------

class AdditionalDataTest : public ShellTest {
protected:
    // Input step for a member in compression or tension, then the dialog opened
    // on "Таблица 2" with `set` choosing the controls and pressing a button.
    void run(bool compression, std::function<int(TForm1&)> set) {
        create();
        chooseMode(mainForm().AutoButton);
        modal.onDialog(QStringLiteral("TDataNew"), acceptDialog);
        modal.onDialog(QStringLiteral("TDialog1"), [compression](QDialog& d) {
            auto& in = static_cast<TDialog1&>(d);
            (compression ? in.RadioButton2 : in.RadioButton1)->setChecked(true);
            return press(d, "BitBtn1");
        });
        mainForm().StraingButtonClick();
        modal.onDialog(QStringLiteral("TForm1"),
                       [set](QDialog& d) { return set(static_cast<TForm1&>(d)); });
        mainForm().GammaCButtonClick();
    }
};

TEST_F(AdditionalDataTest, EveryTabIsStoredWhicheverIsOpen) {
    run(true, [](TForm1& f) {
        f.RadioButton2->setChecked(true);
        f.RadioButton9->setChecked(true);
        f.RadioButton16->setChecked(true); // C345K
        f.GibkostEdit->setText(QStringLiteral(" 75"));
        f.RadioButton20->setChecked(true);
        return press(f, "BitBtn1");
    });
    EXPECT_EQ(ds().GammaN, 0.95);
    EXPECT_EQ(ds().GammaC, 0.8);
    EXPECT_EQ(ds().SteelName.str(), QStringLiteral("C345K"));
    EXPECT_EQ(ds().Ry, 335.0);
    EXPECT_EQ(ds().Gibkost, 75.0);
    EXPECT_EQ(ds().LandaType, Landa210Minus60a);
    EXPECT_TRUE(mainForm().enabledByWorkflow(mainForm().SechenButton));
    EXPECT_TRUE(mainForm().enabledByWorkflow(mainForm().N18));
}

TEST_F(AdditionalDataTest, TypedInValuesOfRyGammaNAndCompressionLimit) {
    run(true, [](TForm1& f) {
        f.RadioButton4->setChecked(true);
        EXPECT_TRUE(f.RxSpinEdit3->isEnabled());
        f.RxSpinEdit3->setValue(1.1);
        f.SteelNew->setChecked(true);
        EXPECT_TRUE(f.RxRyNew->isEnabled());
        f.RxRyNew->setValue(310);
        f.RadioButton28->setChecked(true);
        EXPECT_TRUE(f.RxSpinEdit1->isEnabled());
        f.RxSpinEdit1->setValue(166);
        return press(f, "BitBtn1");
    });
    EXPECT_DOUBLE_EQ(ds().GammaN, 1.1);
    EXPECT_TRUE(ds().SteelName.isEmpty());
    EXPECT_EQ(ds().Ry, 310.0);
    EXPECT_EQ(ds().LandaType, LandaTypedIn);
    EXPECT_EQ(ds().LandaU, 166.0);
}

TEST_F(AdditionalDataTest, TensionStoresItsLimitAndLeavesTheAssumedSlendernessAlone) {
    run(false, [](TForm1& f) {
        f.GibkostEdit->setText(QStringLiteral(" 50"));
        f.RadioButton26->setChecked(true);
        return press(f, "BitBtn1");
    });
    EXPECT_EQ(ds().LandaType, LandaTension);
    EXPECT_EQ(ds().LandaU, 350.0);
    EXPECT_EQ(ds().Gibkost, 90.0);
}

TEST_F(AdditionalDataTest, AssumedSlendernessWithoutDigitsStopsAfterEnablingTheSectionStep) {
    run(true, [](TForm1& f) {
        f.RadioButton3->setChecked(true);
        f.RadioButton12->setChecked(true);
        f.GibkostEdit->setText(QString());
        f.RadioButton21->setChecked(true);
        return press(f, "BitBtn3");
    });
    EXPECT_EQ(modal.texts(ScriptedModal::Kind::Error).size(), 1);
    EXPECT_EQ(ds().GammaN, 0.9);
    EXPECT_EQ(ds().SteelName.str(), QStringLiteral("C255"));
    EXPECT_EQ(ds().Ry, 250.0);
    EXPECT_TRUE(mainForm().enabledByWorkflow(mainForm().SechenButton));
    EXPECT_EQ(ds().LandaType, LandaNone);
    EXPECT_EQ(ds().Gibkost, 90.0);
    EXPECT_FALSE(mainForm().enabledByWorkflow(mainForm().N18));
}

TEST_F(AdditionalDataTest, CancelStoresNothingAndKeepsTheChoices) {
    run(true, [](TForm1& f) {
        f.RadioButton8->setChecked(true);
        return press(f, "BitBtn2");
    });
    EXPECT_EQ(ds().GammaC, 1.0);
    EXPECT_TRUE(additional().RadioButton8->isChecked());
    EXPECT_FALSE(mainForm().enabledByWorkflow(mainForm().SechenButton));
}

TEST_F(ShellTest, SteelGridRowsAndRadioButtonsFollowEachOther) {
    create();
    TForm1& f = additional();
    f.StringGrid1->setCurrentCell(1, 0); // row 2: C235 over 20 mm
    f.StringGrid1Click();
    EXPECT_TRUE(f.RadioButton10->isChecked());
    f.StringGrid1->setCurrentCell(14, 0); // row 15: C345K
    f.StringGrid1Click();
    EXPECT_TRUE(f.RadioButton16->isChecked());
    f.StringGrid1->setCurrentCell(20, 0); // row 21: "Прочее"
    f.StringGrid1Click();
    EXPECT_TRUE(f.SteelNew->isChecked());
    EXPECT_TRUE(f.RxRyNew->isEnabled());
    f.RadioButton13->setChecked(true); // C275 selects its first row, 8
    EXPECT_EQ(f.gridRow(), 8);
    EXPECT_FALSE(f.RxRyNew->isEnabled());
}

TEST_F(ShellTest, EmptiedLimitSpinEditGoesBackTo120) {
    create();
    QSpinBox* spin = additional().RxSpinEdit2;
    spin->setValue(300);
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText(QString());
    EXPECT_EQ(spin->value(), 120);
    EXPECT_EQ(spin->text(), QStringLiteral("120"));
}

} // namespace
