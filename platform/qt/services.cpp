#include "platform/services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "platform/qt/accessibility.h"
#include "platform/qt/text.h"
#include "startup/avcalc_mod.h"

namespace platform {

int RunApplication(int argc, char** argv, const char* desktopId,
                   const std::function<void()>& start) {
    QApplication app(argc, argv);
    const QString id = QString::fromLatin1(desktopId);
    QGuiApplication::setDesktopFileName(id);
    // The installed icon files, taken straight from the data folders: looking the name up
    // through the icon theme walks every theme folder and cost more than anything else of
    // the start. Run from the build folder there is no such file: Qt's own icon stays.
    QIcon icon;
    for (const char* size : {"48x48", "128x128", "256x256"}) {
        const QString file = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation,
            QStringLiteral("icons/hicolor/%1/apps/%2.png").arg(QLatin1String(size), id));
        if (!file.isEmpty()) icon.addFile(file);
    }
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
    Initialise();
    start();
    return 0;
}

void Initialise() {
    static bool done = false;
    if (done || QGuiApplication::instance() == nullptr) return;
    done = true;
    InstallAccessibility();
    if (QFontDatabase::families().contains(QString::fromLatin1(AvcalcMod::FaceName))) return;
    // fontconfig does not look in the wine folder; a missing file leaves the default face.
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
}

std::optional<PixelRect> DesktopWorkArea() {
    if (QGuiApplication::instance() == nullptr) return std::nullopt;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return std::nullopt;
    const QRect area = screen->availableGeometry();
    if (area.isEmpty()) return std::nullopt;
    return PixelRect{area.left(), area.top(), area.left() + area.width(),
                     area.top() + area.height()};
}

namespace {
float PerPixel(bool horizontal) {
    if (QGuiApplication::instance() == nullptr) return 15.0F;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 15.0F;
    const qreal dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 1.0 ? static_cast<float>(1440.0 / dpi) : 15.0F;
}
}  // namespace

float TwipsPerPixelX() {
    return PerPixel(true);
}
float TwipsPerPixelY() {
    return PerPixel(false);
}

void OpenWebAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(ToUnicode(address)));
}

std::string WorkingFolder() {
    return FromUnicode(QDir::toNativeSeparators(QDir::currentPath()));
}

void RunSoon(std::function<void()> task) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || !task) return;
    QTimer::singleShot(0, app, std::move(task));
}

std::string ClipboardText() {
    if (QGuiApplication::instance() == nullptr) return {};
    return FromUnicode(QGuiApplication::clipboard()->text());
}

void SetClipboardText(const std::string& text) {
    if (QGuiApplication::instance() != nullptr)
        QGuiApplication::clipboard()->setText(ToUnicode(text));
}

void EndProcess() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    // No close handlers, no static teardown (Qt's would warn about windows still alive).
    std::_Exit(0);
}

void ResetMousePointer() {
    if (QGuiApplication::instance() == nullptr) return;
    while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
}

}  // namespace platform
