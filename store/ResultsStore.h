#pragma once

#include "Session.h"
#include "SessionFigures.h"

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace store {

// A session as the sessions list shows it.
struct SessionSummary {
    std::int64_t id = 0;
    SessionHeader header;
    SessionFigures figures;
};

// A change waiting to be sent to the lab server: the session's rows from place `from` on, and
// its header, changed; a negative `from` means the session was deleted.
struct OutboxEntry {
    std::int64_t seq = 0;
    QString uid;
    std::int64_t from = 0;
};

// The sessions and their rows in one database file. Every change is one transaction, durable
// when the call returns; a failed change leaves the file as it was and raises StoreError.
// Open it with OpenStoreFile, which also mends what it finds at the path.
class TResultsStore {
public:
    // The schema this program writes; a file of a later one is only read.
    static constexpr int SchemaVersion = 5;

    TResultsStore(const TResultsStore&) = delete;
    TResultsStore& operator=(const TResultsStore&) = delete;
    ~TResultsStore();

    const QString& Path() const { return path_; }
    // A file written by a later version of the program: it is read, never changed.
    bool ReadOnly() const { return readOnly_; }

    // Creates the session, or finds the one of the same uid; returns its id.
    std::int64_t EnsureSession(const SessionHeader& header);
    // The session's rows become `rows`; rows from `keep` on are appended to the `keep` already
    // stored, so that a new result costs one insert.
    void WriteRows(std::int64_t id, const SessionHeader& header, std::span<const SessionRow> rows,
                   std::size_t keep);
    void SetParticipant(std::int64_t id, const QString& participant);
    // Deletes the sessions with their rows, all or none.
    void DeleteSessions(std::span<const std::int64_t> ids);

    // Newest first.
    std::vector<SessionSummary> ListSessions() const;
    Session LoadSession(std::int64_t id) const;
    bool HasSession(const QString& uid) const;
    // Adds whole sessions in one transaction; a session whose uid is already here is left out.
    // Returns how many were added.
    int ImportSessions(std::span<const Session> sessions);

    // From now on every change also leaves an entry in the outbox, in its own transaction, so
    // that what the window showed reaches the lab server even after a crash. The first time
    // the outbox is kept after a run without it, the sessions already here are queued whole,
    // so that a station pointed at a server sends what it measured before.
    void KeepOutbox(bool keep);
    // The oldest `limit` entries, oldest first.
    std::vector<OutboxEntry> Outbox(int limit) const;
    int OutboxSize() const;
    // The server has the uid's changes up to `seq`.
    void DropOutbox(const QString& uid, std::int64_t seq);
    std::optional<SessionSummary> FindSession(const QString& uid) const;
    // The session's rows from place `from` on.
    std::vector<SessionRow> LoadRows(std::int64_t id, std::size_t from) const;

private:
    friend class StoreOpener;
    TResultsStore(QString path, QString connection, bool readOnly);
    QSqlDatabase Database() const;
    void RefuseIfReadOnly() const;
    void InsertRows(std::int64_t id, std::span<const SessionRow> rows, std::size_t from);
    void UpdateHeader(std::int64_t id, const SessionHeader& header,
                      std::span<const SessionRow> rows);
    std::int64_t InsertSession(const SessionHeader& header);
    // An outbox entry for the session, when the outbox is kept; `from` < 0 for a deletion,
    // no value for "the header only".
    void NoteChange(std::int64_t id, std::optional<std::int64_t> from);

    QString path_;
    QString connection_;
    bool readOnly_ = false;
    bool outbox_ = false;
};

} // namespace store
