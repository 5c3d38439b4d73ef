#include "series/BarSeriesPainter.h"

#include "BarSeries.h"
#include "ColorOps.h"

#include <algorithm>

TBarSeriesPainter::TBarSeriesPainter(const TBarSeries& series, const TSeriesPaintContext& context)
    : series_(series), context_(context), drawing_(context.drawing) {}

void TBarSeriesPainter::DrawVisiblePoints() {
    ForEachVisiblePoint(series_, [this](int i, int) { DrawValue(i); });
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
    drawing_.SelectPen(pen);
    drawing_.SelectBrush(brush, barColor_,
                         brush.Color() == DefaultPointColor ? context_.chartColor : clNone);
    const bool view3D = drawing_.Is3D();
    const int left = bounds_.left;
    const int right = bounds_.right;
    if (view3D) {
        drawing_.Box({left, top, right, bottom}, series_.FrontZ(), series_.BackZ(),
                     series_.Dark3D());
    } else {
        const bool solid = brush.Style() == bsSolid;
        const int w = pen.Visible() ? pen.Width() : 0;
        if (solid && (left == right || top == bottom)) {
            // A bar without width or height still shows as a line in its colour.
            drawing_.SelectPen(pen, barColor_);
            drawing_.Line({left, top}, {right, bottom});
        } else if (right - left < w || bottom - top < w) {
            drawing_.SetBrushStyle(bsClear);
            drawing_.SelectPen(pen, barColor_);
            drawing_.Rectangle({left, top, right, bottom});
        } else {
            drawing_.Rectangle({left, top, right, bottom});
        }
    }
    if (series_.BarStyle() != TBarStyle::bsRectGradient)
        return;

    TChartGradient gradient;
    gradient.Assign(series_.Gradient());
    gradient.SetEndColor(barColor_);
    TRect r{left, top, right, bottom};
    if (pen.Visible()) {
        const int w = pen.Width();
        r.left += 1;
        r.top += 1;
        r.right -= view3D ? w - 1 : w;
        r.bottom -= view3D ? w - 1 : w;
    }
    drawing_.GradientBox(gradient, r, series_.FrontZ());
}
