#pragma once

#include "zoom/ChartZoom.h"
#include "zoom/SavedScale.h"

#include <array>

// The parts of a chart a mouse press can land on, in the order a press looks for them.
enum class TChartPart { None, Axis, Legend, Title, PlotRect };

// What a chart keeps between mouse events for scrolling and undoing: the scroll drag in progress
// and the ranges of the left, top, right and bottom axes from before the first zoom or scroll
// since the last undo.
struct TZoomScrollState {
    TZoomPanning Panning;
    bool ScalesNotSaved = true;
    std::array<TSavedScale, 4> SavedScales;
    bool Zoomed = false;
};
