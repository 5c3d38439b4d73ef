#pragma once

#include "ResultsStore.h"
#include "ServerAddress.h"
#include "Session.h"
#include "SessionFigures.h"
#include "StoreError.h"

#include <QString>
#include <span>
#include <vector>

namespace store {

// A lab's sessions, every station's, on one PostgreSQL server. Sessions and rows are keyed by
// the session's uid and the row's place in it, so that writing the same change twice leaves
// the server as writing it once: an upload retried after a lost reply never duplicates.
class TServerStore {
public:
    // The schema this program writes; a server of a later one is only read.
    static constexpr int SchemaVersion = 2;

    // Connects and creates or migrates the schema, in one transaction. Raises StoreError with
    // the reason in the user's language: a refused connection, a wrong password, no such
    // database.
    explicit TServerStore(const ServerAddress& address);
    TServerStore(const TServerStore&) = delete;
    TServerStore& operator=(const TServerStore&) = delete;
    ~TServerStore();

    const ServerAddress& Address() const { return address_; }
    bool ReadOnly() const { return readOnly_; }
    // What the user should know about the server's schema, or empty.
    const StoreMessage& Notice() const { return notice_; }

    // The session's header and figures become these, and its rows from `from` on become
    // `rows` (the rows of places from, from + 1, ...), in one transaction.
    void Upload(const SessionHeader& header, const SessionFigures& figures,
                std::span<const SessionRow> rows, std::size_t from);
    void Remove(const QString& uid);

    // Newest first; only `station`'s when it is not empty. A row the program cannot read (a
    // kind of a later version) is left out rather than failing the list. The ids are 0: the
    // server's sessions are named by uid.
    std::vector<SessionSummary> ListSessions(const QString& station = {}) const;
    // The session's rows in their order; rows without a time are left out.
    Session LoadSession(const QString& uid) const;
    // Every station that has a session here, by name.
    QStringList Stations() const;

private:
    QSqlDatabase Database() const;
    void RefuseIfReadOnly() const;
    void Migrate();

    ServerAddress address_;
    QString connection_;
    bool readOnly_ = false;
    StoreMessage notice_;
};

} // namespace store
