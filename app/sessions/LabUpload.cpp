// A lab station: the keeper's local store is sent on to the lab server by a link working in
// its own thread, and the status bar says how many changes wait for it.
#include "ErrorText.h"
#include "Guarded.h"
#include "MainForm.h"
#include "ServerLink.h"

#include "StoreError.h"

#include <QLabel>
#include <algorithm>
#include <map>

namespace {

// What the link's loaded sessions are for.
enum LoadFor { LoadForOpening = 1, LoadForExport = 2 };

} // namespace

void TMainForm::SendSessionsTo(store::TServerLink& link) {
    link_ = &link;
    connect(link_, &store::TServerLink::StateChanged, this, [this] { UpdateStoreStatus(); });
    connect(link_, &store::TServerLink::Notice, this, [this](const store::StoreMessage& notice) {
        services_.errors.Show(MessageText(notice));
    });
    connect(link_, &store::TServerLink::SessionsListed, this,
            [this] { Guarded(services_.errors, [this] { FillSessionsList(); }); });
    connect(link_, &store::TServerLink::SessionsLoaded, this, [this](int tag) {
        Guarded(services_.errors, [&] {
            const std::vector<store::Session>& sessions = link_->Loaded();
            if (tag == LoadForOpening)
                ShowServerSession(sessions);
            else if (tag == LoadForExport)
                FinishExport(sessions);
        });
    });
    keeper_->OnKept = [this] {
        if (const store::TResultsStore* local = keeper_->Store())
            link_->OutboxChanged(local->Path());
    };
    // What an earlier run left waiting goes now.
    RetryServer();
    UpdateStoreStatus();
}

void TMainForm::RetryServer() {
    if (link_ && keeper_->Store())
        link_->Retry(keeper_->Store()->Path());
}

void TMainForm::ShowServerStatus() {
    if (!link_ || !keeper_->HasStore())
        return;
    const QString server = link_->Address().Shown();
    if (link_->Problem().IsEmpty() && link_->Waiting() == 0) {
        StoreStatusText->setText(StoreStatusText->text() + tr(" i šalju na server"));
        StoreStatusText->setToolTip(StoreStatusText->toolTip() + u'\n' + server);
        return;
    }
    StoreStatusText->setText(StoreStatusText->text() +
                             tr("; %1 čeka slanje na server").arg(link_->Waiting()));
    StoreStatusText->setToolTip(StoreStatusText->toolTip() + u'\n' + server + u'\n' +
                                MessageText(link_->Problem()));
}

void TMainForm::RequestServerSessions() {
    if (link_ && keeper_->Store())
        link_->ListSessions(keeper_->Store()->Path());
}

std::vector<store::SessionSummary> TMainForm::ListedSessions() const {
    std::vector<store::SessionSummary> local = keeper_->Store()->ListSessions();
    if (!link_ || link_->Listed().empty())
        return local;
    // This station's own sessions as its store has them now; the server's list may be older.
    std::map<QString, std::size_t> own;
    for (std::size_t i = 0; i < local.size(); ++i)
        own.emplace(local[i].header.uid, i);
    const QString station = Station();
    std::vector<store::SessionSummary> all;
    for (const store::SessionSummary& s : link_->Listed()) {
        const auto it = own.find(s.header.uid);
        if (it != own.end()) {
            all.push_back(local[it->second]);
            own.erase(it);
        } else if (s.header.station != station) {
            all.push_back(s);
            all.back().id = 0;
        }
        // Else this station deleted it and the server has not heard yet.
    }
    // This station's sessions still on their way to the server.
    for (const auto& [uid, i] : own)
        all.push_back(local[i]);
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return a.header.started > b.header.started;
    });
    return all;
}

void TMainForm::OpenServerSession(const QString& uid) {
    link_->LoadSessions({uid}, LoadForOpening);
}

void TMainForm::ShowServerSession(const std::vector<store::Session>& sessions) {
    if (sessions.empty())
        throw store::StoreError(tr("Sesija nije pročitana sa servera.").toStdString());
    ShowSession(sessions.front(), true);
    RefreshSessionsList();
}

bool TMainForm::ExportFromServer(const std::vector<store::SessionSummary>& chosen,
                                 const QString& path) {
    QStringList others;
    for (const store::SessionSummary& s : chosen)
        if (s.id == 0)
            others << s.header.uid;
    if (!link_ || others.isEmpty())
        return false;
    pendingExport_ = PendingExport{path, chosen};
    link_->LoadSessions(others, LoadForExport);
    return true;
}

void TMainForm::FinishExport(const std::vector<store::Session>& loaded) {
    if (!pendingExport_)
        return;
    const PendingExport pending = std::move(*pendingExport_);
    pendingExport_.reset();
    store::TResultsStore& store = RequireStore();
    std::map<QString, const store::Session*> byUid;
    for (const store::Session& s : loaded)
        byUid.emplace(s.header.uid, &s);
    std::vector<store::Session> sessions;
    int missing = 0;
    for (const store::SessionSummary& s : pending.listed) {
        if (s.id != 0) {
            sessions.push_back(store.LoadSession(s.id));
        } else if (const auto it = byUid.find(s.header.uid); it != byUid.end()) {
            sessions.push_back(*it->second);
        } else {
            // Deleted by its station since the list was read, or the server went away.
            ++missing;
        }
    }
    WriteExport(sessions, pending.path);
    if (missing > 0)
        AppendMemoLine(tr("Sa servera nije pročitano sesija: %1").arg(missing));
}
