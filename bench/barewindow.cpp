// The yardstick of the start benchmark: a bare Qt main window holding one Japanese label.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "firstshow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    wm::installFirstShowHook();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("wmtool"));
    window.setCentralWidget(new QLabel(QStringLiteral("仕事技術計算")));
    window.show();
    return app.exec();
}
