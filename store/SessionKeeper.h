#pragma once

#include "Session.h"
#include "StoreFile.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace store {

// Keeps the sessions the window shows in the store, write-through: after every change the
// window hands over the session as it now is, and the keeper writes what differs. While the
// store cannot be opened or written, the sessions wait in memory and are written once it
// works again (on the next change or the next Retry); nothing is dropped.
class TSessionKeeper {
public:
    using Opener = std::function<OpenedStore()>;
    // Without an opener nothing is kept: the sessions live as long as the window. The store is
    // opened on the first Keep or Retry, once the notices have somewhere to go.
    explicit TSessionKeeper(Opener open = {});

    // The session as it is now. A session left without rows is removed from the store.
    void Keep(const Session& session);
    // Forgets a session deleted from the store by the user, so that it is not written again.
    void Forget(const QString& uid);
    // Opens the store if it is not open, and tries again to write what waits.
    void Retry();

    // Everything handed over is in the store.
    bool AllKept() const { return unsaved_.empty(); }
    bool HasStore() const { return static_cast<bool>(open_); }
    // Why the store is not working, or empty when it is.
    const StoreMessage& Problem() const { return problem_; }
    // The open store, or null while it cannot be opened.
    TResultsStore* Store() { return store_.get(); }

    // A message for the user: the store stopped working (once, until it works again), or what
    // opening it found (a damaged file moved aside, a file of a later version).
    std::function<void(const StoreMessage&)> OnNotice;
    // The state the status bar shows changed.
    std::function<void()> OnStateChange;
    // Everything handed over is now in the store: a lab station sends it on to its server.
    std::function<void()> OnKept;

private:
    struct Written {
        std::int64_t id = 0;
        std::vector<SessionRow> rows;
    };
    bool TryOpen();
    void Flush();
    void Write(const Session& session);
    void SetProblem(const StoreMessage& problem);

    Opener open_;
    std::unique_ptr<TResultsStore> store_;
    std::map<QString, Written> written_;
    std::vector<Session> unsaved_;
    StoreMessage problem_;
};

} // namespace store
