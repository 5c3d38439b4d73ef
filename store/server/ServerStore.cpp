#include "ServerStore.h"

#include "SqlSteps.h"
#include "StoreError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <cmath>
#include <functional>

namespace store {

namespace {

// Each step takes the server from the version of its index to the next one; steps are only
// ever added.
const std::vector<std::function<void(const QSqlDatabase&)>> ServerMigrations{
    [](const QSqlDatabase& db) {
        Run(db, QStringLiteral(
                    "CREATE TABLE sessions ("
                    " uid text PRIMARY KEY, kind text NOT NULL, station text NOT NULL,"
                    " participant text NOT NULL DEFAULT '', started timestamptz NOT NULL,"
                    " ended timestamptz NOT NULL, settings text NOT NULL DEFAULT '',"
                    " n integer NOT NULL DEFAULT 0, mean double precision NOT NULL DEFAULT 0,"
                    " median double precision NOT NULL DEFAULT 0,"
                    " deviation double precision NOT NULL DEFAULT 0,"
                    " fastest double precision NOT NULL DEFAULT 0,"
                    " slowest double precision NOT NULL DEFAULT 0)"));
        Run(db, QStringLiteral("CREATE INDEX sessions_by_start ON sessions (started DESC, uid)"));
        Run(db, QStringLiteral("CREATE INDEX sessions_by_station ON sessions (station)"));
        Run(db, QStringLiteral("CREATE TABLE rows ("
                               " session text NOT NULL REFERENCES sessions (uid) ON DELETE CASCADE,"
                               " position integer NOT NULL, kind text NOT NULL,"
                               " trial double precision NOT NULL, ms double precision NOT NULL,"
                               " at bigint NOT NULL, cycles_ms double precision,"
                               " reported_ms double precision, PRIMARY KEY (session, position))"));
    },
    [](const QSqlDatabase& db) {
        // What each measured time counts from, and how far it may be off; NULL in older rows.
        Run(db, QStringLiteral("ALTER TABLE rows ADD COLUMN onset text,"
                               " ADD COLUMN uncertainty_ms double precision"));
    },
};

// Any number: the stations take this lock while one of them creates the schema.
constexpr int SchemaLock = 4711022;

// Rows go in this many to a statement: one round trip each instead of one per row.
constexpr std::size_t RowsPerInsert = 256;

QString NewConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("tavulin-server-%1").arg(next++);
}

// Says in the user's words why the server did not let us in.
StoreError ConnectProblem(const ServerAddress& a, const QSqlError& error) {
    const QString text = error.databaseText() + u' ' + error.driverText();
    const QString server = QStringLiteral("%1:%2").arg(a.host).arg(a.port);
    if (text.contains(QLatin1String("password authentication failed")) ||
        text.contains(QLatin1String("no password supplied")))
        return StoreError(QT_TRANSLATE_NOOP("Store", "Server baze %1 ne prihvata lozinku "
                                                     "korisnika %2 (lozinka se uzima iz "
                                                     "~/.pgpass ili PGPASSWORD)."),
                          {server, a.user});
    if (text.contains(QLatin1String("database")) && text.contains(QLatin1String("does not exist")))
        return StoreError(QT_TRANSLATE_NOOP("Store", "Na serveru baze %1 ne postoji baza %2."),
                          {server, a.database});
    if (text.contains(QLatin1String("role")) && text.contains(QLatin1String("does not exist")))
        return StoreError(QT_TRANSLATE_NOOP("Store", "Na serveru baze %1 ne postoji korisnik %2."),
                          {server, a.user});
    if (text.contains(QLatin1String("Connection refused")) ||
        text.contains(QLatin1String("could not connect")) ||
        text.contains(QLatin1String("timeout")) ||
        text.contains(QLatin1String("could not translate host name")))
        return StoreError(QT_TRANSLATE_NOOP("Store", "Server baze %1 nije dostupan."), {server});
    return StoreError(QT_TRANSLATE_NOOP("Store", "Server baze %1 ne može da se otvori"), {server},
                      error.databaseText().trimmed());
}

QVariant Nullable(double v) {
    return std::isnan(v) ? QVariant(QMetaType::fromType<double>()) : QVariant(v);
}

double FromNullable(const QVariant& v) {
    return v.isNull() ? NAN : v.toDouble();
}

QDateTime TimeOf(const QVariant& v) {
    return v.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(v.toLongLong(), Qt::UTC);
}

// The times as milliseconds since the epoch: reading ten thousand timestamps as text would
// take most of a listing.
const QString SessionColumns = QStringLiteral(
    "uid, kind, station, participant, (extract(epoch FROM started) * 1000)::bigint,"
    " (extract(epoch FROM ended) * 1000)::bigint, settings, n, mean, median, deviation, fastest,"
    " slowest");

// Raises StoreError for a kind of a later version.
SessionSummary ReadSummary(const QSqlQuery& q) {
    SessionSummary s;
    s.header.uid = q.value(0).toString();
    s.header.kind = SessionKindFromName(q.value(1).toString());
    s.header.station = q.value(2).toString();
    s.header.participant = q.value(3).toString();
    s.header.started = TimeOf(q.value(4));
    s.header.ended = TimeOf(q.value(5));
    s.header.settings = q.value(6).toString();
    s.figures = ReadFigures(q, 7);
    return s;
}

} // namespace

