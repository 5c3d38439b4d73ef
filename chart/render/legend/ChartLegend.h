#pragma once

#include "frame/ChartShape.h"

// The chart's legend: a framed box on one side of the chart that lists the series (or the points
// of one series), each with a symbol drawn like its series. The chart owns it, lays it out with
// LayoutLegend and paints it with PaintLegend; its settings join here.
class TChartLegend : public TChartCustomShapePosition {
public:
    explicit TChartLegend(TCustomChartBase* chart) : TChartCustomShapePosition(chart) {}

    // The legend stands at the left or the right of the chart (else at the top or bottom).
    bool SideAligned() const { return false; }
};
