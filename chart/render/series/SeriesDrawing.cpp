#include "series/SeriesDrawing.h"

#include "BarSeries.h"
#include "series/BarSeriesPainter.h"
#include "frame/CustomAxisPanel.h"
#include "CustomSeries.h"
#include "series/LineSeriesPainter.h"

void DrawSeriesPoints(TCustomAxisPanel& chart, TChartSeries& series) {
    const TSeriesPaintContext context{.canvas = chart.Canvas(),
                                      .view3D = chart.View3D(),
                                      .orthogonal = chart.View3DOptions().Orthogonal(),
                                      .plot = chart.PlotRect(),
                                      .seriesDepth = chart.SeriesDepth(),
                                      .seriesDepthRise = chart.SeriesDepthRise(),
                                      .chartColor = chart.Color(),
                                      .skipHidden = chart.SkipHiddenSegments()};
    // Points are placed through the axes; a chart without them leaves the series to itself.
    if (!series.GetHorizAxis() || !series.GetVertAxis()) {
        series.DrawVisiblePoints();
        return;
    }
    if (const auto* line = dynamic_cast<const TCustomSeries*>(&series)) {
        TLineSeriesPainter(*line, context).DrawVisiblePoints();
    } else if (const auto* bars = dynamic_cast<const TBarSeries*>(&series)) {
        TBarSeriesPainter(*bars, context).DrawVisiblePoints();
    } else {
        series.DrawVisiblePoints();
    }
}
