// Axis mapping: 100 000 values of a series mapped to pixels, through the mapping captured once
// per paint and through the axis per value.

#include "axes/AxisScale.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

std::vector<double> RandomValues(int count) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> v(150, 900);
    std::vector<double> values(static_cast<std::size_t>(count));
    for (double& x : values)
        x = v(rng);
    return values;
}

// The left axis of the results chart after a paint: 250 pixels for 150 .. 900 ms.
TAxisScale ResultsAxis() {
    TAxisScale axis(false);
    axis.ComputeAutoRange(150, 900);
    axis.UpdatePositions(57, 250, 21);
    axis.ApplySeriesMargins(4, 4);
    return axis;
}

void BM_CapturedMapping(benchmark::State& state) {
    const std::vector<double> values = RandomValues(int(state.range(0)));
    const TAxisScale axis = ResultsAxis();
    for (auto _ : state) {
        const TAxisMapping mapping = axis.Mapping();
        long sum = 0;
        for (double v : values)
            sum += mapping.Pixel(v);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CapturedMapping)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_ValueToPixelPerValue(benchmark::State& state) {
    const std::vector<double> values = RandomValues(int(state.range(0)));
    const TAxisScale axis = ResultsAxis();
    for (auto _ : state) {
        long sum = 0;
        for (double v : values)
            sum += axis.ValueToPixel(v);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValueToPixelPerValue)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
