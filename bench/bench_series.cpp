// Painting the results chart and the calibration chart with long series: the whole chart (frame,
// walls, title, series) into its window image, as the window system's paint request does.

#include "ChartSettings.h"
#include "LineSeries.h"
#include "axes/AxisScale.h"
#include "frame/DBChart.h"

#include <benchmark/benchmark.h>

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

// An axis scaled over the plotting rectangle and the data, as the chart's axes leave it.
class TSpanAxis : public TChartAxisBase, public TAxisScale {
public:
    explicit TSpanAxis(bool horizontal) : TAxisScale(horizontal) {}
    bool Horizontal() const override { return TAxisScale::Horizontal(); }
    bool Inverted() const override { return TAxisScale::Inverted(); }
    int ValueToPixel(double v) const override { return TAxisScale::ValueToPixel(v); }
    double PixelToValue(int p) const override { return TAxisScale::PixelToValue(p); }
    int AxisLength() const override { return TAxisScale::AxisLength(); }
};

// One of the program's charts whose two axes span the plotting rectangle and the data's extremes.
class TBenchChart : public TDBChart {
public:
    TBenchChart() {
        OnBeforeDrawSeries = [this] {
            const TRect p = PlotRect();
            bottom_.UpdatePositions(p.left, p.Width(), 0);
            left_.UpdatePositions(p.top, p.Height(), 0);
            double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
            bool first = true;
            for (TChartSeries* s : SeriesList()) {
                if (s->PointCount() == 0)
                    continue;
                x0 = first ? s->MinX() : std::min(x0, s->MinX());
                x1 = first ? s->MaxX() : std::max(x1, s->MaxX());
                y0 = first ? s->MinY() : std::min(y0, s->MinY());
                y1 = first ? s->MaxY() : std::max(y1, s->MaxY());
                first = false;
            }
            bottom_.ComputeAutoRange(x0, x1);
            left_.ComputeAutoRange(y0, y1);
        };
    }
    TChartAxisBase* BottomAxis() const override { return const_cast<TSpanAxis*>(&bottom_); }
    TChartAxisBase* LeftAxis() const override { return const_cast<TSpanAxis*>(&left_); }

private:
    TSpanAxis bottom_{true};
    TSpanAxis left_{false};
};

struct PaintedChart {
    TBenchChart chart;
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
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

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
