#include "ServerLink.h"

#include "StoreError.h"
#include "StoreFile.h"
#include "Uploader.h"

namespace store {

// The thread's side: the uploader with its server connection, and a connection of its own
// to the station's store.
class TServerLink::Worker : public QObject {
public:
    Worker(ServerAddress address, TServerLink& link)
        : uploader_(std::move(address), [this] { return local_.get(); }) {
        uploader_.OnNotice = [&link](const StoreMessage& message) {
            QMetaObject::invokeMethod(
                &link, [&link, message] { emit link.Notice(message); }, Qt::QueuedConnection);
        };
    }

    // The window's store moved only when the window opened another one.
    void UseStore(const QString& path) {
        if (local_ && local_->Path() == path)
            return;
        local_.reset();
        try {
            local_ = OpenStoreFile(path).store;
        } catch (const StoreError&) {
            // The window says why its store does not work; nothing is sent until it does.
        }
    }

    TUploader& Uploader() { return uploader_; }

    State Now() const {
        return {uploader_.Problem(), uploader_.Waiting(), uploader_.Server() != nullptr};
    }

private:
    TUploader uploader_;
    std::unique_ptr<TResultsStore> local_;
};

TServerLink::TServerLink(ServerAddress address, QObject* parent)
    : QObject(parent), address_(address) {
    worker_ = new Worker(std::move(address), *this);
    worker_->moveToThread(&thread_);
    // Deleted in its thread, where its connections were opened.
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

TServerLink::~TServerLink() {
    thread_.quit();
    thread_.wait();
}

template <typename Job> void TServerLink::Post(Job job) {
    ++calls_;
    QMetaObject::invokeMethod(
        worker_,
        [this, job = std::move(job)]() mutable {
            job(*worker_);
            QMetaObject::invokeMethod(
                this, [this, state = worker_->Now()] { Take(state); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void TServerLink::Take(const State& state) {
    --calls_;
    if (state.problem == problem_ && state.waiting == waiting_ && state.connected == connected_)
        return;
    problem_ = state.problem;
    waiting_ = state.waiting;
    connected_ = state.connected;
    emit StateChanged();
}

void TServerLink::OutboxChanged(const QString& path) {
    // Changes made while one send is under way go with the next one.
    if (changeQueued_.exchange(true))
        return;
    Post([this, path](Worker& w) {
        changeQueued_ = false;
        w.UseStore(path);
        w.Uploader().SendChange();
    });
}

void TServerLink::Retry(const QString& path) {
    Post([path](Worker& w) {
        w.UseStore(path);
        w.Uploader().Send();
    });
}

void TServerLink::ListSessions(const QString& path) {
    Post([this, path](Worker& w) {
        w.UseStore(path);
        // What this station changed is on the server before the server is listed.
        w.Uploader().SendChange();
        std::vector<SessionSummary> sessions;
        if (w.Uploader().Server()) {
            try {
                sessions = w.Uploader().Server()->ListSessions();
            } catch (const StoreError&) {
                // Gone since the upload: the window lists its own sessions.
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, sessions = std::move(sessions)]() mutable {
                listed_ = std::move(sessions);
                emit SessionsListed();
            },
            Qt::QueuedConnection);
    });
}

void TServerLink::LoadSessions(const QStringList& uids, int tag) {
    Post([this, uids, tag](Worker& w) {
        std::vector<Session> sessions;
        if (TServerStore* server = w.Uploader().Server()) {
            for (const QString& uid : uids) {
                try {
                    sessions.push_back(server->LoadSession(uid));
                } catch (const StoreError&) {
                    // Deleted by its station since it was listed, or the server went away.
                }
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, tag, sessions = std::move(sessions)]() mutable {
                loaded_ = std::move(sessions);
                emit SessionsLoaded(tag);
            },
            Qt::QueuedConnection);
    });
}

} // namespace store