TServerStore::TServerStore(const ServerAddress& address)
    : address_(address), connection_(NewConnectionName()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    if (!db.isValid()) {
        QSqlDatabase::removeDatabase(connection_);
        throw StoreError(QT_TRANSLATE_NOOP(
            "Store", "Program nema upravljački program za PostgreSQL (libqt6sql6-psql)."));
    }
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setUserName(address.user);
    db.setDatabaseName(address.database);
    // A server that does not answer must not hold the window for long.
    db.setConnectOptions(QStringLiteral("connect_timeout=3;application_name=tavulin"));
    try {
        if (!db.open())
            throw ConnectProblem(address, db.lastError());
        Migrate();
    } catch (...) {
        db = QSqlDatabase();
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
        throw;
    }
}

TServerStore::~TServerStore() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase TServerStore::Database() const {
    return QSqlDatabase::database(connection_, false);
}

void TServerStore::RefuseIfReadOnly() const {
    if (readOnly_)
        throw StoreError(QT_TRANSLATE_NOOP(
            "Store", "Baza na serveru je iz novije verzije programa i ne menja se."));
}

void TServerStore::Migrate() {
    const QSqlDatabase db = Database();
    Transaction t(db);
    // Stations starting together wait for the first one to create the schema.
    Run(db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(SchemaLock));
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT to_regclass('tavulin_schema') IS NOT NULL")) || !q.next())
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Baza na serveru ne može da se pročita"),
                        q.lastError());
    if (!q.value(0).toBool())
        Run(db, QStringLiteral("CREATE TABLE tavulin_schema (version integer NOT NULL)"));
    if (!q.exec(QStringLiteral("SELECT max(version) FROM tavulin_schema")) || !q.next())
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Baza na serveru ne može da se pročita"),
                        q.lastError());
    const int version = q.value(0).isNull() ? 0 : q.value(0).toInt();
    if (version > SchemaVersion) {
        readOnly_ = true;
        notice_ = StoreMessage(QT_TRANSLATE_NOOP("Store", "Baza na serveru %1 je iz novije verzije "
                                                          "programa: samo se čita, a novi "
                                                          "rezultati se čuvaju na ovom računaru."),
                               {address_.Shown()});
        return; // the transaction rolls back: nothing was changed
    }
    for (int v = version; v < SchemaVersion; ++v)
        ServerMigrations[std::size_t(v)](db);
    if (version < SchemaVersion) {
        Run(db, QStringLiteral("DELETE FROM tavulin_schema"));
        Run(db, QStringLiteral("INSERT INTO tavulin_schema VALUES (%1)").arg(SchemaVersion));
    }
    t.Commit();
}

void TServerStore::Upload(const SessionHeader& h, const SessionFigures& f,
                          std::span<const SessionRow> rows, std::size_t from) {
    RefuseIfReadOnly();
    const QSqlDatabase db = Database();
    Transaction t(db);
    QSqlQuery session = Prepared(
        db, QStringLiteral(
                "INSERT INTO sessions (uid, kind, station, participant, started, ended, settings,"
                " n, mean, median, deviation, fastest, slowest)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                " ON CONFLICT (uid) DO UPDATE SET participant = excluded.participant,"
                " ended = excluded.ended, settings = excluded.settings, n = excluded.n,"
                " mean = excluded.mean, median = excluded.median,"
                " deviation = excluded.deviation, fastest = excluded.fastest,"
                " slowest = excluded.slowest"));
    session.addBindValue(h.uid);
    session.addBindValue(KindName(h.kind));
    session.addBindValue(h.station.isNull() ? QStringLiteral("") : h.station);
    session.addBindValue(h.participant.isNull() ? QStringLiteral("") : h.participant);
    session.addBindValue(h.started.toUTC());
    session.addBindValue(h.ended.toUTC());
    session.addBindValue(h.settings.isNull() ? QStringLiteral("") : h.settings);
    session.addBindValue(f.count);
    session.addBindValue(f.mean);
    session.addBindValue(f.median);
    session.addBindValue(f.deviation);
    session.addBindValue(f.fastest);
    session.addBindValue(f.slowest);
    Run(session, QT_TRANSLATE_NOOP("Store", "Sesija nije poslata na server"));

    QSqlQuery drop =
        Prepared(db, QStringLiteral("DELETE FROM rows WHERE session = ? AND position >= ?"));
    drop.addBindValue(h.uid);
    drop.addBindValue(qlonglong(from));
    Run(drop, QT_TRANSLATE_NOOP("Store", "Rezultati nisu poslati na server"));

    for (std::size_t start = 0; start < rows.size(); start += RowsPerInsert) {
        const std::size_t count = std::min(RowsPerInsert, rows.size() - start);
        QString sql = QStringLiteral("INSERT INTO rows (session, position, kind, trial, ms, at, "
                                     "cycles_ms, reported_ms, onset, uncertainty_ms) VALUES ");
        for (std::size_t i = 0; i < count; ++i)
            sql += i == 0 ? QStringLiteral("(?,?,?,?,?,?,?,?,?,?)")
                          : QStringLiteral(",(?,?,?,?,?,?,?,?,?,?)");
        QSqlQuery insert = Prepared(db, sql);
        for (std::size_t i = start; i < start + count; ++i) {
            const SessionRow& r = rows[i];
            insert.addBindValue(h.uid);
            insert.addBindValue(qlonglong(from + i));
            insert.addBindValue(KindName(r.kind));
            insert.addBindValue(r.trial);
            insert.addBindValue(r.ms);
            insert.addBindValue(qlonglong(r.at.toMSecsSinceEpoch()));
            insert.addBindValue(Nullable(r.cyclesMs));
            insert.addBindValue(Nullable(r.reportedClockMs));
            insert.addBindValue(r.onset == Onset::None ? QVariant(QMetaType::fromType<QString>())
                                                       : QVariant(OnsetName(r.onset)));
            insert.addBindValue(Nullable(r.uncertaintyMs));
        }
        Run(insert, QT_TRANSLATE_NOOP("Store", "Rezultati nisu poslati na server"));
    }
    t.Commit();
}

