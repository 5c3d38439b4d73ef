#include "Application.h"
#include "LabEnvironment.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

TLabServer* LabEnvironment::server = nullptr;

// The window on a lab station, against a server of the program's own.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    FillSystemColorsFromPalette(app.palette());
    qputenv("PGPASSWORD", TLabServer::Password);
    ::testing::AddGlobalTestEnvironment(new LabEnvironment);
    return RUN_ALL_TESTS();
}
