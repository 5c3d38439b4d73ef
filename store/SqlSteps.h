#pragma once

#include "SessionFigures.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace store {

// A failed database step: `what` is a text marked in the "Store" context, filled from
// `arguments`, and the driver's own words follow it.
[[noreturn]] void ThrowStoreError(const char* what, const QSqlError& error,
                                  const QStringList& arguments = {});

// Runs one statement; raises StoreError, saying `what` failed (a marked text), when it fails.
void Run(QSqlQuery& query, const char* what);
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
