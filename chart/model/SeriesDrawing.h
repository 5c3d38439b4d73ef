#pragma once

#include "ChartBrush.h"
#include "ChartColor.h"
#include "ChartGeometry.h"
#include "ChartGradient.h"
#include "ChartPen.h"

// What a series needs to draw its points: pen and brush selection and the few 3D operations of
// lines, ribbons and bars. The chart hands one to DrawVisiblePoints for each paint; the renderer
// implements it over its canvas, tests implement it with a recorder. Points are pixels of the
// plotting area, depths run from 0 at the front plane toward the back.
class TBarSeries;
class TCustomSeries;

class TSeriesDrawing {
public:
    virtual ~TSeriesDrawing() = default;

    // The paint is 3D (View3D on); the view is the oblique one; colours go to a monochrome device.
    virtual bool Is3D() const = 0;
    virtual bool Orthogonal() const = 0;
    virtual bool Monochrome() const = 0;
    // Where a point at depth z lands on the screen.
    virtual TPoint ProjectPoint(TPoint p, int z) const = 0;
    // Whether every point at depth z lands moved by one and the same whole-pixel offset, so
    // that shapes drawn at that depth keep their pixels from one place to the next.
    virtual bool ShiftsAtDepth(int z) const = 0;

    // --- Pen and brush ----------------------------------------------------------------------
    // The pen's style and width, in its own colour or in `color`.
    virtual void SelectPen(const TChartPen& pen) = 0;
    virtual void SelectPen(const TChartPen& pen, TColor color) = 0;
    virtual TColor PenColor() const = 0;
    virtual void SetPenColor(TColor color) = 0;
    // The brush's style in `color`; hatches are drawn on `backColor` (clNone: transparent).
    virtual void SelectBrush(const TChartBrush& brush, TColor color, TColor backColor) = 0;
    virtual TColor BrushColor() const = 0;
    virtual void SetBrushColor(TColor color) = 0;
    virtual void SetBrushStyle(TBrushStyle style) = 0;

    // --- Drawing ----------------------------------------------------------------------------
    // A flat line with the pen, including `from` and stopping before `to`.
    virtual void Line(TPoint from, TPoint to) = 0;
    // A flat rectangle: brush inside, pen around.
    virtual void Rectangle(const TRect& r) = 0;
    // The plane standing between p0 and p1 from depth z0 back to z1: brush inside, pen around.
    virtual void PlaneBetween(TPoint p0, TPoint p1, int z0, int z1) = 0;
    // The box r × (z0..z1), its faces toward the viewer drawn; with darkSides the side faces
    // are darkened by SideDarkenAmount and the top or bottom by DarkenAmount.
    virtual void Box(const TRect& r, int z0, int z1, bool darkSides) = 0;
    // r at depth z filled with the gradient (projected; a quad when the view is not oblique).
    virtual void GradientBox(const TCustomChartGradient& gradient, const TRect& r, int z) = 0;

    // --- Whole series ---------------------------------------------------------------------
    // Line and bar series are drawn by the renderer's painters, which place the points through
    // the axes' mappings captured once per paint; these are what their DrawVisiblePoints call.
    virtual void DrawLineSeries(const TCustomSeries& series) = 0;
    virtual void DrawBarSeries(const TBarSeries& series) = 0;
};
