#pragma once

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
