#include "LabFixture.h"

#include <QProcess>
#include <array>

namespace {

using StationsTest = LabFixture;

// Eight stations start at once on an empty database: they create the schema together and
// every one of their results arrives once.
TEST_F(StationsTest, EightStationsRecordingAtOnceAllArriveOnce) {
    constexpr int Stations = 8;
    constexpr int Results = 1000;
    std::array<QProcess, Stations> recorders;
    for (int i = 0; i < Stations; ++i)
        recorders[i].start(QStringLiteral(LAB_RECORDER),
                           {folder.filePath(QStringLiteral("station-%1.sqlite").arg(i)),
                            Address().Shown(), QStringLiteral("lab-%1").arg(i),
                            QString::number(Results)});
    for (QProcess& r : recorders) {
        ASSERT_TRUE(r.waitForFinished(240'000));
        EXPECT_EQ(r.exitCode(), 0) << r.readAllStandardError().toStdString();
    }
    EXPECT_EQ(Sql(QStringLiteral("SELECT count(*) FROM rows")),
              QString::number(Stations * Results));
    // Each session whole: places 0..999 holding trials 0..999, and its figures of them all.
    EXPECT_EQ(
        Sql(QStringLiteral("SELECT count(*) FROM (SELECT session FROM rows GROUP BY session HAVING "
                           "count(*) = %1 AND min(position) = 0 AND max(position) = %2 AND "
                           "bool_and(trial = position)) whole")
                .arg(Results)
                .arg(Results - 1)),
        QString::number(Stations));
    EXPECT_EQ(Sql(QStringLiteral("SELECT count(DISTINCT station) || ' ' || min(n) || ' ' || max(n) "
                                 "FROM sessions")),
              QStringLiteral("8 1000 1000"));
}

} // namespace
