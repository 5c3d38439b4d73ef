// Records one result after another into the store named on the command line, printing each
// trial number once its result is kept, until it is killed.
#include "SessionKeeper.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    store::TSessionKeeper keeper([&] { return store::OpenStoreFile(path); });
    store::Session session;
    session.header =
        store::NewSessionHeader(store::SessionKind::Reaction, QStringLiteral("child"), {});
    for (int trial = 0;; ++trial) {
        store::SessionRow row;
        row.trial = trial;
        row.ms = 200 + trial % 100;
        row.at = QDateTime::currentDateTimeUtc();
        session.rows.push_back(row);
        keeper.Keep(session);
        if (!keeper.AllKept())
            return 1;
        std::printf("%d\n", trial);
        std::fflush(stdout);
    }
}
