#pragma once

class TChartSeries;
class TCustomAxisPanel;
class TSeriesDrawing;

// Draws the visible points of a series: the one place that knows which painter draws which
// kind of series. A kind without a painter here draws through its own DrawVisiblePoints.
void DrawSeriesPoints(TCustomAxisPanel& chart, TChartSeries& series, TSeriesDrawing& drawing);
