// Painting the results chart and the calibration chart with long series: the whole chart (frame,
// walls, title, series) into its window image, as the window system's paint request does.

#include "ChartImage.h"
#include "ChartSettings.h"
#include "LineSeries.h"
#include "axes/ChartAxis.h"
#include "frame/DBChart.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <memory>
#include <random>
#include <vector>

namespace {

// Fonts need a GUI application; offscreen, as the tests run.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_series";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

struct PaintedChart {
    TDBChart chart;
    std::vector<std::unique_ptr<TLineSeries>> series;
    QImage window;

    TLineSeries& AddSeries() {
        series.push_back(std::make_unique<TLineSeries>());
        chart.AddSeries(*series.back());
        return *series.back();
    }
    void Paint() {
        chart.Invalidate();
        chart.PaintChart(window);
    }
};

void Fill(TLineSeries& s, int count, double low, double high, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> value(low, high);
    for (int i = 0; i < count; ++i)
        s.AddValue(std::round(value(rng)));
}

void BM_PaintResultsChart(benchmark::State& state) {
    EnsureApplication();
    PaintedChart p;
    ApplyDBChart1Settings(p.chart);
    Fill(p.AddSeries(), int(state.range(0)), 150, 600, 1);
    p.window = QImage(p.chart.Width(), p.chart.Height(), QImage::Format_RGB32);
    for (auto _ : state) {
        p.Paint();
        benchmark::DoNotOptimize(p.window.constBits());
    }
}
BENCHMARK(BM_PaintResultsChart)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The results chart written as an SVG: shapes and text, the segments the raster paint leaves
// out left out as well.
void BM_SaveResultsChartSvg(benchmark::State& state) {
    EnsureApplication();
    PaintedChart p;
    ApplyDBChart1Settings(p.chart);
    Fill(p.AddSeries(), int(state.range(0)), 150, 600, 1);
    QByteArray svg;
    for (auto _ : state) {
        svg.clear();
        QBuffer file(&svg);
        file.open(QIODevice::WriteOnly);
        WriteChartPicture(file, p.chart, PictureFormat::Svg);
        benchmark::DoNotOptimize(svg.constData());
    }
    state.counters["bytes"] = double(svg.size());
}
BENCHMARK(BM_SaveResultsChartSvg)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A range one value wide (what a scroll of a zero range leaves) puts every second point of the
// results about 1e7 pixels above or below the plot.
void SetUpFarOffPoints(PaintedChart& p) {
    ApplyDBChart1Settings(p.chart);
    TLineSeries& s = p.AddSeries();
    for (int i = 0; i < 1000; ++i)
        s.AddValue(i % 2 == 0 ? 250 : (i % 4 == 1 ? 300 : 200));
    p.window = QImage(p.chart.Width(), p.chart.Height(), QImage::Format_RGB32);
    p.Paint();
    p.chart.LeftAxis()->SetRange(250 - 0.0005, 250 + 0.0005);
}

// The far-off points painted: the lines to them may cost only the pixels they cross on the
// chart.
void BM_PaintFarOffPoints(benchmark::State& state) {
    EnsureApplication();
    PaintedChart p;
    SetUpFarOffPoints(p);
    for (auto _ : state) {
        p.Paint();
        benchmark::DoNotOptimize(p.window.constBits());
    }
}
BENCHMARK(BM_PaintFarOffPoints)->Unit(benchmark::kMillisecond);

// The same far-off points written as an SVG: the shapes are cut to the clip on the geometry,
// which must cost no more than the part on the chart.
void BM_SaveFarOffPointsSvg(benchmark::State& state) {
    EnsureApplication();
    PaintedChart p;
    SetUpFarOffPoints(p);
    QByteArray svg;
    for (auto _ : state) {
        svg.clear();
        QBuffer file(&svg);
        file.open(QIODevice::WriteOnly);
        WriteChartPicture(file, p.chart, PictureFormat::Svg);
        benchmark::DoNotOptimize(svg.constData());
    }
    state.counters["bytes"] = double(svg.size());
}
BENCHMARK(BM_SaveFarOffPointsSvg)->Unit(benchmark::kMillisecond);

void BM_PaintCalibrationChart(benchmark::State& state) {
    EnsureApplication();
    PaintedChart p;
    ApplyDBChart3Settings(p.chart);
    const TColor colors[3] = {clBlue, clRed, clYellow};
    for (int i = 0; i < 3; ++i) {
        TLineSeries& s = p.AddSeries();
        s.SetSeriesColor(colors[i]);
        std::mt19937 rng(10 + i);
        std::normal_distribution<double> deviation(0.3 * i, 0.2);
        for (int k = 0; k < int(state.range(0)); ++k)
            s.AddValue(deviation(rng));
    }
    p.window = QImage(p.chart.Width(), p.chart.Height(), QImage::Format_RGB32);
    for (auto _ : state) {
        p.Paint();
        benchmark::DoNotOptimize(p.window.constBits());
    }
}
BENCHMARK(BM_PaintCalibrationChart)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
