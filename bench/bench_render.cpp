// Canvas throughput: the 3D line-series ribbons and a histogram bar's gradient.

#include "device/ChartCanvas3D.h"
#include "device/GradientDrawing.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <random>
#include <vector>

namespace {

struct Segment {
    TPoint from, to;
};

// Short random segments inside a 500 x 300 chart, as a line series' ribbons are.
std::vector<Segment> RandomSegments(int count) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> x(20, 460), y(40, 280), step(-12, 12), len(1, 12);
    std::vector<Segment> s(static_cast<std::size_t>(count));
    for (Segment& seg : s) {
        seg.from = {x(rng), y(rng)};
        seg.to = {seg.from.x + len(rng), seg.from.y + step(rng)};
    }
    return s;
}

void BM_RibbonPlanes(benchmark::State& state) {
    const int count = int(state.range(0));
    const std::vector<Segment> segments = RandomSegments(count);
    QImage window(500, 300, QImage::Format_RGB32);
    TView3DOptions options;
    TChartCanvas3D canvas;
    canvas.BeginDrawing(window, options, true, {0, 0, 500, 300});
    canvas.SetupProjection(15, {30, 30, 470, 290});
    TChartPen pen(clBlack);
    TChartBrush brush(clRed);
    canvas.SelectPen(pen);
    canvas.SelectBrush(brush);
    for (auto _ : state) {
        for (const Segment& s : segments)
            canvas.FillDepthStrip(s.from, s.to, 0, 15);
        benchmark::DoNotOptimize(canvas.GetPixel(250, 150));
    }
    canvas.EndDrawing(window, {0, 0, 500, 300});
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["ns_per_ribbon"] =
        benchmark::Counter(double(state.iterations()) * count,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                           benchmark::Counter::OneK::kIs1000);
}
BENCHMARK(BM_RibbonPlanes)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_GradientBar(benchmark::State& state) {
    QImage window(100, 300, QImage::Format_RGB32);
    TView3DOptions options;
    TChartCanvas3D canvas;
    canvas.BeginDrawing(window, options, false, {0, 0, 100, 300});
    TChartGradient gradient;
    gradient.SetStartColor(clWhite);
    gradient.SetMidColor(clYellow);
    gradient.SetEndColor(clBlue);
    for (auto _ : state) {
        DrawGradient(gradient, canvas, {20, 20, 50, 270});
        benchmark::DoNotOptimize(canvas.GetPixel(30, 100));
    }
    canvas.EndDrawing(window, {0, 0, 100, 300});
}
BENCHMARK(BM_GradientBar)->Unit(benchmark::kMicrosecond);

} // namespace
