#include "series/SeriesPainters.h"

#include "BarSeries.h"
#include "ChartPen.h"
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

void DrawSeriesLegendSymbol(const TChartSeries& series, TSeriesDrawing& drawing, const TRect& r,
                            TColor legendColor, const TChartPen* symbolPen) {
    if (series.ColorEachPoint())
        return;
    const TColor color = series.SeriesColor();
    if (color == clNone)
        return;
    const TChartPen& pen = symbolPen ? *symbolPen : series.Pen();
    if (dynamic_cast<const TCustomSeries*>(&series) && !drawing.Is3D()) {
        drawing.SetBrushStyle(bsClear);
        drawing.SelectPen(pen, color);
        const int y = (r.top + r.bottom) / 2;
        drawing.Line({r.left, y}, {r.right, y});
        return;
    }
    drawing.SelectPen(pen);
    drawing.SelectBrush(series.Brush(), color, legendColor);
    drawing.Rectangle(r);
}
