// main() of the window tests: an offscreen application unless a display is chosen.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#define AVC_QT_TEST_MAIN()                                                   \
    int main(int argc, char** argv) {                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                \
            qputenv("QT_QPA_PLATFORM", "offscreen");                         \
        }                                                                    \
        QApplication app(argc, argv);                                        \
        ::testing::InitGoogleTest(&argc, argv);                              \
        return RUN_ALL_TESTS();                                              \
    }
