// The results file with 100 000 and 1 000 000 rows: reading it into the results series the way the
// import does (every row parsed, then added, then the dataset reopened), and writing it.
#include "CustomChartBase.h"
#include "LineSeries.h"
#include "ResultsCsv.h"
#include "SeriesDataSet.h"

#include <benchmark/benchmark.h>

namespace {

std::string ResultsText(int rows) {
    TCustomChartBase chart;
    TLineSeries series;
    chart.AddSeries(series);
    for (int i = 0; i < rows; ++i)
        series.AddValue(150 + (i * 37) % 400 + (i % 2) * 0.5);
    return WriteResultsCsv(series);
}

void BM_ResultsImport(benchmark::State& state) {
    const std::string text = ResultsText(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        TCustomChartBase chart;
        TLineSeries series;
        chart.AddSeries(series);
        TSeriesDataSet dataSet;
        dataSet.SetSeries(&series);
        dataSet.Open();
        state.ResumeTiming();

        for (double ms : ReadResultsCsv(text))
            series.AddValue(ms);
        dataSet.Close();
        dataSet.Open();
        benchmark::DoNotOptimize(series.PointCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ResultsImport)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ResultsSave(benchmark::State& state) {
    TCustomChartBase chart;
    TLineSeries series;
    chart.AddSeries(series);
    for (int i = 0; i < state.range(0); ++i)
        series.AddValue(150 + (i * 37) % 400 + (i % 2) * 0.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteResultsCsv(series));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ResultsSave)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
