#include "LatencyStamps.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// Switches the stamps on for `path` and off again when the test ends, so no other test writes.
struct StampsNamed {
    explicit StampsNamed(const QString& path) {
        qputenv("TAVULIN_LATENCY_STAMPS", QFile::encodeName(path));
        LatencyStamps::InstallFromEnvironment();
    }
    ~StampsNamed() {
        qunsetenv("TAVULIN_LATENCY_STAMPS");
        LatencyStamps::InstallFromEnvironment();
    }
};

// A pipe with no reader once blocked the window at the first trial's stamp line; a device
// would take lines meant for the probe. Only a regular file switches the stamps on.
TEST(LatencyStamps, OnlyARegularFileSwitchesThemOn) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    {
        StampsNamed stamps(fifo);
        EXPECT_FALSE(LatencyStamps::On());
        LatencyStamps::WriteResponse(250);
    }
    {
        StampsNamed stamps("/dev/null");
        EXPECT_FALSE(LatencyStamps::On());
    }
    {
        StampsNamed stamps(dir.filePath("missing/stamps.txt"));
        EXPECT_FALSE(LatencyStamps::On());
    }
    const QString file = dir.filePath("stamps.txt");
    {
        StampsNamed stamps(file);
        EXPECT_TRUE(LatencyStamps::On());
        LatencyStamps::WriteResponse(250);
        LatencyStamps::WriteResponse(312.5);
    }
    EXPECT_FALSE(LatencyStamps::On());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(" 250.000000"));
    EXPECT_TRUE(lines[1].endsWith(" 312.500000"));
}

} // namespace
