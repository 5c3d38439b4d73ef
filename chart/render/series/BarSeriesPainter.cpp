#include "series/BarSeriesPainter.h"

#include "BarSeries.h"
#include "ColorOps.h"
#include "device/GradientDrawing.h"

#include <algorithm>

TBarSeriesPainter::TBarSeriesPainter(const TBarSeries& series, const TSeriesPaintContext& context)
    : series_(series), context_(context), canvas_(context.canvas) {}

void TBarSeriesPainter::DrawVisiblePoints() {
    const int first = series_.FirstVisible();
    const int last = series_.LastVisible();
    if (first < 0)
        return;
    if (series_.DrawsForward()) {
        for (int i = first; i <= last; ++i)
            DrawValue(i);
    } else {
        for (int i = last; i >= first; --i)
            DrawValue(i);
    }
}

void TBarSeriesPainter::DrawValue(int index) {
    barColor_ = series_.PointColor(index);
    if (barColor_ == clNone)
        return;
    bounds_ = series_.BarBounds(index);
    DrawBar(index, std::min(bounds_.top, bounds_.bottom), std::max(bounds_.top, bounds_.bottom));
}

void TBarSeriesPainter::DrawBar(int /*index*/, int top, int bottom) {
    const TChartPen& pen = series_.Pen();
    const TChartBrush& brush = series_.Brush();
    canvas_.SelectPen(pen);
    canvas_.SelectBrush(brush, barColor_,
                        brush.Color() == DefaultPointColor ? context_.chartColor : clNone);
    const int left = bounds_.left;
    const int right = bounds_.right;
    if (context_.view3D) {
        canvas_.DrawBox(left, right, top, bottom, series_.FrontZ(), series_.BackZ(),
                        series_.Dark3D());
    } else {
        const bool solid = brush.Style() == bsSolid;
        const int w = pen.Visible() ? pen.Width() : 0;
        if (solid && (left == right || top == bottom)) {
            // A bar without width or height still shows as a line in its colour.
            canvas_.SelectPen(pen, barColor_);
            canvas_.Line(left, top, right, bottom);
        } else if (right - left < w || bottom - top < w) {
            canvas_.SetBrushStyle(bsClear);
            canvas_.SelectPen(pen, barColor_);
            canvas_.Rectangle(left, top, right, bottom);
        } else {
            canvas_.Rectangle(left, top, right, bottom);
        }
    }
    if (series_.BarStyle() != bsRectGradient)
        return;

    TChartGradient gradient;
    gradient.Assign(series_.Gradient());
    gradient.SetEndColor(barColor_);
    TRect r{left, top, right, bottom};
    if (pen.Visible()) {
        const int w = pen.Width();
        r.left += 1;
        r.top += 1;
        r.right -= context_.view3D ? w - 1 : w;
        r.bottom -= context_.view3D ? w - 1 : w;
    }
    if (!context_.view3D) {
        DrawGradient(gradient, canvas_, r);
    } else if (context_.orthogonal) {
        DrawGradient(gradient, canvas_, canvas_.ProjectRect(r, series_.FrontZ()));
    } else {
        const int w = pen.Visible() ? pen.Width() : 0;
        TQuad q = canvas_.ProjectRectQuad({left, top, right, bottom}, series_.FrontZ());
        q[0].x += w, q[0].y += w;
        q[1].x -= w, q[1].y += w;
        q[2].x -= w, q[2].y -= w;
        q[3].x += w, q[3].y -= w;
        DrawGradientInQuad(gradient, canvas_, q);
    }
}
