#pragma once

#include "ChartColor.h"
#include "ChartGeometry.h"
#include "ChartSeries.h"
#include "SeriesDrawing.h"

// What a series painter needs of the chart for one paint: where to draw, the plotting
// rectangle and the depth of one series slot. Captured by the paint step once per series.
struct TSeriesPaintContext {
    TSeriesDrawing& drawing;
    TRect plot;
    int seriesDepth = 0;
    int seriesDepthRise = 0;
    TColor chartColor = clWhite;
    // Leave out segments that later segments of the same pixel column cover completely.
    bool skipHidden = true;
};

// Calls draw(index, first) for the visible points in drawing order; `first` is the index drawn
// first (FirstVisible, or LastVisible when the series draws backwards).
template <class Draw> void ForEachVisiblePoint(const TChartSeries& series, Draw&& draw) {
    const int first = series.FirstVisible();
    const int last = series.LastVisible();
    if (first < 0)
        return;
    if (series.DrawsForward()) {
        for (int i = first; i <= last; ++i)
            draw(i, first);
    } else {
        for (int i = last; i >= first; --i)
            draw(i, last);
    }
}
