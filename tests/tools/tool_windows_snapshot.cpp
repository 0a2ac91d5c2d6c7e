// Saves a picture of each tool window, as a user would see it, into the folder
// named on the command line (run with QT_QPA_PLATFORM=offscreen). Not a test:
// the pictures are for looking at.
#include "tools/DeskCalculator.h"
#include "tools/TAboutForm.h"
#include "tools/TFormFi.h"
#include "tools/TInForm.h"

#include <cstdio>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>

namespace {

bool save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    const bool ok = window.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    window.hide();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;

    TFormFi fi;
    ok &= save(fi, folder, QStringLiteral("fi_default"));
    fi.ComboBox2->setCurrentIndex(1);
    ok &= save(fi, folder, QStringLiteral("fi_sp"));
    fi.ComboBox1->setCurrentIndex(2);
    ok &= save(fi, folder, QStringLiteral("fi_lattice"));

    TAboutForm about;
    ok &= save(about, folder, QStringLiteral("about"));
    TInForm info;
    ok &= save(info, folder, QStringLiteral("sysinfo_system"));
    info.PageControl1->setCurrentIndex(1);
    ok &= save(info, folder, QStringLiteral("sysinfo_disk"));

    DeskCalculator calc;
    for (const char* key : {"1", "2", "3", "+", "4"})
        calc.button(QString::fromUtf8(key))->click();
    ok &= save(calc, folder, QStringLiteral("desk_calculator"));
    return ok ? 0 : 1;
}
