#include "series/SeriesPainters.h"

#include "BarSeries.h"
#include "ChartPen.h"
#include "CustomSeries.h"
#include "SeriesDrawing.h"

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
