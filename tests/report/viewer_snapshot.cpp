// Draws the text viewer with a given file into PNG pictures, to look at it as
// a user would: report_viewer_snapshot FILE OUT_PREFIX (writes
// OUT_PREFIX.png, OUT_PREFIX-find.png with the search bar open, and the
// printout OUT_PREFIX.pdf).

#include "report/TextViewer.h"

#include <QApplication>
#include <QPixmap>
#include <QPrinter>
#include <QTextStream>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: report_viewer_snapshot FILE OUT_PREFIX\n";
        return 2;
    }
    TextViewer viewer;
    QString error;
    if (!viewer.load(QString::fromLocal8Bit(argv[1]), &error)) {
        QTextStream(stderr) << error << "\n";
        return 1;
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    viewer.show();
    app.processEvents();
    viewer.grab().save(prefix + QStringLiteral(".png"));
    viewer.showFind();
    app.processEvents();
    viewer.grab().save(prefix + QStringLiteral("-find.png"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(prefix + QStringLiteral(".pdf"));
    viewer.printTo(printer);
    return 0;
}
