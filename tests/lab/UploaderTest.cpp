#include "LabFixture.h"

#include <QProcess>

using namespace store;

namespace {

using UploaderTest = LabFixture;

// The server's rows of a session, in their order, as "trial:ms" for a readable failure.
QStringList ServerRows(const LabCase& f, const QString& uid) {
    return f
        .Sql(QStringLiteral("SELECT trial || ':' || ms FROM rows WHERE session = '%1' "
                            "ORDER BY position")
                 .arg(uid))
        .split(u'\n', Qt::SkipEmptyParts);
}

QStringList Expected(const Session& s) {
    QStringList rows;
    for (const SessionRow& r : s.rows)
        rows << QStringLiteral("%1:%2").arg(r.trial).arg(r.ms);
    return rows;
}

TEST_F(UploaderTest, EditsInsertsDeletesAndTheParticipantReachTheServer) {
    Station station(LocalOpener(), Address());
    Session a = NewSession(QStringLiteral("lab-1"), 4);
    Session b = NewSession(QStringLiteral("lab-1"), 2);
    station.Keep(a);
    station.Keep(b);
    a.rows[1].ms = 999;                          // an edit
    a.rows.insert(a.rows.begin(), Row(-1, 150)); // an insert at the start
    a.rows.pop_back();                           // a deletion at the end
    station.Keep(a);
    station.keeper.Store()->SetParticipant(station.keeper.Store()->FindSession(a.header.uid)->id,
                                           QStringLiteral("Marko"));
    station.uploader.Send();
    const std::int64_t bId = station.keeper.Store()->FindSession(b.header.uid)->id;
    station.keeper.Store()->DeleteSessions({&bId, 1});
    station.keeper.Forget(b.header.uid);
    station.uploader.Send();

    EXPECT_EQ(station.uploader.Waiting(), 0);
    EXPECT_TRUE(station.uploader.Problem().IsEmpty());
    EXPECT_EQ(ServerRows(*this, a.header.uid), Expected(a));
    EXPECT_EQ(Sql(QStringLiteral("SELECT participant || ' ' || n FROM sessions")),
              QStringLiteral("Marko 4"));
    EXPECT_EQ(
        Sql(QStringLiteral("SELECT count(*) FROM rows WHERE session = '%1'").arg(b.header.uid)),
        QStringLiteral("0"));
}

TEST_F(UploaderTest, ResultsQueuedWhileTheServerIsDownArriveAfterItsRestartInOrderOnce) {
    Station station(LocalOpener(), Address());
    Session s = NewSession(QStringLiteral("lab-1"), 0);
    for (int i = 0; i < 50; ++i) {
        s.rows.push_back(Row(i, 200 + i));
        station.Keep(s);
    }
    server.Stop();
    for (int i = 50; i < 120; ++i) {
        s.rows.push_back(Row(i, 200 + i));
        station.Keep(s);
    }
    s.rows[10].ms = 777; // an edit made while the server was away
    station.Keep(s);
    EXPECT_EQ(station.uploader.Waiting(), 71);
    EXPECT_THAT(station.uploader.Problem().Serbian().toStdString(),
                ::testing::HasSubstr("nije dostupan"));
    EXPECT_EQ(station.notices.size(), 1u);

    server.Start();
    station.uploader.Send(); // the 30 s retry
    EXPECT_EQ(station.uploader.Waiting(), 0);
    EXPECT_TRUE(station.uploader.Problem().IsEmpty());
    EXPECT_EQ(ServerRows(*this, s.header.uid), Expected(s));
}

TEST_F(UploaderTest, SessionsMadeBeforeAServerWasSetAreSentOnce) {
    Session before = NewSession(QStringLiteral("lab-1"), 3);
    {
        store::TSessionKeeper alone([path = localPath] { return OpenStoreFile(path); });
        alone.Keep(before);
    }
    {
        Station station(LocalOpener(), Address());
        station.keeper.Retry();
        station.uploader.Send();
        EXPECT_EQ(station.uploader.Waiting(), 0);
    }
    EXPECT_EQ(ServerRows(*this, before.header.uid), Expected(before));
    // Started again with the server, the station has nothing more to send: they went once.
    Sql(QStringLiteral("DELETE FROM sessions"));
    Station again(LocalOpener(), Address());
    again.keeper.Retry();
    EXPECT_EQ(again.keeper.Store()->OutboxSize(), 0);
}

// The recorder prints a trial once it is in its local store; the server is unreachable, so
// everything waits there when the recorder is killed. Started again, the station sends it.
TEST_F(UploaderTest, AStationKilledWhileWaitingSendsWhatItShowedWhenItStartsAgain) {
    ServerAddress away = Address();
    away.port = 1;
    QProcess recorder;
    recorder.start(QStringLiteral(LAB_RECORDER),
                   {localPath, away.Shown(), QStringLiteral("lab-7")});
    ASSERT_TRUE(recorder.waitForStarted());
    QByteArray printed;
    while (printed.count('\n') < 30 && recorder.waitForReadyRead(30000))
        printed += recorder.readAllStandardOutput();
    recorder.kill();
    recorder.waitForFinished();
    printed += recorder.readAllStandardOutput();
    const int shown = int(printed.count('\n'));
    ASSERT_GE(shown, 30);

    Station restarted(LocalOpener(), Address());
    restarted.keeper.Retry();
    restarted.uploader.Send();
    EXPECT_EQ(restarted.uploader.Waiting(), 0);
    const QString uid = Sql(QStringLiteral("SELECT uid FROM sessions WHERE station = 'lab-7'"));
    const QStringList rows =
        Sql(QStringLiteral("SELECT trial FROM rows WHERE session = '%1' ORDER BY position")
                .arg(uid))
            .split(u'\n');
    ASSERT_GE(rows.size(), shown);
    ASSERT_LE(rows.size(), shown + 1);
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].toInt(), i);
}

} // namespace
