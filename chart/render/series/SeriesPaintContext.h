#pragma once

#include "device/Canvas3D.h"
#include "ChartColor.h"
#include "ChartGeometry.h"

// What a series painter needs of the chart for one paint: the canvas, the view, the plotting
// rectangle and the depth of one series slot. Captured by the paint step once per series.
struct TSeriesPaintContext {
    TCanvas3D& canvas;
    bool view3D = false;
    bool orthogonal = true;
    TRect plot;
    int seriesDepth = 0;
    int seriesDepthRise = 0;
    TColor chartColor = clWhite;
    // Leave out segments that later segments of the same pixel column cover completely.
    bool skipHidden = true;
};
