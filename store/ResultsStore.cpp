#include "ResultsStore.h"

#include "SqlSteps.h"
#include "StoreError.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <memory>
#include <sqlite3.h>
#include <string_view>

namespace store {

namespace {

QString TimeText(const QDateTime& t) {
    return t.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime TimeFromText(const QString& text) {
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

// A null text would be stored as NULL; the columns hold empty text instead.
QString Text(const QString& s) {
    return s.isNull() ? QStringLiteral("") : s;
}

QVariant Nullable(double v) {
    return std::isnan(v) ? QVariant() : QVariant(v);
}

double FromNullable(const QVariant& v) {
    return v.isNull() ? NAN : v.toDouble();
}

[[noreturn]] void ThrowSqliteError(sqlite3* db) {
    throw StoreError(QT_TRANSLATE_NOOP("Store", "Rezultat nije upisan"), {},
                     QString::fromUtf8(sqlite3_errmsg(db)));
}

std::vector<double> Times(std::span<const SessionRow> rows) {
    std::vector<double> ms;
    ms.reserve(rows.size());
    for (const SessionRow& row : rows)
        if (row.kind != RowKind::FalseStart)
            ms.push_back(row.ms);
    return ms;
}

const QString SessionColumns =
    QStringLiteral("id, uid, kind, station, participant, started, ended, settings, "
                   "n, mean, median, deviation, fastest, slowest");

SessionSummary ReadSummary(const QSqlQuery& q) {
    SessionSummary s;
    s.id = q.value(0).toLongLong();
    s.header.uid = q.value(1).toString();
    s.header.kind = SessionKindFromName(q.value(2).toString());
    s.header.station = q.value(3).toString();
    s.header.participant = q.value(4).toString();
    s.header.started = TimeFromText(q.value(5).toString());
    s.header.ended = TimeFromText(q.value(6).toString());
    s.header.settings = q.value(7).toString();
    s.figures = ReadFigures(q, 8);
    return s;
}

} // namespace

TResultsStore::TResultsStore(QString path, QString connection, bool readOnly)
    : path_(std::move(path)), connection_(std::move(connection)), readOnly_(readOnly) {}

TResultsStore::~TResultsStore() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase TResultsStore::Database() const {
    return QSqlDatabase::database(connection_, false);
}

void TResultsStore::RefuseIfReadOnly() const {
    if (readOnly_)
        throw StoreError(QT_TRANSLATE_NOOP(
            "Store", "Baza rezultata je iz novije verzije programa i ne menja se."));
}

std::int64_t TResultsStore::InsertSession(const SessionHeader& h) {
    QSqlQuery q = Prepared(
        Database(),
        QStringLiteral(
            "INSERT INTO sessions (uid, kind, station, participant, started, ended, settings) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(h.uid);
    q.addBindValue(KindName(h.kind));
    q.addBindValue(Text(h.station));
    q.addBindValue(Text(h.participant));
    q.addBindValue(TimeText(h.started));
    q.addBindValue(TimeText(h.ended));
    q.addBindValue(Text(h.settings));
    Run(q, QT_TRANSLATE_NOOP("Store", "Sesija nije upisana"));
    return q.lastInsertId().toLongLong();
}

std::int64_t TResultsStore::EnsureSession(const SessionHeader& header) {
    RefuseIfReadOnly();
    QSqlQuery find = Prepared(Database(), QStringLiteral("SELECT id FROM sessions WHERE uid = ?"));
    find.addBindValue(header.uid);
    Run(find, QT_TRANSLATE_NOOP("Store", "Sesija nije pročitana"));
    if (find.next())
        return find.value(0).toLongLong();
    Transaction t(Database());
    const std::int64_t id = InsertSession(header);
    t.Commit();
    return id;
}

// Rows go in through SQLite's own interface: a million of them would spend seconds in the
// generic layer's per-value bookkeeping.
void TResultsStore::InsertRows(std::int64_t id, std::span<const SessionRow> rows,
                               std::size_t from) {
    const QVariant handle = Database().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw StoreError(QT_TRANSLATE_NOOP("Store", "Baza rezultata nije SQLite baza."));
    sqlite3* db = *static_cast<sqlite3* const*>(handle.constData());
    sqlite3_stmt* raw = nullptr;
    const char* sql = "INSERT INTO rows (session, position, kind, trial, ms, at, cycles_ms, "
                      "reported_ms, onset, uncertainty_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        ThrowSqliteError(db);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    const auto bindNullable = [&](int column, double v) {
        return std::isnan(v) ? sqlite3_bind_null(raw, column) : sqlite3_bind_double(raw, column, v);
    };
    const auto bindOnset = [&](int column, Onset onset) {
        const std::string_view name = StoredName(onset);
        return name.empty()
                   ? sqlite3_bind_null(raw, column)
                   : sqlite3_bind_text(raw, column, name.data(), int(name.size()), SQLITE_STATIC);
    };
    for (std::size_t i = from; i < rows.size(); ++i) {
        const SessionRow& r = rows[i];
        const std::string_view kind = StoredName(r.kind);
        const bool bound =
            sqlite3_bind_int64(raw, 1, id) == SQLITE_OK &&
            sqlite3_bind_int64(raw, 2, sqlite3_int64(i)) == SQLITE_OK &&
            sqlite3_bind_text(raw, 3, kind.data(), int(kind.size()), SQLITE_STATIC) == SQLITE_OK &&
            sqlite3_bind_double(raw, 4, r.trial) == SQLITE_OK &&
            bindNullable(5, r.ms) == SQLITE_OK &&
            sqlite3_bind_int64(raw, 6, r.at.toMSecsSinceEpoch()) == SQLITE_OK &&
            bindNullable(7, r.cyclesMs) == SQLITE_OK &&
            bindNullable(8, r.reportedClockMs) == SQLITE_OK && bindOnset(9, r.onset) == SQLITE_OK &&
            bindNullable(10, r.uncertaintyMs) == SQLITE_OK;
        if (!bound || sqlite3_step(raw) != SQLITE_DONE)
            ThrowSqliteError(db);
        sqlite3_reset(raw);
    }
}

void TResultsStore::UpdateHeader(std::int64_t id, const SessionHeader& h,
                                 std::span<const SessionRow> rows) {
    const SessionFigures f = ComputeFigures(Times(rows));
    QSqlQuery q = Prepared(
        Database(),
        QStringLiteral(
            "UPDATE sessions SET participant = ?, ended = ?, settings = ?, n = ?, mean = ?, "
            "median = ?, deviation = ?, fastest = ?, slowest = ? WHERE id = ?"));
    q.addBindValue(Text(h.participant));
    q.addBindValue(TimeText(h.ended));
    q.addBindValue(Text(h.settings));
    q.addBindValue(f.count);
    q.addBindValue(f.mean);
    q.addBindValue(f.median);
    q.addBindValue(f.deviation);
    q.addBindValue(f.fastest);
    q.addBindValue(f.slowest);
    q.addBindValue(qlonglong(id));
    Run(q, QT_TRANSLATE_NOOP("Store", "Sesija nije upisana"));
}

void TResultsStore::WriteRows(std::int64_t id, const SessionHeader& header,
                              std::span<const SessionRow> rows, std::size_t keep) {
    RefuseIfReadOnly();
    Transaction t(Database());
    QSqlQuery drop = Prepared(
        Database(), QStringLiteral("DELETE FROM rows WHERE session = ? AND position >= ?"));
    drop.addBindValue(qlonglong(id));
    drop.addBindValue(qlonglong(keep));
    Run(drop, QT_TRANSLATE_NOOP("Store", "Rezultati nisu izmenjeni"));
    InsertRows(id, rows, keep);
    UpdateHeader(id, header, rows);
    NoteChange(id, std::int64_t(keep));
    t.Commit();
}

void TResultsStore::SetParticipant(std::int64_t id, const QString& participant) {
    RefuseIfReadOnly();
    Transaction t(Database());
    QSqlQuery q =
        Prepared(Database(), QStringLiteral("UPDATE sessions SET participant = ? WHERE id = ?"));
    q.addBindValue(Text(participant));
    q.addBindValue(qlonglong(id));
    Run(q, QT_TRANSLATE_NOOP("Store", "Učesnik nije upisan"));
    NoteChange(id, std::nullopt);
    t.Commit();
}

void TResultsStore::DeleteSessions(std::span<const std::int64_t> ids) {
    RefuseIfReadOnly();
    Transaction t(Database());
    QSqlQuery rows = Prepared(Database(), QStringLiteral("DELETE FROM rows WHERE session = ?"));
    QSqlQuery sessions = Prepared(Database(), QStringLiteral("DELETE FROM sessions WHERE id = ?"));
    for (const std::int64_t id : ids) {
        NoteChange(id, -1);
        rows.bindValue(0, qlonglong(id));
        Run(rows, QT_TRANSLATE_NOOP("Store", "Sesija nije obrisana"));
        sessions.bindValue(0, qlonglong(id));
        Run(sessions, QT_TRANSLATE_NOOP("Store", "Sesija nije obrisana"));
    }
    t.Commit();
}

std::vector<SessionSummary> TResultsStore::ListSessions() const {
    QSqlQuery q(Database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM sessions ORDER BY started DESC, id DESC")
                    .arg(SessionColumns)))
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Sesije nisu pročitane"), q.lastError());
    std::vector<SessionSummary> list;
    while (q.next())
        list.push_back(ReadSummary(q));
    return list;
}

Session TResultsStore::LoadSession(std::int64_t id) const {
    QSqlQuery head = Prepared(
        Database(), QStringLiteral("SELECT %1 FROM sessions WHERE id = ?").arg(SessionColumns));
    head.addBindValue(qlonglong(id));
    Run(head, QT_TRANSLATE_NOOP("Store", "Sesija nije pročitana"));
    if (!head.next())
        throw StoreError(QT_TRANSLATE_NOOP("Store", "Sesija više ne postoji."));
    Session session;
    session.header = ReadSummary(head).header;
    session.rows = LoadRows(id, 0);
    return session;
}

std::vector<SessionRow> TResultsStore::LoadRows(std::int64_t id, std::size_t from) const {
    QSqlQuery q = Prepared(
        Database(),
        QStringLiteral(
            "SELECT kind, trial, ms, at, cycles_ms, reported_ms, onset, uncertainty_ms FROM rows "
            "WHERE session = ? "
            "AND position >= ? ORDER BY position"));
    q.setForwardOnly(true);
    q.addBindValue(qlonglong(id));
    q.addBindValue(qlonglong(from));
    Run(q, QT_TRANSLATE_NOOP("Store", "Rezultati nisu pročitani"));
    std::vector<SessionRow> rows;
    while (q.next()) {
        SessionRow r;
        r.kind = RowKindFromName(q.value(0).toString());
        r.trial = q.value(1).toDouble();
        r.ms = FromNullable(q.value(2));
        r.at = QDateTime::fromMSecsSinceEpoch(q.value(3).toLongLong(), Qt::UTC);
        r.cyclesMs = FromNullable(q.value(4));
        r.reportedClockMs = FromNullable(q.value(5));
        r.onset = OnsetFromName(q.value(6).toString());
        r.uncertaintyMs = FromNullable(q.value(7));
        rows.push_back(r);
    }
    return rows;
}

std::optional<SessionSummary> TResultsStore::FindSession(const QString& uid) const {
    QSqlQuery q = Prepared(
        Database(), QStringLiteral("SELECT %1 FROM sessions WHERE uid = ?").arg(SessionColumns));
    q.addBindValue(uid);
    Run(q, QT_TRANSLATE_NOOP("Store", "Sesija nije pročitana"));
    if (!q.next())
        return std::nullopt;
    return ReadSummary(q);
}

bool TResultsStore::HasSession(const QString& uid) const {
    QSqlQuery q = Prepared(Database(), QStringLiteral("SELECT 1 FROM sessions WHERE uid = ?"));
    q.addBindValue(uid);
    Run(q, QT_TRANSLATE_NOOP("Store", "Sesija nije pročitana"));
    return q.next();
}

int TResultsStore::ImportSessions(std::span<const Session> sessions) {
    RefuseIfReadOnly();
    Transaction t(Database());
    int added = 0;
    for (const Session& s : sessions) {
        if (HasSession(s.header.uid))
            continue;
        const std::int64_t id = InsertSession(s.header);
        InsertRows(id, s.rows, 0);
        UpdateHeader(id, s.header, s.rows);
        NoteChange(id, 0);
        ++added;
    }
    t.Commit();
    return added;
}

} // namespace store
