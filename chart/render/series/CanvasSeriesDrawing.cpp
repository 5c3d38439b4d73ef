#include "series/CanvasSeriesDrawing.h"

#include "BarSeries.h"
#include "CustomSeries.h"
#include "device/ChartCanvas3D.h"
#include "device/GradientDrawing.h"
#include "frame/CustomAxisPanel.h"
#include "series/BarSeriesPainter.h"
#include "series/LineSeriesPainter.h"

namespace {

// Points are placed through the axes; without them a series has nowhere to go.
bool HasAxes(const TChartSeries& series) {
    return series.GetHorizAxis() && series.GetVertAxis();
}

TSeriesPaintContext ContextOf(const TCustomAxisPanel& chart, TSeriesDrawing& drawing) {
    return {.drawing = drawing,
            .plot = chart.PlotRect(),
            .seriesDepth = chart.SeriesDepth(),
            .seriesDepthRise = chart.SeriesDepthRise(),
            .chartColor = chart.Color(),
            .skipHidden = chart.SkipHiddenSegments()};
}

} // namespace

bool TCanvasSeriesDrawing::Is3D() const {
    return canvas_.Is3D();
}
bool TCanvasSeriesDrawing::Orthogonal() const {
    return canvas_.IsOrthogonal();
}
bool TCanvasSeriesDrawing::Monochrome() const {
    return canvas_.Monochrome();
}
TPoint TCanvasSeriesDrawing::ProjectPoint(TPoint p, int z) const {
    return canvas_.ProjectPoint(p, z);
}
bool TCanvasSeriesDrawing::ShiftsAtDepth(int z) const {
    return canvas_.ShiftsAtDepth(z);
}

void TCanvasSeriesDrawing::SelectPen(const TChartPen& pen) {
    canvas_.SelectPen(pen);
}
void TCanvasSeriesDrawing::SelectPen(const TChartPen& pen, TColor color) {
    canvas_.SelectPen(pen, color);
}
TColor TCanvasSeriesDrawing::PenColor() const {
    return canvas_.PenColor();
}
void TCanvasSeriesDrawing::SetPenColor(TColor color) {
    canvas_.SetPenColor(color);
}
void TCanvasSeriesDrawing::SelectBrush(const TChartBrush& brush, TColor color, TColor backColor) {
    canvas_.SelectBrush(brush, color, backColor);
}
TColor TCanvasSeriesDrawing::BrushColor() const {
    return canvas_.BrushColor();
}
void TCanvasSeriesDrawing::SetBrushColor(TColor color) {
    canvas_.SetBrushColor(color);
}
void TCanvasSeriesDrawing::SetBrushStyle(TBrushStyle style) {
    canvas_.SetBrushStyle(style);
}

void TCanvasSeriesDrawing::Line(TPoint from, TPoint to) {
    canvas_.Line(from.x, from.y, to.x, to.y);
}
void TCanvasSeriesDrawing::Rectangle(const TRect& r) {
    canvas_.Rectangle(r);
}
void TCanvasSeriesDrawing::PlaneBetween(TPoint p0, TPoint p1, int z0, int z1) {
    canvas_.FillDepthStrip(p0, p1, z0, z1);
}
void TCanvasSeriesDrawing::Box(const TRect& r, int z0, int z1, bool darkSides) {
    canvas_.DrawBox(r.left, r.right, r.top, r.bottom, z0, z1, darkSides);
}
void TCanvasSeriesDrawing::GradientBox(const TCustomChartGradient& gradient, const TRect& r,
                                       int z) {
    if (canvas_.Is3D())
        DrawGradientAtDepth(gradient, canvas_, r, z);
    else
        DrawGradient(gradient, canvas_, r);
}

void TCanvasSeriesDrawing::DrawLineSeries(const TCustomSeries& series) {
    if (!chart_ || !HasAxes(series))
        return;
    TLineSeriesPainter(series, ContextOf(*chart_, *this)).DrawVisiblePoints();
}

void TCanvasSeriesDrawing::DrawBarSeries(const TBarSeries& series) {
    if (!chart_ || !HasAxes(series))
        return;
    TBarSeriesPainter(series, ContextOf(*chart_, *this)).DrawVisiblePoints();
}
