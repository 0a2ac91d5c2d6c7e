// Grabs the windows of the application shell to PNG files (for the user guide):
//   app_screens OUTPUT_FOLDER
// Runs in the current directory (it writes Kelvor.CNT there when missing).

#include "app/AdditionalDataForm.h"
#include "app/Forms.h"
#include "app/InputDialog.h"
#include "app/MainForm.h"
#include "app/PassportForm.h"
#include "app/PointForm.h"
#include "app/Startup.h"
#include "common/Modal.h"

#include <QApplication>
#include <QDir>
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
    destroyForms();
    Modal::setHandler(nullptr);
    return 0;
}
