#include "Application.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

// Widgets need the application object; it lives for the whole test run.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    FillSystemColorsFromPalette(app.palette());
    return RUN_ALL_TESTS();
}
