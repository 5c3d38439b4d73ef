#include "StoreFile.h"

#include "SqlSteps.h"
#include "StoreError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>
#include <functional>
#include <vector>

namespace store {

namespace {

// Each step takes the file from the version of its index to the next one. Steps are only ever
// added, so that every earlier file opens.
const std::vector<std::function<void(const QSqlDatabase&)>> Migrations{
    [](const QSqlDatabase& db) {
        Run(db,
            QStringLiteral(
                "CREATE TABLE sessions ("
                " id INTEGER PRIMARY KEY, uid TEXT NOT NULL UNIQUE, kind TEXT NOT NULL,"
                " station TEXT NOT NULL, participant TEXT NOT NULL DEFAULT '',"
                " started TEXT NOT NULL, ended TEXT NOT NULL, settings TEXT NOT NULL DEFAULT '',"
                " n INTEGER NOT NULL DEFAULT 0, mean REAL NOT NULL DEFAULT 0,"
                " median REAL NOT NULL DEFAULT 0, deviation REAL NOT NULL DEFAULT 0,"
                " fastest REAL NOT NULL DEFAULT 0, slowest REAL NOT NULL DEFAULT 0)"));
        Run(db, QStringLiteral("CREATE INDEX sessions_by_start ON sessions (started)"));
        Run(db,
            QStringLiteral(
                "CREATE TABLE rows ("
                " session INTEGER NOT NULL REFERENCES sessions (id), position INTEGER NOT NULL,"
                " kind TEXT NOT NULL, trial REAL NOT NULL, ms REAL NOT NULL, at INTEGER NOT NULL,"
                " cycles_ms REAL, reported_ms REAL, PRIMARY KEY (session, position)) WITHOUT "
                "ROWID"));
    },
    // A false start may have no time: the rows table is rebuilt with ms allowed to be NULL
    // (SQLite cannot drop a column's NOT NULL in place).
    [](const QSqlDatabase& db) {
        Run(db, QStringLiteral(
                    "CREATE TABLE rows_2 ("
                    " session INTEGER NOT NULL REFERENCES sessions (id), position INTEGER NOT NULL,"
                    " kind TEXT NOT NULL, trial REAL NOT NULL, ms REAL, at INTEGER NOT NULL,"
                    " cycles_ms REAL, reported_ms REAL, PRIMARY KEY (session, position)) WITHOUT "
                    "ROWID"));
        Run(db, QStringLiteral("INSERT INTO rows_2 SELECT session, position, kind, trial, ms, at, "
                               "cycles_ms, reported_ms FROM rows"));
        Run(db, QStringLiteral("DROP TABLE rows"));
        Run(db, QStringLiteral("ALTER TABLE rows_2 RENAME TO rows"));
    },
    [](const QSqlDatabase& db) {
        // The changes a station has not yet sent to the lab server, in the order made.
        Run(db, QStringLiteral("CREATE TABLE outbox (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
                               " uid TEXT NOT NULL, from_position INTEGER NOT NULL)"));
    },
    [](const QSqlDatabase& db) {
        // What each measured time counts from, and how far it may be off; NULL in older rows.
        Run(db, QStringLiteral("ALTER TABLE rows ADD COLUMN onset TEXT"));
        Run(db, QStringLiteral("ALTER TABLE rows ADD COLUMN uncertainty_ms REAL"));
    },
    [](const QSqlDatabase& db) {
        // Whether the outbox has been kept since the store last ran without a server: the
        // sessions made before are queued once when it starts again.
        Run(db, QStringLiteral("CREATE TABLE outbox_kept (kept INTEGER NOT NULL)"));
        Run(db, QStringLiteral("INSERT INTO outbox_kept VALUES (0)"));
    },
};

// SQLite's result codes that mean the file itself is bad, as opposed to busy or unreachable.
bool MeansDamage(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("11") || code == QLatin1String("26");
}

bool HasDatabaseHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable is not proof of damage: opening will say why
    if (file.size() == 0)
        return true;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

// Moves the file and its journal files aside under one new name; returns that name.
QString MoveAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = QStringLiteral("%1.damaged-%2").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QStringLiteral("%1.damaged-%2-%3").arg(path, stamp).arg(n);
    if (!QFile::rename(path, target))
        throw StoreError(QT_TRANSLATE_NOOP("Store", "Oštećena baza %1 ne može da se skloni."),
                         {path});
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString journal = path + QLatin1String(suffix);
        if (QFileInfo::exists(journal))
            QFile::rename(journal, target + QLatin1String(suffix));
    }
    return target;
}

