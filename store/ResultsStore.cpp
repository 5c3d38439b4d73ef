#include "ResultsStore.h"

#include "SqlSteps.h"
#include "StoreError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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

std::vector<double> Times(std::span<const SessionRow> rows) {
    std::vector<double> ms;
    ms.reserve(rows.size());
    for (const SessionRow& row : rows)
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
    s.figures.count = q.value(8).toInt();
    s.figures.mean = q.value(9).toDouble();
    s.figures.median = q.value(10).toDouble();
    s.figures.deviation = q.value(11).toDouble();
    s.figures.fastest = q.value(12).toDouble();
    s.figures.slowest = q.value(13).toDouble();
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
        throw StoreError("Baza rezultata je iz novije verzije programa i ne menja se.");
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
    Run(q, QStringLiteral("Sesija nije upisana"));
    return q.lastInsertId().toLongLong();
}

std::int64_t TResultsStore::EnsureSession(const SessionHeader& header) {
    RefuseIfReadOnly();
    QSqlQuery find = Prepared(Database(), QStringLiteral("SELECT id FROM sessions WHERE uid = ?"));
    find.addBindValue(header.uid);
    Run(find, QStringLiteral("Sesija nije pročitana"));
    if (find.next())
        return find.value(0).toLongLong();
    Transaction t(Database());
    const std::int64_t id = InsertSession(header);
    t.Commit();
    return id;
}

void TResultsStore::InsertRows(std::int64_t id, std::span<const SessionRow> rows,
                               std::size_t from) {
    QSqlQuery q = Prepared(
        Database(),
        QStringLiteral(
            "INSERT INTO rows (session, position, kind, trial, ms, at, cycles_ms, reported_ms) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (std::size_t i = from; i < rows.size(); ++i) {
        const SessionRow& r = rows[i];
        q.bindValue(0, qlonglong(id));
        q.bindValue(1, qlonglong(i));
        q.bindValue(2, KindName(r.kind));
        q.bindValue(3, r.trial);
        q.bindValue(4, r.ms);
        q.bindValue(5, TimeText(r.at));
        q.bindValue(6, Nullable(r.cyclesMs));
        q.bindValue(7, Nullable(r.reportedClockMs));
        Run(q, QStringLiteral("Rezultat nije upisan"));
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
    Run(q, QStringLiteral("Sesija nije upisana"));
}

void TResultsStore::WriteRows(std::int64_t id, const SessionHeader& header,
                              std::span<const SessionRow> rows, std::size_t keep) {
    RefuseIfReadOnly();
    Transaction t(Database());
    QSqlQuery drop = Prepared(
        Database(), QStringLiteral("DELETE FROM rows WHERE session = ? AND position >= ?"));
    drop.addBindValue(qlonglong(id));
    drop.addBindValue(qlonglong(keep));
    Run(drop, QStringLiteral("Rezultati nisu izmenjeni"));
    InsertRows(id, rows, keep);
    UpdateHeader(id, header, rows);
    t.Commit();
}

void TResultsStore::SetParticipant(std::int64_t id, const QString& participant) {
    RefuseIfReadOnly();
    QSqlQuery q =
        Prepared(Database(), QStringLiteral("UPDATE sessions SET participant = ? WHERE id = ?"));
    q.addBindValue(Text(participant));
    q.addBindValue(qlonglong(id));
    Run(q, QStringLiteral("Učesnik nije upisan"));
}

void TResultsStore::DeleteSessions(std::span<const std::int64_t> ids) {
    RefuseIfReadOnly();
    Transaction t(Database());
    QSqlQuery rows = Prepared(Database(), QStringLiteral("DELETE FROM rows WHERE session = ?"));
    QSqlQuery sessions = Prepared(Database(), QStringLiteral("DELETE FROM sessions WHERE id = ?"));
    for (const std::int64_t id : ids) {
        rows.bindValue(0, qlonglong(id));
        Run(rows, QStringLiteral("Sesija nije obrisana"));
        sessions.bindValue(0, qlonglong(id));
        Run(sessions, QStringLiteral("Sesija nije obrisana"));
    }
    t.Commit();
}

std::vector<SessionSummary> TResultsStore::ListSessions() const {
    QSqlQuery q(Database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM sessions ORDER BY started DESC, id DESC")
                    .arg(SessionColumns)))
        ThrowStoreError(QStringLiteral("Sesije nisu pročitane"), q.lastError());
    std::vector<SessionSummary> list;
    while (q.next())
        list.push_back(ReadSummary(q));
    return list;
}

Session TResultsStore::LoadSession(std::int64_t id) const {
    QSqlQuery head = Prepared(
        Database(), QStringLiteral("SELECT %1 FROM sessions WHERE id = ?").arg(SessionColumns));
    head.addBindValue(qlonglong(id));
    Run(head, QStringLiteral("Sesija nije pročitana"));
    if (!head.next())
        throw StoreError("Sesija više ne postoji.");
    Session session;
    session.header = ReadSummary(head).header;
    QSqlQuery q = Prepared(
        Database(),
        QStringLiteral(
            "SELECT kind, trial, ms, at, cycles_ms, reported_ms FROM rows WHERE session = ? "
            "ORDER BY position"));
    q.setForwardOnly(true);
    q.addBindValue(qlonglong(id));
    Run(q, QStringLiteral("Rezultati nisu pročitani"));
    while (q.next()) {
        SessionRow r;
        r.kind = RowKindFromName(q.value(0).toString());
        r.trial = q.value(1).toDouble();
        r.ms = q.value(2).toDouble();
        r.at = TimeFromText(q.value(3).toString());
        r.cyclesMs = FromNullable(q.value(4));
        r.reportedClockMs = FromNullable(q.value(5));
        session.rows.push_back(r);
    }
    return session;
}

bool TResultsStore::HasSession(const QString& uid) const {
    QSqlQuery q = Prepared(Database(), QStringLiteral("SELECT 1 FROM sessions WHERE uid = ?"));
    q.addBindValue(uid);
    Run(q, QStringLiteral("Sesija nije pročitana"));
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
        ++added;
    }
    t.Commit();
    return added;
}

} // namespace store
