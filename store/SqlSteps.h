#pragma once

#include "SessionFigures.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace store {

// The reason of a failed database step, in the user's language, with the driver's own words.
[[noreturn]] void ThrowStoreError(const QString& what, const QSqlError& error);

// Runs one statement; raises StoreError when it fails.
void Run(QSqlQuery& query, const QString& what);
QSqlQuery Prepared(const QSqlDatabase& db, const QString& sql);
void Run(const QSqlDatabase& db, const QString& sql);

// A session's figures from six columns of a query's row, count first, as both stores list them.
SessionFigures ReadFigures(const QSqlQuery& query, int first);

// One transaction: committed by Commit, rolled back when left otherwise.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    QSqlDatabase db_;
    bool open_ = true;
};

} // namespace store