QString NewConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("tavulin-store-%1").arg(next++);
}

// Drops the connection unless it is handed over to a store.
struct Connection {
    QString name;
    bool handedOver = false;
    ~Connection() {
        if (handedOver)
            return;
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
};

QSqlDatabase Connect(const QString& path, const QString& name) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (!db.isValid())
        throw StoreError(QT_TRANSLATE_NOOP(
            "Store", "Program nema upravljački program za SQLite (libqt6sql6-sqlite)."));
    db.setDatabaseName(path);
    // A second window writing at the same moment waits for it instead of failing.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Baza %1 ne može da se otvori"), db.lastError(),
                        {path});
    return db;
}

// True when the file passes its integrity check; raises StoreError when it cannot be checked
// for a reason other than damage.
bool PassesIntegrityCheck(const QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) {
        if (MeansDamage(q.lastError()))
            return false;
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Baza ne može da se pročita"), q.lastError());
    }
    return q.next() && q.value(0).toString() == QLatin1String("ok");
}

int UserVersion(const QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Baza ne može da se pročita"), q.lastError());
    return q.value(0).toInt();
}

void Migrate(const QSqlDatabase& db, int from) {
    QSqlDatabase writable = db;
    Transaction t(writable);
    for (int v = from; v < TResultsStore::SchemaVersion; ++v)
        Migrations[std::size_t(v)](db);
    Run(db, QStringLiteral("PRAGMA user_version = %1").arg(TResultsStore::SchemaVersion));
    t.Commit();
}

} // namespace

class StoreOpener {
public:
    static std::unique_ptr<TResultsStore> Make(const QString& path, const QString& name,
                                               bool readOnly) {
        return std::unique_ptr<TResultsStore>(new TResultsStore(path, name, readOnly));
    }
};

OpenedStore OpenStoreFile(const QString& path) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw StoreError(QT_TRANSLATE_NOOP("Store", "Fascikla %1 ne može da se napravi."),
                         {info.absolutePath()});

    OpenedStore opened;
    const auto moveAside = [&] {
        const QString target = MoveAside(path);
        opened.notice = StoreMessage(QT_TRANSLATE_NOOP("Store", "Baza rezultata %1 je oštećena; "
                                                                "premeštena je u %2, a rezultati "
                                                                "se čuvaju u novoj bazi."),
                                     {path, target});
    };
    if (!HasDatabaseHeader(path))
        moveAside();

    auto connection = std::make_unique<Connection>(Connection{NewConnectionName()});
    QSqlDatabase db = Connect(path, connection->name);
    if (!PassesIntegrityCheck(db)) {
        db = QSqlDatabase();
        connection.reset();
        moveAside();
        connection = std::make_unique<Connection>(Connection{NewConnectionName()});
        db = Connect(path, connection->name);
    }

    const int version = UserVersion(db);
    const bool readOnly = version > TResultsStore::SchemaVersion;
    if (readOnly) {
        opened.notice = StoreMessage(QT_TRANSLATE_NOOP("Store", "Baza rezultata %1 je iz novije "
                                                                "verzije programa: samo se čita, a "
                                                                "novi rezultati se ne čuvaju."),
                                     {path});
    } else {
        // Every commit reaches the disk before it returns: a power cut keeps what was shown.
        Run(db, QStringLiteral("PRAGMA journal_mode = WAL"));
        Run(db, QStringLiteral("PRAGMA synchronous = FULL"));
        if (version < TResultsStore::SchemaVersion)
            Migrate(db, version);
    }
    opened.store = StoreOpener::Make(path, connection->name, readOnly);
    connection->handedOver = true;
    return opened;
}

QString DefaultStorePath() {
    // The generic folder plus our own name: the application folder would nest a second one
    // under the organisation's.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tavulin/results.sqlite");
}

} // namespace store
