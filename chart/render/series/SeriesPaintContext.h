#pragma once

#include "ChartColor.h"
#include "ChartGeometry.h"
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
