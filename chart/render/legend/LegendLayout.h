#pragma once

#include "ChartGeometry.h"
#include "frame/PanelTypes.h"
#include "legend/ChartLegend.h"

class TChartCanvas;
class TChartSeriesList;

// What the legend's layout reads from its chart.
struct TLegendChart {
    const TChartSeriesList& series;
    TRect plot;      // the plotting rectangle before the legend takes its room
    TRect panel;     // the chart's full bounds
    int shadowV = 0; // the chart's shadow, vertical size
};

// Width of the legend's frame: its bevel's, or its visible pen's, else 0.
int LegendFrameWidth(const TChartLegend& legend);

// Lists the legend's items, places its box in ShapeRect beside the plotting rectangle and keeps
// what the paint and LegendItemAt need. Answers the room it takes from the plotting rectangle:
// none when nothing fits, when it does not resize the chart, or when it is placed by hand.
TRoom LayoutLegend(TChartLegend& legend, TChartCanvas& canvas, const TLegendChart& chart);
