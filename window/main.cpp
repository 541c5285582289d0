// The program starts by loading its start-up window, whose load handler runs the whole
// start-up sequence and ends the program when the main window closes.
#include "platform/services.h"
#include "window/avcalc1.h"

int main(int argc, char** argv) {
    // The installed menu entry and icon carry this name.
    return platform::RunApplication(argc, argv, "example.quenmar.AviationCalculator", [] {
        static Avcalc1 startup;
        startup.Load();
    });
}
