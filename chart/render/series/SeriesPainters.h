#pragma once

#include "ChartColor.h"
#include "ChartGeometry.h"

class TChartPen;
class TChartSeries;
class TSeriesDrawing;

// The small picture of a series in a legend item, drawn into `r`: nothing for a series coloured
// point by point; a line series draws a line across the middle in 2D and a filled rectangle in
// 3D, in its series colour with its line pen's style (the pen's own colour outlines the 3D
// rectangle); other series a rectangle in their colour. `symbolPen`, when given, replaces the
// series' own pen.
void DrawSeriesLegendSymbol(const TChartSeries& series, TSeriesDrawing& drawing, const TRect& r,
                            TColor legendColor, const TChartPen* symbolPen);
