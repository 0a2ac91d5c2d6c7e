#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Kelvor: главное окно программы ещё не готово."));
    label.setMargin(24);
    label.show();
    return app.exec();
}
