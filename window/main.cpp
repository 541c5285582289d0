// The program starts by loading its start-up window, whose load handler runs the whole
// start-up sequence and ends the program when the main window closes.
#include <QApplication>

#include "platform/services.h"
#include "window/avcalc1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::Initialise();
    static Avcalc1 startup;
    startup.Load();
    return 0;
}
