// The series dataset over a large results series: a full scan reading "Y" (what the histogram
// does) and the reopen that rebuilds the record ids.
#include "LineSeries.h"
#include "SeriesDataSet.h"

#include <benchmark/benchmark.h>

namespace {

void Fill(TLineSeries& series, int points) {
    for (int i = 0; i < points; ++i)
        series.AddValue(200 + i % 300);
}

void BM_DataSetScan(benchmark::State& state) {
    TLineSeries series;
    Fill(series, static_cast<int>(state.range(0)));
    TSeriesDataSet dataSet;
    dataSet.SetSeries(&series);
    for (auto _ : state) {
        dataSet.Open();
        TField& y = dataSet.FieldByName("Y");
        double total = 0;
        for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
            total += y.AsInteger();
        benchmark::DoNotOptimize(total);
        dataSet.Close();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DataSetScan)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DataSetReopen(benchmark::State& state) {
    TLineSeries series;
    Fill(series, static_cast<int>(state.range(0)));
    TSeriesDataSet dataSet;
    dataSet.SetSeries(&series);
    dataSet.Open();
    for (auto _ : state) {
        dataSet.Close();
        dataSet.Open();
    }
}
BENCHMARK(BM_DataSetReopen)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
