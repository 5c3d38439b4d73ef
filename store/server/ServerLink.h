#pragma once

#include "ResultsStore.h"
#include "ServerAddress.h"
#include "Session.h"
#include "StoreError.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace store {

class TUploader;

// A lab station's connection to its server, in a thread of its own: a server that does not
// answer, or a slow upload, never holds the window. The window says when its store's outbox
// changed and asks for the server's sessions; the answers come back as signals in the
// window's thread. The thread has its own connections to the server and to the local store,
// since a database connection serves only the thread that opened it.
class TServerLink : public QObject {
    Q_OBJECT
public:
    explicit TServerLink(ServerAddress address, QObject* parent = nullptr);
    // Waits for the call under way to end; what it did not send waits in the local store.
    ~TServerLink() override;

    const ServerAddress& Address() const { return address_; }

    // The outbox of the local store at `path` has new entries: they are sent, oldest first,
    // while the server works; once it has failed, only Retry tries it again.
    void OutboxChanged(const QString& path);
    // Connects if needed and sends what waits (the half-minute retry).
    void Retry(const QString& path);
    // Sends what waits, then reads every station's sessions: SessionsListed says they are in
    // Listed().
    void ListSessions(const QString& path);
    // Reads whole sessions by uid: SessionsLoaded says those still on the server are in
    // Loaded().
    void LoadSessions(const QStringList& uids, int tag);

    // Every station's sessions as last listed; empty when the server could not be read.
    const std::vector<SessionSummary>& Listed() const { return listed_; }
    const std::vector<Session>& Loaded() const { return loaded_; }

    // As of the thread's last answer.
    int Waiting() const { return waiting_; }
    // Why the server takes nothing now, or empty when it works.
    const StoreMessage& Problem() const { return problem_; }
    bool Connected() const { return connected_; }
    // A call is on its way to the thread or under way there.
    bool Busy() const { return calls_ > 0; }

signals:
    void StateChanged();
    // The server stopped taking changes, or its schema is of a later version.
    void Notice(const store::StoreMessage& message);
    void SessionsListed();
    void SessionsLoaded(int tag);

private:
    class Worker;
    struct State {
        StoreMessage problem;
        int waiting = 0;
        bool connected = false;
    };
    // Runs `job` in the thread; its State is taken over when it is done.
    template <typename Job> void Post(Job job);
    void Take(const State& state);

    ServerAddress address_;
    QThread thread_;
    Worker* worker_ = nullptr; // lives in thread_, deleted when it finishes
    std::atomic<bool> changeQueued_{false};
    int calls_ = 0;
    StoreMessage problem_;
    int waiting_ = 0;
    bool connected_ = false;
    std::vector<SessionSummary> listed_;
    std::vector<Session> loaded_;
};

} // namespace store
