// The program starts by loading its start-up window, whose load handler runs the whole
// start-up sequence and ends the program when the main window closes.
#include <QApplication>
#include <QIcon>

#include "platform/services.h"
#include "window/avcalc1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The installed menu entry and icon carry this name; the desktop shows them for the
    // program's windows. Run from the build folder there is no such icon: Qt's own stays.
    const QString appId = QStringLiteral("example.quenmar.AviationCalculator");
    QGuiApplication::setDesktopFileName(appId);
    QApplication::setWindowIcon(QIcon::fromTheme(appId));
    platform::Initialise();
    static Avcalc1 startup;
    startup.Load();
    return 0;
}
