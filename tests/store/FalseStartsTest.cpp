#include "LongCsv.h"
#include "StoreFixture.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <cmath>

using namespace store;

namespace {

struct FalseStartsTest : StoreFixture {
    // Two results and two false starts, the second without a time.
    static Session WithFalseStarts() {
        Session s = SessionOf({250, 300});
        s.rows.insert(s.rows.begin() + 1, Row(0, 812, RowKind::FalseStart));
        s.rows.push_back(Row(1, NAN, RowKind::FalseStart));
        return s;
    }

    void RunSql(std::initializer_list<QString> statements) {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(path);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            for (const QString& sql : statements)
                ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
};

TEST_F(FalseStartsTest, AreKeptWithOrWithoutTimeAndLeftOutOfTheFigures) {
    const Session s = WithFalseStarts();
    Open()->ImportSessions(std::vector<Session>{s});
    const auto store = Open();
    const std::vector<SessionSummary> list = store->ListSessions();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].figures, ComputeFigures(std::vector<double>{250, 300}));
    EXPECT_EQ(store->LoadSession(list[0].id).rows, s.rows);
}

TEST_F(FalseStartsTest, AreExportedAndReadBack) {
    const std::vector<Session> sessions{WithFalseStarts()};
    const std::string csv = WriteLongCsv(sessions);
    EXPECT_NE(csv.find(",false_start,0,812,"), std::string::npos);
    EXPECT_NE(csv.find(",false_start,1,,"), std::string::npos);
    EXPECT_EQ(ReadLongCsv(csv)[0].rows, sessions[0].rows);
}

// A file of the first schema, whose times could not be empty, takes false starts after opening.
TEST_F(FalseStartsTest, FirstSchemaFileIsMigratedKeepingItsRows) {
    RunSql({QStringLiteral(
                "CREATE TABLE sessions (id INTEGER PRIMARY KEY, uid TEXT NOT NULL UNIQUE, kind "
                "TEXT NOT NULL, station TEXT NOT NULL, participant TEXT NOT NULL DEFAULT '', "
                "started TEXT NOT NULL, ended TEXT NOT NULL, settings TEXT NOT NULL DEFAULT '', n "
                "INTEGER NOT NULL DEFAULT 0, mean REAL NOT NULL DEFAULT 0, median REAL NOT NULL "
                "DEFAULT 0, deviation REAL NOT NULL DEFAULT 0, fastest REAL NOT NULL DEFAULT 0, "
                "slowest REAL NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE INDEX sessions_by_start ON sessions (started)"),
            QStringLiteral(
                "CREATE TABLE rows (session INTEGER NOT NULL REFERENCES sessions (id), position "
                "INTEGER NOT NULL, kind TEXT NOT NULL, trial REAL NOT NULL, ms REAL NOT NULL, at "
                "INTEGER NOT NULL, cycles_ms REAL, reported_ms REAL, PRIMARY KEY (session, "
                "position)) WITHOUT ROWID"),
            QStringLiteral("INSERT INTO sessions (uid, kind, station, started, ended, n, mean) "
                           "VALUES ('old', 'reaction', 'lab-1', '2027-01-15T08:00:00.000Z', "
                           "'2027-01-15T08:00:00.000Z', 1, 240)"),
            QStringLiteral("INSERT INTO rows VALUES (1, 0, 'measured', 0, 240, 0, NULL, NULL)"),
            QStringLiteral("PRAGMA user_version = 1")});
    const auto store = Open();
    ASSERT_FALSE(store->ReadOnly());
    ASSERT_EQ(store->LoadSession(1).rows.size(), 1u);
    EXPECT_EQ(store->LoadSession(1).rows[0].ms, 240);
    // Kept before results knew their onset: they have none.
    EXPECT_EQ(store->LoadSession(1).rows[0].onset, Onset::None);
    EXPECT_TRUE(std::isnan(store->LoadSession(1).rows[0].uncertaintyMs));
    const Session s = WithFalseStarts();
    EXPECT_EQ(store->ImportSessions(std::vector<Session>{s}), 1);
    EXPECT_EQ(store->LoadSession(2).rows, s.rows);
}

} // namespace
