#pragma once

#include "ChartGeometry.h"

class TChartAxis;

// How much of the plotting rectangle an axis takes for its line, ticks, labels and title, and
// where those stand. Measuring selects fonts on the chart's canvas.

// Room for the axis line and the outer ticks.
int TickAndLineSize(const TChartAxis& axis);
// Width of the widest of the two extreme labels plus a blank, in the labels font.
int MaxLabelsWidth(TChartAxis& axis);
// Room across the axis for one row of labels (two when they alternate).
int LabelsRowSize(TChartAxis& axis);

// Sets the axis' LabelsPos and TitlePos for the rectangle `r` and answers how many pixels the
// axis takes from its side of `r` (the bottom for the bottom axis, the left for the left axis).
// Without `inflate` the axis takes nothing and also places its line at the edge of `r`, with
// labels and title stacked outward from it.
int ReserveAxisSpace(TChartAxis& axis, const TRect& r, bool inflate);

// The rectangle less `room` pixels on the axis' side.
TRect ShrinkSide(const TChartAxis& axis, TRect r, int room);
// The edge of `r` the axis stands on, moved by the axis' PositionPercent.
int AxisEdge(const TChartAxis& axis, const TRect& r);
