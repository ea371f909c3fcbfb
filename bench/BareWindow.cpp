// The yardstick for the programs' start-up: a Qt Widgets program that shows one empty window and
// does nothing else, built with the same Qt and flags as the programs.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    window.resize(210, 19);
    window.show();
    return QApplication::exec();
}
