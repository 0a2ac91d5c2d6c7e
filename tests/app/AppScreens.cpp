// Grabs the windows of the application shell to PNG files (for the user guide):
//   app_screens OUTPUT_FOLDER
// Runs in the current directory (it writes Kelvor.CNT there when missing).

#include "app/AdditionalDataForm.h"
#include "app/DesignState.h"
#include "app/Forms.h"
#include "app/InputDialog.h"
#include "app/MainForm.h"
#include "app/PassportForm.h"
#include "app/PointForm.h"
#include "app/Startup.h"
#include "catalogue/Loaders.h"
#include "catalogue/TForm2.h"
#include "catalogue/TRyNewForm.h"
#include "common/Modal.h"
#include "common/StringGrid.h"
#include "report/TTextDialog.h"
#include "selection/SelectionLogic.h"
#include "selection/TFasonka.h"
#include "selection/TFormSortV.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>

namespace {

class AnswerYes : public ModalHandler {
public:
    int exec(QDialog&) override { return 0; }
    bool ask(QWidget*, const QString&) override { return true; }
    void inform(QWidget*, const QString&) override {}
    void error(QWidget*, const QString&) override {}
};

void save(QWidget* w, const QString& folder, const QString& name) {
    w->show();
    QApplication::processEvents();
    w->grab().save(QDir(folder).filePath(name));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    AnswerYes yes;
    Modal::setHandler(&yes);
    setDecimalSeparatorSource([] { return QChar(u'.'); });
    createForms();
    Forms& f = forms();

    save(f.Main_Form, folder, QStringLiteral("main-start.png"));
    f.Main_Form->HandButton->trigger();
    save(f.Main_Form, folder, QStringLiteral("main-step-by-step.png"));
    f.Main_Form->AutoButton->trigger();
    save(f.Main_Form, folder, QStringLiteral("main-automatic.png"));
    f.Main_Form->HandButton->trigger();
    f.Main_Form->hide();

    save(f.DataNew, folder, QStringLiteral("passport.png"));
    f.DataNew->hide();
    save(f.Dialog1, folder, QStringLiteral("member-input.png"));
    f.Dialog1->hide();
    const char* tabs[] = {"additional-data-1.png", "additional-data-2.png", "additional-data-3.png",
                          "additional-data-4.png", "additional-data-5.png"};
    for (int t = 0; t < 5; ++t) {
        f.Form1->setTabShown(t, true);
        f.Form1->PageControl1->setCurrentIndex(t);
        save(f.Form1, folder, QString::fromLatin1(tabs[t]));
    }
    f.Form1->hide();
    save(f.FPoint, folder, QStringLiteral("decimal-comma.png"));
    f.FPoint->hide();

    // The selection windows for a compressed member of 250 kN, 2850 mm.
    f.Main_Form->AutoButton->trigger();
    DesignState& ds = designState();
    ds.Nazvanie = QStringLiteral("В1 (верхний пояс)");
    ds.Nforce = 250;
    ds.Lgeom = ds.Lx = ds.Ly = 2850;
    ds.MuX = ds.MuY = 1;
    ds.LandaType = 1;
    f.Dialog1->RadioButton2->setChecked(true); // compression
    save(f.FormSortV, folder, QStringLiteral("section-types.png"));
    f.FormSortV->hide();
    f.Fasonka->StaticText1->setText(gussetCaption(false, QString(), ds.Nforce));
    f.Fasonka->FasGrid->setRow(2);
    save(f.Fasonka, folder, QStringLiteral("gusset.png"));
    f.Fasonka->hide();
    LoadUgol1();
    ds.Tfas = 8;
    const PairRadiusColumn pair = pairRadiusColumn(ds.SechType, ds.Tfas);
    f.Form2->StringGrid1->setCell(pair.column, 0, pair.header);
    for (int r = 0; r < pair.values.size(); ++r)
        f.Form2->StringGrid1->setCell(pair.column, r + 1, pair.values[r]);
    computeRequiredArea(false);
    f.Form2->StaticText1->setText(requiredAreaText(QStringLiteral("Aтр. уголка = "), ds.Atr / 2));
    f.Form2->StringGrid1->setRow(30);
    emit f.Form2->StringGrid1->rowClicked();
    save(f.Form2, folder, QStringLiteral("catalogue.png"));
    f.Form2->hide();
    f.RyNewForm->StaticText1->setText(QStringLiteral("Максимальная толщина проката t = 8.00 мм"));
    f.RyNewForm->showGradeTab(QStringLiteral("C245"));
    save(f.RyNewForm, folder, QStringLiteral("ry-by-thickness.png"));
    f.RyNewForm->hide();
    checkTakenSection(false);
    f.Main_Form->RezultWindow();
    save(f.TextDialog, folder, QStringLiteral("results.png"));
    f.TextDialog->hide();
    destroyForms();
    Modal::setHandler(nullptr);
    return 0;
}
