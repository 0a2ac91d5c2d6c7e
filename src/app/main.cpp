#include "app/Forms.h"
#include "app/MainForm.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationTitle());
    int result = 0;
    // With a decimal comma the windows' creation ends the program before the
    // main window is shown.
    if (createForms()) {
        forms().Main_Form->show();
        result = QApplication::exec();
    }
    destroyForms();
    return result;
}
