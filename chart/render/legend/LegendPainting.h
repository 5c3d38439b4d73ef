#pragma once

#include "legend/ChartLegend.h"

class TChartCanvas3D;

// Draws the legend's box and items in its ShapeRect, as LayoutLegend placed them.
void PaintLegend(TChartCanvas3D& canvas, const TChartLegend& legend);
