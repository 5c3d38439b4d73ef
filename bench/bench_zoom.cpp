// One scroll step on the results chart holding a million results, zoomed in so that about a
// thousand of them are in view: the drag moves every axis' range and the chart paints again.

#include "ChartSettings.h"
#include "LineSeries.h"
#include "device/FontSubstitutes.h"
#include "frame/DBChart.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <array>

namespace {

void BM_ScrollResultsChart(benchmark::State& state) {
    TDBChart chart;
    ApplyDBChart1Settings(chart);
    std::array<TLineSeries, 3> series;
    for (TLineSeries& s : series)
        chart.AddSeries(s);
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i)
        series[0].AddValue(150 + (i * 7919) % 900);

    QImage window(chart.Width(), chart.Height(), QImage::Format_RGB32);
    chart.PaintChart(window);
    const double first = count / 2.0;
    chart.BottomAxis()->SetRange(first, first + 1000);
    chart.PaintChart(window);

    const TRect plot = chart.PlotRect();
    const int x = (plot.left + plot.right) / 2;
    const int y = (plot.top + plot.bottom) / 2;
    int step = 1;
    for (auto _ : state) {
        chart.MouseDown(mbRight, ssRight, x, y);
        chart.MouseMove(ssRight, x + step, y + step);
        chart.MouseUp(mbRight, 0, x + step, y + step);
        chart.PaintChart(window);
        step = -step; // back and forth, so the view stays on the same thousand
    }
    benchmark::DoNotOptimize(window.constBits());
}
BENCHMARK(BM_ScrollResultsChart)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

// Charts measure and draw text, which needs a GUI application (offscreen: no display).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
