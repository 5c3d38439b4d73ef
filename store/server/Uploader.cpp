#include "Uploader.h"

#include "StoreError.h"

#include <algorithm>
#include <map>

namespace store {

namespace {

// Entries read from the outbox at a time.
constexpr int Batch = 1000;

// One session's entries in a batch, sent as one change from the earliest place they name.
struct Change {
    QString uid;
    std::int64_t from = 0;
    std::int64_t lastSeq = 0;
};

std::vector<Change> Coalesced(const std::vector<OutboxEntry>& entries) {
    std::vector<Change> changes;
    std::map<QString, std::size_t> index;
    for (const OutboxEntry& e : entries) {
        const std::int64_t from = std::max<std::int64_t>(e.from, 0);
        const auto [it, added] = index.try_emplace(e.uid, changes.size());
        if (added) {
            changes.push_back({e.uid, from, e.seq});
        } else {
            Change& c = changes[it->second];
            c.from = std::min(c.from, from);
            c.lastSeq = e.seq;
        }
    }
    return changes;
}

} // namespace

TUploader::TUploader(ServerAddress address, std::function<TResultsStore*()> local)
    : address_(std::move(address)), local_(std::move(local)) {}

TUploader::~TUploader() = default;

bool TUploader::Connect() {
    if (server_)
        return true;
    server_ = std::make_unique<TServerStore>(address_);
    if (server_->ReadOnly() && OnNotice)
        OnNotice(server_->Notice());
    return true;
}

void TUploader::Send() {
    TResultsStore* local = local_();
    if (!local)
        return;
    try {
        Connect();
        if (server_->ReadOnly()) {
            SetState(StoreMessage(QT_TRANSLATE_NOOP(
                         "Store", "baza na serveru je iz novije verzije programa")),
                     local->OutboxSize());
            return;
        }
        SendWaiting(*local);
        SetState(StoreMessage(), 0);
    } catch (const StoreError& e) {
        // A broken connection is not reused: the next Send connects anew.
        server_.reset();
        int waiting = waiting_;
        try {
            waiting = local->OutboxSize();
        } catch (const StoreError&) {
        }
        SetState(e.Message(), waiting);
    }
}

void TUploader::SendChange() {
    if (problem_.IsEmpty()) {
        Send();
        return;
    }
    if (TResultsStore* local = local_()) {
        try {
            SetState(problem_, local->OutboxSize());
        } catch (const StoreError&) {
        }
    }
}

void TUploader::SendWaiting(TResultsStore& local) {
    for (;;) {
        const std::vector<OutboxEntry> entries = local.Outbox(Batch);
        if (entries.empty())
            return;
        for (const Change& c : Coalesced(entries)) {
            // What the local store holds now: later changes of the session are sent with it.
            const std::optional<SessionSummary> session = local.FindSession(c.uid);
            if (session) {
                const std::vector<SessionRow> rows =
                    local.LoadRows(session->id, std::size_t(c.from));
                server_->Upload(session->header, session->figures, rows, std::size_t(c.from));
            } else {
                server_->Remove(c.uid);
            }
            local.DropOutbox(c.uid, c.lastSeq);
        }
    }
}

void TUploader::SetState(const StoreMessage& problem, int waiting) {
    if (problem == problem_ && waiting == waiting_)
        return;
    const bool wasWorking = problem_.IsEmpty();
    problem_ = problem;
    waiting_ = waiting;
    if (wasWorking && !problem_.IsEmpty() && OnNotice)
        OnNotice(StoreMessage::Because(
            QT_TRANSLATE_NOOP("Store", "Rezultati se ne šalju na server (%1). Čuvaju se na ovom "
                                       "računaru i biće poslati čim server bude dostupan."),
            problem_));
    if (OnStateChange)
        OnStateChange();
}

} // namespace store
