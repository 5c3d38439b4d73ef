#pragma once

class TChartSeries;
class TCustomAxisPanel;

// Draws the visible points of a series on the chart's canvas: the one place that knows which
// painter draws which kind of series. A kind without a painter here draws through its own
// DrawVisiblePoints.
void DrawSeriesPoints(TCustomAxisPanel& chart, TChartSeries& series);
