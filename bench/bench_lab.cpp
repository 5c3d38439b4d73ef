// The lab server: a result on its way from the window to the server, and the sessions page
// listing a large lab's sessions from the server. The server is one of its own, on loopback,
// syncing every commit to the disk.
#include "LabServer.h"
#include "ServerLink.h"
#include "ServerStore.h"
#include "SessionKeeper.h"
#include "StoreBenchRows.h"
#include "StoreFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

TLabServer* server = nullptr;

// From the window handing the result over to the server committing it: the local store's
// commit, the hand-over to the link's thread, the upload there, and the local note that it
// was sent.
void BM_ResultReachesServer(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("station.sqlite"));
    store::TSessionKeeper keeper([&] {
        store::OpenedStore opened = store::OpenStoreFile(path);
        opened.store->KeepOutbox(true);
        return opened;
    });
    store::TServerLink link(server->Address());
    keeper.OnKept = [&] { link.OutboxChanged(path); };
    const auto settle = [&] {
        while (link.Busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    store::Session session;
    const auto newSession = [&] {
        session.header =
            store::NewSessionHeader(store::SessionKind::Reaction, QStringLiteral("bench"), {});
        session.rows.clear();
    };
    newSession();
    for (auto _ : state) {
        if (session.rows.size() == 200)
            newSession();
        session.rows.push_back(BenchRow(int(session.rows.size())));
        keeper.Keep(session);
        settle();
    }
    if (!keeper.AllKept() || link.Waiting() != 0 || !link.Problem().IsEmpty())
        state.SkipWithError(link.Problem().Serbian().toStdString().c_str());
}
BENCHMARK(BM_ResultReachesServer)->Unit(benchmark::kMillisecond);

// 10 000 sessions of 100 results each, from 20 stations, listed with their figures.
void BM_ListSessionsServer(benchmark::State& state) {
    const QString database = QStringLiteral("listing");
    // Filled once: the benchmark is run more than once to find its count of iterations.
    static const bool filled = [&] {
        server->Sql(QStringLiteral("CREATE DATABASE %1").arg(database), QStringLiteral("postgres"));
        store::TServerStore schema(server->Address(database));
        server->Sql(
            QStringLiteral(
                "INSERT INTO sessions SELECT 's' || i, 'reaction', 'lab-' || (i % 20), '', "
                "now() - i * interval '1 minute', now() - i * interval '1 minute', '', 100, 250, "
                "245, "
                "30, 180, 410 FROM generate_series(1, 10000) i; "
                "INSERT INTO rows SELECT 's' || i, p, 'measured', p, 180 + (i + p) % 240, 0, NULL, "
                "NULL FROM generate_series(1, 10000) i, generate_series(0, 99) p; ANALYZE"),
            database);
        return true;
    }();
    store::TServerStore store(server->Address(database));
    std::size_t listed = 0;
    for (auto _ : state)
        listed = store.ListSessions().size();
    if (listed != 10000)
        state.SkipWithError("not every session listed");
}
BENCHMARK(BM_ListSessionsServer)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    qputenv("PGPASSWORD", TLabServer::Password);
    // LAB_NOSYNC=1 leaves the disk's sync out, to tell the program's share from the disk's.
    TLabServer lab(qEnvironmentVariableIsEmpty("LAB_NOSYNC"));
    server = &lab;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
