#pragma once

#include "frame/PanelTypes.h"
#include "legend/ChartLegend.h"

class TChartCanvas;

// Places the legend in its ShapeRect beside `plot` (or where it was put by hand) and answers the
// room it takes from `plot`.
TRoom LayoutLegend(TChartLegend& legend, TChartCanvas& canvas, const TRect& plot);
