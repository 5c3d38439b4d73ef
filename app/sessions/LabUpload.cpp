// A lab station: the keeper's local store is sent on to the lab server, and the status bar
// says how many changes wait for it.
#include "ErrorText.h"
#include "MainForm.h"
#include "Uploader.h"

#include "StoreError.h"

#include <QLabel>
#include <algorithm>
#include <map>

void TMainForm::SendSessionsTo(store::TUploader& uploader) {
    uploader_ = &uploader;
    uploader_->OnNotice = [this](const store::StoreMessage& notice) {
        services_.errors.Show(MessageText(notice));
    };
    uploader_->OnStateChange = [this] { UpdateStoreStatus(); };
    keeper_->OnKept = [this] { uploader_->SendChange(); };
    // What an earlier run left waiting goes now.
    uploader_->Send();
    UpdateStoreStatus();
}

void TMainForm::RetryServer() {
    if (uploader_)
        uploader_->Send();
}

void TMainForm::ShowServerStatus() {
    if (!uploader_ || !keeper_->HasStore())
        return;
    const QString server = uploader_->Address().Shown();
    if (uploader_->Problem().IsEmpty() && uploader_->Waiting() == 0) {
        StoreStatusText->setText(StoreStatusText->text() + tr(" i šalju na server"));
        StoreStatusText->setToolTip(StoreStatusText->toolTip() + u'\n' + server);
        return;
    }
    StoreStatusText->setText(StoreStatusText->text() +
                             tr("; %1 čeka slanje na server").arg(uploader_->Waiting()));
    StoreStatusText->setToolTip(StoreStatusText->toolTip() + u'\n' + server + u'\n' +
                                MessageText(uploader_->Problem()));
}

std::vector<store::SessionSummary> TMainForm::ListedSessions() const {
    std::vector<store::SessionSummary> local = keeper_->Store()->ListSessions();
    if (!uploader_)
        return local;
    // What this station changed on the page is on the server before the server is listed.
    uploader_->SendChange();
    if (!uploader_->Server())
        return local;
    std::vector<store::SessionSummary> all;
    try {
        all = uploader_->Server()->ListSessions();
    } catch (const store::StoreError&) {
        // The server went away since the last upload: this station's own sessions still show.
        return local;
    }
    std::map<QString, std::int64_t> ids;
    for (const store::SessionSummary& s : local)
        ids.emplace(s.header.uid, s.id);
    for (store::SessionSummary& s : all) {
        const auto it = ids.find(s.header.uid);
        s.id = it == ids.end() ? 0 : it->second;
        if (it != ids.end())
            ids.erase(it);
    }
    // This station's sessions still on their way to the server.
    for (const store::SessionSummary& s : local)
        if (ids.contains(s.header.uid))
            all.push_back(s);
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return a.header.started > b.header.started;
    });
    return all;
}

std::vector<store::Session> TMainForm::SessionsToExport(store::TResultsStore& store,
                                                        const std::vector<std::int64_t>& ids,
                                                        bool wholeList) const {
    std::vector<store::Session> sessions;
    if (!wholeList || !uploader_ || !uploader_->Server()) {
        for (const std::int64_t id : ids)
            sessions.push_back(store.LoadSession(id));
        return sessions;
    }
    for (const store::SessionSummary& s : ListedSessions()) {
        if (s.id != 0) {
            sessions.push_back(store.LoadSession(s.id));
            continue;
        }
        try {
            sessions.push_back(uploader_->Server()->LoadSession(s.header.uid));
        } catch (const store::StoreError&) {
            // Deleted by its station since the list was read.
        }
    }
    return sessions;
}
