#pragma once

#include <QString>
#include <optional>

namespace store {

// Where a lab's PostgreSQL server is: postgresql://user@host:port/dbname. The password is never
// part of it: the client library takes it from ~/.pgpass or PGPASSWORD.
struct ServerAddress {
    QString user;
    QString host;
    int port = 5432;
    QString database;

    // The address as the user wrote it, without a password, for messages.
    QString Shown() const;
};

bool IsServerAddress(const QString& text);
// Throws StoreError for an address that names no database or carries a password.
ServerAddress ParseServerAddress(const QString& text);

} // namespace store
