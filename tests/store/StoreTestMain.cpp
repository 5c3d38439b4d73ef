#include <QCoreApplication>
#include <gtest/gtest.h>

// The database drivers are plugins, found through the application object.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
