// The store's outbox: the changes waiting for the lab server, kept with the changes themselves.
#include "ResultsStore.h"

#include "SqlSteps.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace store {

void TResultsStore::KeepOutbox(bool keep) {
    outbox_ = keep;
    if (readOnly_)
        return;
    QSqlQuery q = Prepared(Database(), QStringLiteral("SELECT kept FROM outbox_kept"));
    Run(q, QT_TRANSLATE_NOOP("Store", "Promene za server nisu pročitane"));
    if ((q.next() && q.value(0).toBool()) == keep)
        return;
    Transaction t(Database());
    if (keep)
        Run(Database(), QStringLiteral("INSERT INTO outbox (uid, from_position) SELECT uid, 0 FROM "
                                       "sessions ORDER BY started, id"));
    Run(Database(), QStringLiteral("UPDATE outbox_kept SET kept = %1").arg(keep ? 1 : 0));
    t.Commit();
}

void TResultsStore::NoteChange(std::int64_t id, std::optional<std::int64_t> from) {
    if (!outbox_)
        return;
    // The header alone: the rows from their end on, which are none.
    QSqlQuery q = Prepared(
        Database(),
        QStringLiteral("INSERT INTO outbox (uid, from_position) SELECT uid, %1 FROM sessions "
                       "WHERE id = ?")
            .arg(from ? QString::number(*from)
                      : QStringLiteral("(SELECT count(*) FROM rows WHERE session = sessions.id)")));
    q.addBindValue(qlonglong(id));
    Run(q, QT_TRANSLATE_NOOP("Store", "Promena nije zapamćena za server"));
}

std::vector<OutboxEntry> TResultsStore::Outbox(int limit) const {
    QSqlQuery q =
        Prepared(Database(),
                 QStringLiteral("SELECT seq, uid, from_position FROM outbox ORDER BY seq LIMIT ?"));
    q.setForwardOnly(true);
    q.addBindValue(limit);
    Run(q, QT_TRANSLATE_NOOP("Store", "Promene za server nisu pročitane"));
    std::vector<OutboxEntry> entries;
    while (q.next())
        entries.push_back(
            {q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toLongLong()});
    return entries;
}

int TResultsStore::OutboxSize() const {
    QSqlQuery q = Prepared(Database(), QStringLiteral("SELECT count(*) FROM outbox"));
    Run(q, QT_TRANSLATE_NOOP("Store", "Promene za server nisu pročitane"));
    return q.next() ? q.value(0).toInt() : 0;
}

void TResultsStore::DropOutbox(const QString& uid, std::int64_t seq) {
    // Not waited to the disk: a drop lost in a power cut only sends the change once more,
    // which the server takes as once, and the next change's sync takes this one along.
    Run(Database(), QStringLiteral("PRAGMA synchronous = NORMAL"));
    QSqlQuery q =
        Prepared(Database(), QStringLiteral("DELETE FROM outbox WHERE uid = ? AND seq <= ?"));
    q.addBindValue(uid);
    q.addBindValue(qlonglong(seq));
    const bool dropped = q.exec();
    Run(Database(), QStringLiteral("PRAGMA synchronous = FULL"));
    if (!dropped)
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Poslate promene nisu obrisane"), q.lastError());
}

} // namespace store
