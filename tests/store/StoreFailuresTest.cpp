#include "FileSystemHelpers.h"
#include "SessionKeeper.h"
#include "StoreFixture.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <optional>

using namespace store;

namespace {

struct StoreFailuresTest : StoreFixture {
    QStringList notices;

    QStringList MovedAside() const {
        return QDir(folder.path()).entryList({QStringLiteral("results.sqlite.damaged-*")});
    }

    void RunSql(const QString& sql) {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(path);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(sql));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
};

struct DamageCase {
    const char* name;
    // Turns the bytes of a good store of three results into what is found at the path.
    QByteArray (*damage)(const QByteArray& good);
};

class DamagedStoreTest : public StoreFailuresTest,
                         public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedStoreTest, IsMovedAsideWholeAndANewStoreStarts) {
    {
        const auto store = Open();
        store->ImportSessions(std::vector<Session>{SessionOf({200, 250, 300})});
    }
    const QByteArray found = GetParam().damage(ReadFile(path));
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    WriteFile(path, found);

    const OpenedStore opened = OpenStoreFile(path);
    ASSERT_EQ(MovedAside().size(), 1);
    EXPECT_EQ(ReadFile(folder.filePath(MovedAside()[0])), found);
    EXPECT_TRUE(opened.notice.Serbian().contains(MovedAside()[0]))
        << opened.notice.Serbian().toStdString();
    EXPECT_TRUE(opened.store->ListSessions().empty());
    EXPECT_EQ(opened.store->ImportSessions(std::vector<Session>{SessionOf({1})}), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedStoreTest,
    ::testing::Values(DamageCase{"NotADatabase",
                                 [](const QByteArray&) { return QByteArray(5000, 'x'); }},
                      DamageCase{"TruncatedDatabase",
                                 [](const QByteArray& good) { return good.left(good.size() / 2); }},
                      DamageCase{"PagesOverwritten",
                                 [](const QByteArray& good) {
                                     QByteArray bad = good;
                                     for (qsizetype i = 1024; i < bad.size(); i += 7)
                                         bad[i] = char(0xA5);
                                     return bad;
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreFailuresTest, LaterSchemaIsOnlyReadAndNewRowsWaitInMemory) {
    Open()->ImportSessions(std::vector<Session>{SessionOf({200})});
    RunSql(QStringLiteral("PRAGMA user_version = 99"));
    const QByteArray before = ReadFile(path);

    TSessionKeeper keeper([this] { return OpenStoreFile(path); });
    keeper.OnNotice = [this](const store::StoreMessage& n) { notices << n.Serbian(); };
    keeper.Retry();
    ASSERT_NE(keeper.Store(), nullptr);
    EXPECT_EQ(notices.size(), 1);
    EXPECT_TRUE(keeper.Store()->ReadOnly());
    EXPECT_EQ(keeper.Store()->ListSessions().size(), 1u);
    keeper.Keep(SessionOf({300}));
    EXPECT_FALSE(keeper.AllKept());
    EXPECT_FALSE(keeper.Problem().IsEmpty());
    EXPECT_EQ(notices.size(), 1);
    EXPECT_EQ(ReadFile(path), before);
}

// Whatever stops the writes, the rows wait, the user hears of it once, and everything is
// written once the store works again.
TEST_F(StoreFailuresTest, FullDiskKeepsRowsUntilThereIsRoomAgain) {
    TSessionKeeper keeper([this] { return OpenStoreFile(path); });
    keeper.OnNotice = [this](const store::StoreMessage& n) { notices << n.Serbian(); };
    Session s = SessionOf({200});
    keeper.Keep(s);
    ASSERT_TRUE(keeper.AllKept());
    {
        const FileSizeLimit full(QFileInfo(path).size());
        for (int i = 1; i < 400; ++i) {
            s.rows.push_back(Row(i, 200 + i));
            keeper.Keep(s);
        }
        EXPECT_FALSE(keeper.AllKept());
        EXPECT_EQ(notices.size(), 1);
    }
    keeper.Retry();
    EXPECT_TRUE(keeper.AllKept()) << keeper.Problem().Serbian().toStdString();
    EXPECT_EQ(Open()->LoadSession(Open()->ListSessions()[0].id).rows, s.rows);
}

TEST_F(StoreFailuresTest, ReadOnlyFolderKeepsRowsUntilItCanBeWritten) {
    const QString inner = folder.filePath(QStringLiteral("locked"));
    QDir().mkpath(inner);
    path = inner + QStringLiteral("/results.sqlite");
    QFile::setPermissions(inner, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    std::optional<TSessionKeeper> keeper;
    Session s = SessionOf({200, 210});
    {
        const WithoutPermissionOverride asUser;
        keeper.emplace([this] { return OpenStoreFile(path); });
        keeper->Keep(s);
        EXPECT_EQ(keeper->Store(), nullptr);
        EXPECT_FALSE(keeper->Problem().IsEmpty());
    }
    QFile::setPermissions(inner,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    keeper->Retry();
    ASSERT_TRUE(keeper->AllKept()) << keeper->Problem().Serbian().toStdString();
    EXPECT_EQ(Open()->ListSessions().size(), 1u);
}

} // namespace
