#pragma once

#include "ServerAddress.h"

#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server of its own in a temporary folder, on a free loopback port, for the tests
// and benchmarks of the lab store. As root it runs as nobody, since the server refuses root.
// Its one user "lab" has the password Password; the database "lab" is made empty.
class TLabServer {
public:
    static constexpr const char* Password = "lab-secret";

    // A durable server syncs every commit to the disk, as a lab's does; the tests' does not.
    explicit TLabServer(bool durable = false);
    ~TLabServer();
    TLabServer(const TLabServer&) = delete;
    TLabServer& operator=(const TLabServer&) = delete;

    void Start();
    // Stops at once, dropping every connection, as a server going away does.
    void Stop();
    bool Running() const { return running_; }

    int Port() const { return port_; }
    store::ServerAddress Address(const QString& database = QStringLiteral("lab")) const;
    QString Url(const QString& database = QStringLiteral("lab")) const;
    // Runs SQL as the server's owner, through psql on the Unix socket; returns psql's output.
    QString Sql(const QString& sql, const QString& database = QStringLiteral("lab")) const;

private:
    QString Bin(const char* program) const;
    QString Run(const QString& program, const QStringList& arguments, bool asServerUser) const;

    QTemporaryDir folder_;
    QString data_;
    int port_ = 0;
    bool durable_ = false;
    bool running_ = false;
};
