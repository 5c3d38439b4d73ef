#include "SessionKeeper.h"

#include "StoreError.h"

#include <algorithm>

namespace store {

TSessionKeeper::TSessionKeeper(Opener open) : open_(std::move(open)) {}

bool TSessionKeeper::TryOpen() {
    if (store_)
        return true;
    try {
        OpenedStore opened = open_();
        store_ = std::move(opened.store);
        if (!opened.notice.IsEmpty() && OnNotice)
            OnNotice(opened.notice);
        if (store_->ReadOnly()) {
            // The notice has said so already.
            problem_ =
                StoreMessage(QT_TRANSLATE_NOOP("Store", "baza je iz novije verzije programa"));
            if (OnStateChange)
                OnStateChange();
        }
        return true;
    } catch (const StoreError& e) {
        SetProblem(e.Message());
        return false;
    }
}

void TSessionKeeper::Keep(const Session& session) {
    if (!open_)
        return;
    const auto same = [&](const Session& s) { return s.header.uid == session.header.uid; };
    const auto waiting = std::find_if(unsaved_.begin(), unsaved_.end(), same);
    if (waiting != unsaved_.end())
        *waiting = session;
    else
        unsaved_.push_back(session);
    Flush();
}

void TSessionKeeper::Forget(const QString& uid) {
    written_.erase(uid);
    std::erase_if(unsaved_, [&](const Session& s) { return s.header.uid == uid; });
}

void TSessionKeeper::Retry() {
    if (open_)
        Flush();
}

void TSessionKeeper::Flush() {
    if (!TryOpen())
        return;
    while (!unsaved_.empty()) {
        try {
            Write(unsaved_.front());
        } catch (const StoreError& e) {
            SetProblem(e.Message());
            return;
        }
        unsaved_.erase(unsaved_.begin());
    }
    if (!store_->ReadOnly())
        SetProblem({});
    if (OnKept)
        OnKept();
}

void TSessionKeeper::Write(const Session& session) {
    auto it = written_.find(session.header.uid);
    if (session.rows.empty()) {
        if (it != written_.end()) {
            const std::int64_t id = it->second.id;
            store_->DeleteSessions({&id, 1});
            written_.erase(it);
        }
        return;
    }
    if (it == written_.end()) {
        const std::int64_t id = store_->EnsureSession(session.header);
        it = written_.emplace(session.header.uid, Written{id, {}}).first;
    }
    std::vector<SessionRow>& stored = it->second.rows;
    const auto differ =
        std::mismatch(stored.begin(), stored.end(), session.rows.begin(), session.rows.end());
    const auto keep = std::size_t(differ.first - stored.begin());
    store_->WriteRows(it->second.id, session.header, session.rows, keep);
    stored = session.rows;
}

void TSessionKeeper::SetProblem(const StoreMessage& problem) {
    if (problem == problem_)
        return;
    const bool wasWorking = problem_.IsEmpty();
    problem_ = problem;
    if (wasWorking && !problem_.IsEmpty() && OnNotice)
        OnNotice(StoreMessage::Because(
            QT_TRANSLATE_NOOP("Store", "Rezultati se ne čuvaju u bazi (%1). Program ih drži u "
                                       "memoriji i upisaće ih čim baza bude dostupna."),
            problem_));
    if (OnStateChange)
        OnStateChange();
}

} // namespace store
