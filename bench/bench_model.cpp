#include "LineSeries.h"

#include <benchmark/benchmark.h>

// A million values appended to a fresh line series, as the reaction test and the calibration
// run append them: X arrives in order, so each insertion is one comparison and an append.
static void BM_AddValueInOrder(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TLineSeries series;
        for (int i = 0; i < count; ++i)
            series.AddValue(static_cast<double>(i % 997));
        benchmark::DoNotOptimize(series.PointCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AddValueInOrder)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The axes ask for the statistics on every repaint; after one change they take one pass.
static void BM_RecalculateStats(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    TLineSeries series;
    for (int i = 0; i < count; ++i)
        series.AddValue(static_cast<double>(i % 997) - 300);
    TChartValueList& values = series.YValues();
    int k = 0;
    for (auto _ : state) {
        values.SetValueAt(k++ % count, 5);
        benchmark::DoNotOptimize(values.MaximumValue());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_RecalculateStats)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Deleting the first point moves every later entry of both lists down by one.
static void BM_DeletePointFront(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    TLineSeries series;
    for (int i = 0; i < count; ++i)
        series.AddValue(i);
    for (auto _ : state) {
        series.DeletePoint(0);
        state.PauseTiming();
        series.AddValue(0); // keep the size; appends at the end
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeletePointFront)->Arg(100000)->Unit(benchmark::kMicrosecond);
