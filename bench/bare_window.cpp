// The floor of start-up: a Qt 6 program that shows one empty window the size of the
// calculator's main window (887 x 371 pixels) and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(887, 371);
    window.show();
    return QApplication::exec();
}
