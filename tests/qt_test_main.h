// main() of the window tests: an offscreen application unless a display is chosen.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "platform/qt/widgets.h"

// The widget behind a control or window, to drive it as the desktop would.
using platform::NativeWidget;

// Under the sanitizer build: allocations that fontconfig and Qt keep for the life of
// the process are reported as leaks at exit; only those libraries are passed over.
#define AVC_QT_TEST_MAIN()                                    \
    extern "C" const char* __lsan_default_suppressions() {    \
        return "leak:libfontconfig.so\n"                      \
               "leak:libQt6Core.so\n"                         \
               "leak:libQt6Gui.so\n"                          \
               "leak:libQt6Widgets.so\n"                      \
               "leak:libglib-2.0.so\n"                        \
               "leak:libdbus-1.so\n";                         \
    }                                                         \
    int main(int argc, char** argv) {                         \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
            qputenv("QT_QPA_PLATFORM", "offscreen");          \
        }                                                     \
        QApplication app(argc, argv);                         \
        ::testing::InitGoogleTest(&argc, argv);               \
        return RUN_ALL_TESTS();                               \
    }