void TServerStore::Remove(const QString& uid) {
    RefuseIfReadOnly();
    QSqlQuery q = Prepared(Database(), QStringLiteral("DELETE FROM sessions WHERE uid = ?"));
    q.addBindValue(uid);
    Run(q, QT_TRANSLATE_NOOP("Store", "Sesija nije obrisana na serveru"));
}

std::vector<SessionSummary> TServerStore::ListSessions(const QString& station) const {
    QSqlQuery q(Database());
    q.setForwardOnly(true);
    const QString sql =
        QStringLiteral("SELECT %1 FROM sessions %2 ORDER BY started DESC NULLS LAST, uid DESC")
            .arg(SessionColumns,
                 station.isEmpty() ? QString() : QStringLiteral("WHERE station = ?"));
    if (!q.prepare(sql))
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Sesije nisu pročitane sa servera"),
                        q.lastError());
    if (!station.isEmpty())
        q.addBindValue(station);
    Run(q, QT_TRANSLATE_NOOP("Store", "Sesije nisu pročitane sa servera"));
    std::vector<SessionSummary> list;
    while (q.next()) {
        try {
            list.push_back(ReadSummary(q));
        } catch (const StoreError&) {
            // A session of a kind a later version writes: this one cannot show it.
        }
    }
    return list;
}

Session TServerStore::LoadSession(const QString& uid) const {
    QSqlQuery head = Prepared(
        Database(), QStringLiteral("SELECT %1 FROM sessions WHERE uid = ?").arg(SessionColumns));
    head.addBindValue(uid);
    Run(head, QT_TRANSLATE_NOOP("Store", "Sesija nije pročitana sa servera"));
    if (!head.next())
        throw StoreError(QT_TRANSLATE_NOOP("Store", "Sesija više ne postoji na serveru."));
    Session session;
    session.header = ReadSummary(head).header;
    QSqlQuery q = Prepared(
        Database(), QStringLiteral("SELECT kind, trial, ms, at, cycles_ms, reported_ms, onset,"
                                   " uncertainty_ms FROM rows WHERE session = ?"
                                   " ORDER BY position"));
    q.setForwardOnly(true);
    q.addBindValue(uid);
    Run(q, QT_TRANSLATE_NOOP("Store", "Rezultati nisu pročitani sa servera"));
    while (q.next()) {
        if (q.value(2).isNull())
            continue;
        SessionRow r;
        try {
            r.kind = RowKindFromName(q.value(0).toString());
        } catch (const StoreError&) {
            continue;
        }
        r.trial = q.value(1).toDouble();
        r.ms = q.value(2).toDouble();
        if (!q.value(3).isNull())
            r.at = QDateTime::fromMSecsSinceEpoch(q.value(3).toLongLong(), Qt::UTC);
        r.cyclesMs = FromNullable(q.value(4));
        r.reportedClockMs = FromNullable(q.value(5));
        try {
            r.onset = OnsetFromName(q.value(6).toString());
        } catch (const StoreError&) {
            // Counted from a kind of onset a later version knows: the time itself still holds.
        }
        r.uncertaintyMs = FromNullable(q.value(7));
        session.rows.push_back(r);
    }
    return session;
}

QStringList TServerStore::Stations() const {
    QSqlQuery q(Database());
    if (!q.exec(QStringLiteral("SELECT DISTINCT station FROM sessions ORDER BY station")))
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Stanice nisu pročitane sa servera"),
                        q.lastError());
    QStringList stations;
    while (q.next())
        stations << q.value(0).toString();
    return stations;
}

} // namespace store
