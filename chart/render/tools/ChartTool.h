#pragma once

class TCustomAxisPanel;

// Something a chart draws over its finished series and axes, on the front plane: not a series,
// so it takes no depth slot and moves nothing the series draw. A chart draws its tools in the
// order they were added; the tool outlives its place in the chart's list.
class TChartTool {
public:
    virtual ~TChartTool() = default;
    virtual void Draw(TCustomAxisPanel& chart) = 0;
};
