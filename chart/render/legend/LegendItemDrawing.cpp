#include "legend/LegendItemDrawing.h"

#include "ChartSeries.h"
#include "device/ChartCanvas.h"
#include "series/SeriesPainters.h"

void DrawLegendItems(TChartCanvas& canvas, TSeriesDrawing& drawing, const TLegendItemsInput& in) {
    const int positions = static_cast<int>(in.items.size());
    for (int p = 0; p < positions; ++p) {
        const TLegendItemText& item = in.items[std::size_t(p)];
        canvas.SetBrushColor(in.legendColor);
        canvas.SetBrushStyle(bsClear);
        const TLegendItemPlace place = PlaceLegendItem(in.places, p);
        if (in.fontSeriesColor && item.series)
            canvas.SetFontColor(item.series->SeriesColor());
        int x = place.textX;
        for (std::size_t c = 0; c < item.columns.size(); ++c) {
            if (!item.columns[c].empty())
                canvas.TextOut(x, place.y, item.columns[c]);
            x += in.columnWidths[c] + in.blankWidth;
        }
        if (in.places.symbolWidth <= 0)
            continue;
        if (item.series) {
            DrawSeriesLegendSymbol(*item.series, drawing, place.symbol, in.legendColor,
                                   in.symbolPen);
        } else {
            canvas.SetBrushStyle(bsSolid);
            canvas.SetBrushColor(clWhite);
            canvas.Rectangle(place.symbol);
        }
        if (in.onSymbolDrawn)
            in.onSymbolDrawn(item.series, place.symbol);
    }
}
