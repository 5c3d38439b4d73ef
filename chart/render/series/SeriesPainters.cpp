#include "series/SeriesPainters.h"

#include "BarSeries.h"
#include "CustomSeries.h"
#include "frame/CustomAxisPanel.h"
#include "series/BarSeriesPainter.h"
#include "series/LineSeriesPainter.h"

void DrawSeriesPoints(TCustomAxisPanel& chart, TChartSeries& series, TSeriesDrawing& drawing) {
    // Points are placed through the axes; a chart without them leaves the series to itself.
    if (!series.GetHorizAxis() || !series.GetVertAxis()) {
        series.DrawVisiblePoints(drawing);
        return;
    }
    const TSeriesPaintContext context{.drawing = drawing,
                                      .plot = chart.PlotRect(),
                                      .seriesDepth = chart.SeriesDepth(),
                                      .seriesDepthRise = chart.SeriesDepthRise(),
                                      .chartColor = chart.Color(),
                                      .skipHidden = chart.SkipHiddenSegments()};
    if (const auto* line = dynamic_cast<const TCustomSeries*>(&series)) {
        TLineSeriesPainter(*line, context).DrawVisiblePoints();
    } else if (const auto* bars = dynamic_cast<const TBarSeries*>(&series)) {
        TBarSeriesPainter(*bars, context).DrawVisiblePoints();
    } else {
        series.DrawVisiblePoints(drawing);
    }
}
