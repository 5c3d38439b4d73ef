#include "SessionKeeper.h"
#include "StoreFixture.h"

#include <QProcess>
#include <random>

using namespace store;

namespace {

struct SessionKeeperTest : StoreFixture {
    std::vector<SessionRow> StoredRows(const QString& uid) {
        const auto store = Open();
        for (const SessionSummary& s : store->ListSessions())
            if (s.header.uid == uid)
                return store->LoadSession(s.id).rows;
        return {};
    }
};

// After every step of a random run of appends, edits, inserts and deletions the store holds
// exactly the session handed over.
TEST_F(SessionKeeperTest, StoreFollowsEveryChangeOfTheSession) {
    TSessionKeeper keeper([&] { return OpenStoreFile(path); });
    Session s = SessionOf({});
    std::mt19937 random(7);
    for (int step = 0; step < 200; ++step) {
        const int kind = int(random() % 4);
        const std::size_t n = s.rows.size();
        if (kind == 0 || n == 0)
            s.rows.push_back(Row(double(n), double(150 + random() % 300)));
        else if (kind == 1)
            s.rows[random() % n].ms = double(random() % 1000);
        else if (kind == 2)
            s.rows.insert(s.rows.begin() + std::ptrdiff_t(random() % n),
                          Row(double(step), 1, RowKind::Entered));
        else
            s.rows.erase(s.rows.begin() + std::ptrdiff_t(random() % n));
        keeper.Keep(s);
        ASSERT_TRUE(keeper.AllKept());
        ASSERT_EQ(StoredRows(s.header.uid), s.rows) << "step " << step;
    }
}

TEST_F(SessionKeeperTest, SessionLeftWithoutRowsLeavesTheStore) {
    TSessionKeeper keeper([&] { return OpenStoreFile(path); });
    Session s = SessionOf({250});
    keeper.Keep(s);
    s.rows.clear();
    keeper.Keep(s);
    EXPECT_TRUE(Open()->ListSessions().empty());
}

TEST_F(SessionKeeperTest, TwoWritersAtOnceLoseNothing) {
    TSessionKeeper first([&] { return OpenStoreFile(path); });
    TSessionKeeper second([&] { return OpenStoreFile(path); });
    Session a = SessionOf({}), b = SessionOf({});
    for (int i = 0; i < 50; ++i) {
        a.rows.push_back(Row(i, 200 + i));
        first.Keep(a);
        b.rows.push_back(Row(i, 300 + i));
        second.Keep(b);
    }
    EXPECT_TRUE(first.AllKept() && second.AllKept());
    EXPECT_EQ(StoredRows(a.header.uid), a.rows);
    EXPECT_EQ(StoredRows(b.header.uid), b.rows);
}

// The recorder prints a trial only after it is kept; killed between two results, every trial
// it printed is in the store, each once.
TEST_F(SessionKeeperTest, KilledRecorderLosesNoResultItShowed) {
    QProcess recorder;
    recorder.start(QStringLiteral(STORE_RECORDER), {path});
    ASSERT_TRUE(recorder.waitForStarted());
    QByteArray printed;
    while (printed.count('\n') < 20 && recorder.waitForReadyRead(30000))
        printed += recorder.readAllStandardOutput();
    recorder.kill();
    recorder.waitForFinished();
    printed += recorder.readAllStandardOutput();
    const int shown = int(printed.count('\n'));
    ASSERT_GE(shown, 20);

    const auto store = Open();
    const auto sessions = store->ListSessions();
    ASSERT_EQ(sessions.size(), 1u);
    const std::vector<SessionRow> rows = store->LoadSession(sessions[0].id).rows;
    // At most the one result kept after the last line printed can be there besides.
    ASSERT_GE(int(rows.size()), shown);
    ASSERT_LE(int(rows.size()), shown + 1);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].trial, double(i));
}

} // namespace
