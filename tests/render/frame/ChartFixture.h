#pragma once

#include "BarSeries.h"
#include "ChartSettings.h"
#include "LineSeries.h"
#include "SeriesDrawing.h"
#include "device/ChartCanvas.h"
#include "frame/DBChart.h"

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A line series that reports the steps the chart takes with it.
class ProbeSeries : public TLineSeries {
public:
    std::vector<std::string>* log = nullptr;
    std::function<void(TSeriesDrawing&, int)> onDrawValue;

    void PrepareForDrawing() override { Log("prepare"); }
    // Point by point while probed, so each value can be seen; drawn as a line otherwise.
    void DrawVisiblePoints(TSeriesDrawing& drawing) override {
        if (log || onDrawValue)
            TChartSeries::DrawVisiblePoints(drawing);
        else
            TLineSeries::DrawVisiblePoints(drawing);
    }
    void CalcDepthPositions() override {
        Log("depth positions");
        TLineSeries::CalcDepthPositions();
    }
    void DrawValue(TSeriesDrawing& drawing, int index) override {
        Log("draw value");
        if (onDrawValue)
            onDrawValue(drawing, index);
    }

private:
    void Log(const char* step) {
        if (log)
            log->push_back(step);
    }
};

enum class ProgramChart { DBChart1, DBChart2, DBChart3 };

// One of the program's charts as the window sets it up, with its series (no points yet), and
// a window image to paint it into.
struct ChartUnderTest {
    explicit ChartUnderTest(ProgramChart which) {
        switch (which) {
        case ProgramChart::DBChart1:
            ApplyDBChart1Settings(chart);
            AddLines(3);
            break;
        case ProgramChart::DBChart2:
            ApplyDBChart2Settings(chart);
            series.push_back(std::make_unique<TBarSeries>());
            chart.AddSeries(*series.back());
            break;
        case ProgramChart::DBChart3:
            ApplyDBChart3Settings(chart);
            AddLines(3);
            break;
        }
    }

    void AddLines(int count) {
        for (int i = 0; i < count; ++i) {
            series.push_back(std::make_unique<ProbeSeries>());
            chart.AddSeries(*series.back());
        }
    }
    ProbeSeries& Probe(int index) { return static_cast<ProbeSeries&>(*series[std::size_t(index)]); }

    // A paint request of the window system on a window the chart's size, first filled with a
    // colour the chart never uses.
    void Paint() {
        if (window.width() != chart.Width() || window.height() != chart.Height())
            window = QImage(chart.Width(), chart.Height(), QImage::Format_RGB32);
        window.fill(QColor(1, 2, 3));
        chart.PaintChart(window);
    }
    TColor Px(int x, int y) const {
        const QRgb c = window.pixel(x, y);
        return RGBColor(qRed(c), qGreen(c), qBlue(c));
    }

    TDBChart chart;
    std::vector<std::unique_ptr<TChartSeries>> series;
    QImage window;
};

// Height of one line of text in the font.
inline int LineHeightOf(const TChartFont& font) {
    TChartCanvas canvas;
    canvas.SelectFont(font);
    return canvas.TextLineHeight();
}
