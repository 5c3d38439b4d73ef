#pragma once

#include "legend/ChartLegend.h"

class TCanvas3D;

// Draws the legend's box and items in its ShapeRect, as LayoutLegend placed them.
void PaintLegend(TCanvas3D& canvas, const TChartLegend& legend);
