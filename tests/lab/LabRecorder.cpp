// A station that records results one after another into its local store and sends them to the
// lab server, printing each trial number once its result is kept locally. With a count it stops
// after that many and exits once the server has them all; without one it runs until killed.
#include "ServerAddress.h"
#include "SessionKeeper.h"
#include "Uploader.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const store::ServerAddress address = store::ParseServerAddress(QString::fromLocal8Bit(argv[2]));
    const QString station = QString::fromLocal8Bit(argv[3]);
    const int count = argc > 4 ? std::atoi(argv[4]) : -1;

    store::TSessionKeeper keeper([&] {
        store::OpenedStore opened = store::OpenStoreFile(path);
        opened.store->KeepOutbox(true);
        return opened;
    });
    store::TUploader uploader(address, [&] { return keeper.Store(); });
    store::Session session;
    session.header = store::NewSessionHeader(store::SessionKind::Reaction, station, {});
    for (int trial = 0; count < 0 || trial < count; ++trial) {
        store::SessionRow row;
        row.trial = trial;
        row.ms = 200 + trial % 100;
        row.at = QDateTime::fromMSecsSinceEpoch(1'800'000'000'000 + trial, Qt::UTC);
        session.rows.push_back(row);
        keeper.Keep(session);
        if (!keeper.AllKept())
            return 1;
        std::printf("%d\n", trial);
        std::fflush(stdout);
        uploader.Send();
    }
    // Every station started at once: a few may find the server busy and try again.
    for (int attempt = 0; attempt < 100 && uploader.Waiting() > 0; ++attempt)
        uploader.Send();
    return uploader.Waiting() == 0 && uploader.Problem().IsEmpty() ? 0 : 3;
}
