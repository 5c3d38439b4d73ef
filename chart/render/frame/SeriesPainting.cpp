#include "ChartSeries.h"
#include "frame/CustomAxisPanel.h"
#include "series/CanvasSeriesDrawing.h"

#include <vector>

void TCustomAxisPanel::PaintSeriesInOrder() {
    std::vector<TChartSeries*> active;
    for (TChartSeries* series : SeriesList())
        if (series->Active())
            active.push_back(series);
    // Together with the depth slots this paints the back slot first.
    if (DepthAxisInverted() != BackIsCulled(ChartDepth())) {
        for (auto it = active.rbegin(); it != active.rend(); ++it)
            PaintOneSeries(**it);
    } else {
        for (TChartSeries* series : active)
            PaintOneSeries(*series);
    }
}

void TCustomAxisPanel::PaintOneSeries(TChartSeries& series) {
    series.ComputeVisibleRange();
    if (series.FirstVisible() == -1)
        return;
    series.DoBeforeDrawValues();
    {
        const TCanvasStateSaver saved(Canvas());
        if (series.UsesAxes() && ClipPoints())
            ClipToPlot();
        TCanvasSeriesDrawing drawing(Canvas(), *this);
        series.DrawVisiblePoints(drawing);
    }
    if (series.PointCount() > 0 && series.Marks().Visible())
        DrawSeriesMarks(series);
    series.DoAfterDrawValues();
}

void TCustomAxisPanel::ClipToPlot() {
    const TRect& r = PlotRect();
    Canvas().ClipToBox({r.left, r.top, r.right, r.bottom + 1}, 0, ChartDepth());
}
