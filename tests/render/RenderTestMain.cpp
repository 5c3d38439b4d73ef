#include "device/FontSubstitutes.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// Canvases and charts measure and draw text, which needs a GUI application (never a display:
// test discovery runs these programs without the test environment, so default to the offscreen
// platform here).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
