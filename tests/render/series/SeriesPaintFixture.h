#pragma once

#include "ChartAxisBase.h"
#include "CustomChartBase.h"
#include "axes/AxisScale.h"
#include "device/ChartCanvas3D.h"
#include "series/CanvasSeriesDrawing.h"
#include "series/SeriesPaintContext.h"

#include <gtest/gtest.h>

#include <QImage>

// An axis that scales like the chart's: the painters capture its mapping.
class TScaleAxis : public TChartAxisBase, public TAxisScale {
public:
    explicit TScaleAxis(bool horizontal) : TAxisScale(horizontal) {}
    bool Horizontal() const override { return TAxisScale::Horizontal(); }
    bool Inverted() const override { return TAxisScale::Inverted(); }
    int ValueToPixel(double v) const override { return TAxisScale::ValueToPixel(v); }
    double PixelToValue(int p) const override { return TAxisScale::PixelToValue(p); }
    int AxisLength() const override { return TAxisScale::AxisLength(); }
};

// A chart with a plotting rectangle, two scaled axes and a canvas painting into a 260 x 160
// image, in 3D (depth slots of 10 pixels) or 2D.
class TPaintChart : public TCustomChartBase {
public:
    TRect Plot{20, 30, 220, 130};
    TScaleAxis Bottom{true};
    TScaleAxis Left{false};
    int Depth = 10;
    // Series drawn from their last point back, as in views seen from the other side.
    bool Reverse = false;

    TRect PlotRect() const override { return Plot; }
    bool ReverseSeriesOrder() const override { return Reverse; }
    int SeriesDepth() const override { return Depth; }
    TChartAxisBase* BottomAxis() const override { return const_cast<TScaleAxis*>(&Bottom); }
    TChartAxisBase* LeftAxis() const override { return const_cast<TScaleAxis*>(&Left); }

    // Both axes span the plotting rectangle and show the given ranges.
    void SetRanges(double x0, double x1, double y0, double y1) {
        Bottom.UpdatePositions(Plot.left, Plot.Width(), 0);
        Left.UpdatePositions(Plot.top, Plot.Height(), 0);
        Bottom.ComputeAutoRange(x0, x1);
        Left.ComputeAutoRange(y0, y1);
    }
};

class SeriesPaintTest : public testing::Test {
protected:
    void Begin(bool view3D) {
        image = QImage(260, 160, QImage::Format_RGB32);
        image.fill(Qt::white);
        canvas.BeginDrawing(image, options, view3D, {0, 0, 260, 160});
        canvas.SetupProjection(view3D ? chart.Depth : 0, chart.Plot);
        is3D = view3D;
    }
    TSeriesPaintContext Context(bool skipHidden = true) {
        return {.drawing = drawing,
                .plot = chart.Plot,
                .seriesDepth = is3D ? chart.Depth : 0,
                .seriesDepthRise = is3D ? chart.Depth : 0,
                .chartColor = clWhite,
                .skipHidden = skipHidden};
    }
    // The buffer as painted so far.
    const QImage& Picture() {
        canvas.EndDrawing(image, {0, 0, 260, 160});
        return image;
    }
    TColor Px(int x, int y) {
        const QRgb c = canvas.Buffer().pixel(x, y);
        return RGBColor(qRed(c), qGreen(c), qBlue(c));
    }

    TPaintChart chart;
    TView3DOptions options;
    TChartCanvas3D canvas;
    TCanvasSeriesDrawing drawing{canvas};
    QImage image;
    bool is3D = false;
};
