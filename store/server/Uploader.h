#pragma once

#include "ResultsStore.h"
#include "ServerAddress.h"
#include "ServerStore.h"

#include <QString>
#include <functional>
#include <memory>

namespace store {

// Sends a station's changes from its local store's outbox to the lab server, oldest first.
// The server takes each change as the session's state from a place on, so a change sent twice
// (a reply lost, the program killed before it dropped the entry) leaves the server as once.
// While the server cannot be reached the changes wait in the local store, across restarts.
class TUploader {
public:
    // `local` gives the station's store, or null while it is not open.
    TUploader(ServerAddress address, std::function<TResultsStore*()> local);
    ~TUploader();

    // Connects if needed and sends what waits, until the outbox is empty or the server fails.
    void Send();
    // After a change: sends while the server works. Once it fails, a server that does not
    // answer would hold the window on every result, so only Send (every half minute) tries it
    // again; here the count of what waits is brought up to date.
    void SendChange();

    // How many changes wait, as of the last Send.
    int Waiting() const { return waiting_; }
    // Why the server takes nothing now, or empty when it works.
    const StoreMessage& Problem() const { return problem_; }
    // The connected server, or null.
    TServerStore* Server() { return server_.get(); }
    const TServerStore* Server() const { return server_.get(); }
    const ServerAddress& Address() const { return address_; }

    // A message for the user: the server stopped taking changes (once, until it works again),
    // or its schema is of a later version.
    std::function<void(const StoreMessage&)> OnNotice;
    // The state the status bar shows changed.
    std::function<void()> OnStateChange;

private:
    bool Connect();
    void SendWaiting(TResultsStore& local);
    void SetState(const StoreMessage& problem, int waiting);

    ServerAddress address_;
    std::function<TResultsStore*()> local_;
    std::unique_ptr<TServerStore> server_;
    StoreMessage problem_;
    int waiting_ = 0;
};

} // namespace store
