#include "SessionKeeper.h"
#include "StoreFixture.h"

#include <QSqlDatabase>
#include <QSqlQuery>

using namespace store;

namespace {

struct ResultsStoreTest : StoreFixture {
    int RowCount() {
        int count = -1;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
            db.setDatabaseName(path);
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(QStringLiteral("SELECT count(*) FROM rows")) && q.next())
                    count = q.value(0).toInt();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("peek"));
        return count;
    }
};

TEST_F(ResultsStoreTest, ListsSessionsNewestFirstWithTheirFiguresAfterReopening) {
    Session older = SessionOf({200, 300, 250});
    // Counted from a reported frame, from the drawing, and a row of an earlier version.
    older.rows[0].onset = Onset::Frame;
    older.rows[0].uncertaintyMs = 0.52;
    older.rows[1].onset = Onset::Drawing;
    older.rows[1].uncertaintyMs = 8.4;
    Session newer = SessionOf({400}, QStringLiteral("Đorđe"));
    newer.header.started = older.header.started.addSecs(60);
    {
        TSessionKeeper keeper([&] { return OpenStoreFile(path); });
        keeper.Keep(older);
        keeper.Keep(newer);
        ASSERT_TRUE(keeper.AllKept()) << keeper.Problem().Serbian().toStdString();
    }
    const auto store = Open();
    const std::vector<SessionSummary> list = store->ListSessions();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].header, newer.header);
    EXPECT_EQ(list[1].header, older.header);
    EXPECT_EQ(list[1].figures, ComputeFigures(std::vector<double>{200, 300, 250}));
    EXPECT_EQ(store->LoadSession(list[1].id).rows, older.rows);
    EXPECT_EQ(store->LoadSession(list[0].id).header.participant, QStringLiteral("Đorđe"));
}

TEST_F(ResultsStoreTest, DeletesSessionsWithTheirRows) {
    TSessionKeeper keeper([&] { return OpenStoreFile(path); });
    const Session a = SessionOf({1, 2}), b = SessionOf({3}), c = SessionOf({4});
    for (const Session* s : {&a, &b, &c})
        keeper.Keep(*s);
    TResultsStore& store = *keeper.Store();
    std::vector<std::int64_t> ids;
    for (const SessionSummary& s : store.ListSessions())
        if (s.header.uid != b.header.uid)
            ids.push_back(s.id);
    store.DeleteSessions(ids);
    const auto left = store.ListSessions();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].header.uid, b.header.uid);
    // Rows left behind would join a later session that gets the same id.
    EXPECT_EQ(RowCount(), 1);
}

TEST_F(ResultsStoreTest, ImportsOnlySessionsItDoesNotHold) {
    const auto store = Open();
    const std::vector<Session> sessions{SessionOf({1}), SessionOf({2, 3})};
    EXPECT_EQ(store->ImportSessions(sessions), 2);
    EXPECT_EQ(store->ImportSessions(sessions), 0);
    EXPECT_EQ(store->ListSessions().size(), 2u);
}

TEST_F(ResultsStoreTest, FileOfTheCurrentSchemaOpensAgainWithoutChange) {
    Open()->ImportSessions(std::vector<Session>{SessionOf({7})});
    const auto again = OpenStoreFile(path);
    EXPECT_TRUE(again.notice.IsEmpty());
    EXPECT_FALSE(again.store->ReadOnly());
    EXPECT_EQ(again.store->ListSessions().size(), 1u);
}

} // namespace
