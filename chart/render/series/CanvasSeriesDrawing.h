#pragma once

#include "SeriesDrawing.h"

class TChartCanvas3D;
class TCustomAxisPanel;

// Series drawing on the chart's 3D canvas, for the length of one paint.
class TCanvasSeriesDrawing final : public TSeriesDrawing {
public:
    explicit TCanvasSeriesDrawing(TChartCanvas3D& canvas) : canvas_(canvas) {}
    // Whole series are laid out on the chart's plotting rectangle and depth slots.
    TCanvasSeriesDrawing(TChartCanvas3D& canvas, TCustomAxisPanel& chart)
        : canvas_(canvas), chart_(&chart) {}

    bool Is3D() const override;
    bool Orthogonal() const override;
    bool Monochrome() const override;
    TPoint ProjectPoint(TPoint p, int z) const override;
    bool ShiftsAtDepth(int z) const override;

    void SelectPen(const TChartPen& pen) override;
    void SelectPen(const TChartPen& pen, TColor color) override;
    TColor PenColor() const override;
    void SetPenColor(TColor color) override;
    void SelectBrush(const TChartBrush& brush, TColor color, TColor backColor) override;
    TColor BrushColor() const override;
    void SetBrushColor(TColor color) override;
    void SetBrushStyle(TBrushStyle style) override;

    void Line(TPoint from, TPoint to) override;
    void Rectangle(const TRect& r) override;
    void PlaneBetween(TPoint p0, TPoint p1, int z0, int z1) override;
    void Box(const TRect& r, int z0, int z1, bool darkSides) override;
    void GradientBox(const TCustomChartGradient& gradient, const TRect& r, int z) override;

    void DrawLineSeries(const TCustomSeries& series) override;
    void DrawBarSeries(const TBarSeries& series) override;

private:
    TChartCanvas3D& canvas_;
    TCustomAxisPanel* chart_ = nullptr;
};
