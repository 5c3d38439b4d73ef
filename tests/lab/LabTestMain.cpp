#include "LabEnvironment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TLabServer* LabEnvironment::server = nullptr;

// One server for the whole program: starting one takes a second or two.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    // The client library takes the password from here, as the program does on a station.
    qputenv("PGPASSWORD", TLabServer::Password);
    ::testing::AddGlobalTestEnvironment(new LabEnvironment);
    return RUN_ALL_TESTS();
}
