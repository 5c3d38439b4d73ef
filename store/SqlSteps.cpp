#include "SqlSteps.h"

#include "StoreError.h"

#include <QSqlError>
#include <QVariant>

namespace store {

void ThrowStoreError(const char* what, const QSqlError& error, const QStringList& arguments) {
    QString reason = error.databaseText();
    if (reason.isEmpty())
        reason = error.driverText();
    throw StoreError(what, arguments, reason);
}

void Run(QSqlQuery& query, const char* what) {
    if (!query.exec())
        ThrowStoreError(what, query.lastError());
}

QSqlQuery Prepared(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.prepare(sql))
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Upit nije pripremljen"), query.lastError());
    return query;
}

void Run(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql))
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Upis u bazu nije uspeo"), query.lastError());
}

SessionFigures ReadFigures(const QSqlQuery& q, int first) {
    SessionFigures f;
    f.count = q.value(first).toInt();
    f.mean = q.value(first + 1).toDouble();
    f.median = q.value(first + 2).toDouble();
    f.deviation = q.value(first + 3).toDouble();
    f.fastest = q.value(first + 4).toDouble();
    f.slowest = q.value(first + 5).toDouble();
    return f;
}

Transaction::Transaction(QSqlDatabase db) : db_(std::move(db)) {
    if (!db_.transaction())
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Baza je zauzeta"), db_.lastError());
}

Transaction::~Transaction() {
    if (open_)
        db_.rollback();
}

void Transaction::Commit() {
    if (!db_.commit())
        ThrowStoreError(QT_TRANSLATE_NOOP("Store", "Upis u bazu nije uspeo"), db_.lastError());
    open_ = false;
}

} // namespace store
