#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts need a GUI application; the tests never need a display (test discovery runs this
// program without the test environment, so default to the offscreen platform here too).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
