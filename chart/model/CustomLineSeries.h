#pragma once

#include "ChartSeries.h"

// Base of the series drawn as lines through their points. The pen is the line pen.
class TCustomLineSeries : public TChartSeries {
public:
    TChartPen& LinePen() { return Pen(); }
    const TChartPen& LinePen() const { return Pen(); }
};
