// The results store: committing one result, listing a large store, importing a million rows, the
// figures after one more result.
#include "SessionFigures.h"
#include "SessionKeeper.h"
#include "StoreBenchRows.h"
#include "StoreFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

store::Session NewSession(int rows) {
    store::Session s;
    s.header = store::NewSessionHeader(store::SessionKind::Reaction, QStringLiteral("bench"), {});
    for (int i = 0; i < rows; ++i)
        s.rows.push_back(BenchRow(i));
    return s;
}

// One result shown and committed, fsync included, in a session that grows as a real one does.
void BM_CommitResult(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.sqlite"));
    store::TSessionKeeper keeper([&] { return store::OpenStoreFile(path); });
    store::Session session = NewSession(0);
    for (auto _ : state) {
        if (session.rows.size() == 200)
            session = NewSession(0);
        session.rows.push_back(BenchRow(int(session.rows.size())));
        keeper.Keep(session);
    }
    if (!keeper.AllKept())
        state.SkipWithError(keeper.Problem().Serbian().toStdString().c_str());
}
BENCHMARK(BM_CommitResult)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Opening a store of 1 000 sessions holding 100 000 results and listing them with their figures.
void BM_ListSessions(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.sqlite"));
    {
        std::vector<store::Session> sessions;
        for (int i = 0; i < 1000; ++i)
            sessions.push_back(NewSession(100));
        store::OpenStoreFile(path).store->ImportSessions(sessions);
    }
    for (auto _ : state) {
        const auto opened = store::OpenStoreFile(path);
        benchmark::DoNotOptimize(opened.store->ListSessions());
    }
}
BENCHMARK(BM_ListSessions)->Unit(benchmark::kMillisecond);

void BM_StoreImport(benchmark::State& state) {
    const int rows = int(state.range(0));
    std::vector<store::Session> sessions;
    for (int i = 0; i < rows / 1000; ++i)
        sessions.push_back(NewSession(1000));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const auto opened = store::OpenStoreFile(dir.filePath(QStringLiteral("results.sqlite")));
        state.ResumeTiming();
        opened.store->ImportSessions(sessions);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_StoreImport)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

namespace {

// The figures of a session of `range(0)` results after one more result: the running figures
// take the appended time without sorting the rest again.
void BM_SessionFigures(benchmark::State& state) {
    const auto n = std::size_t(state.range(0));
    std::vector<double> times;
    times.reserve(n + 1'000'000);
    std::uint32_t seed = 1;
    const auto next = [&] {
        seed = seed * 1664525u + 1013904223u;
        return 150.0 + double(seed >> 8) / double(1u << 24) * 300.0;
    };
    for (std::size_t i = 0; i < n; ++i)
        times.push_back(std::nearbyint(next()));
    store::TRunningFigures figures;
    figures.Set(times);
    for (auto _ : state) {
        times.push_back(std::nearbyint(next()));
        figures.Set(times);
        benchmark::DoNotOptimize(figures.Figures());
    }
}
BENCHMARK(BM_SessionFigures)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
