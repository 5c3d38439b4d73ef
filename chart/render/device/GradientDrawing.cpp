#include "device/GradientDrawing.h"

#include "device/ChartCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

TColor GreyOf(TColor c) {
    const TColor rgb = ColorToRGB(c);
    const int avg = (RedOf(rgb) + GreenOf(rgb) + BlueOf(rgb)) / 3;
    return RGBColor(avg, avg, avg);
}

// Concentric ellipses from the outside in, around the centre shifted by the radial offsets.
void RadialFill(const TCustomChartGradient& g, TChartCanvas& canvas, const TRect& r, TColor start,
                TColor end) {
    const int cx = (r.left + r.right) / 2 + g.RadialX() + 1;
    const int cy = (r.top + r.bottom) / 2 + g.RadialY() + 1;
    const int rx = std::max(cx - r.left, r.right - cx);
    const int ry = std::max(cy - r.top, r.bottom - cy);
    const int n = std::min(std::max(rx, ry), 256);
    if (n <= 1)
        return;
    const TColor s = ColorToRGB(start), e = ColorToRGB(end);
    const TCanvasStateSaver saved(canvas);
    canvas.SetPenStyle(psClear);
    canvas.SetBrushStyle(bsSolid);
    // Ellipses drawn outside the rectangle would cover neighbours: clip to it meanwhile.
    canvas.ClipToRect(r);
    for (int k = 0; k < n; ++k) {
        const auto mix = [&](int a, int b) { return a + (b - a) * k / (n - 1); };
        canvas.SetBrushColor(RGBColor(mix(RedOf(e), RedOf(s)), mix(GreenOf(e), GreenOf(s)),
                                      mix(BlueOf(e), BlueOf(s))));
        const int ex = int(std::int64_t(rx) * (n - k) / n) + 1;
        const int ey = int(std::int64_t(ry) * (n - k) / n) + 1;
        canvas.Ellipse({cx - ex, cy - ey, cx + ex, cy + ey});
    }
}

} // namespace

void DrawGradient(const TCustomChartGradient& g, TChartCanvas& canvas, const TRect& rect) {
    TColor s = g.StartColor();
    TColor e = g.EndColor();
    TColor m = g.MidColor();
    if (canvas.Monochrome()) {
        s = GreyOf(s);
        e = GreyOf(e);
        if (g.HasMidColor())
            m = GreyOf(m);
    }
    const TRect r = OrderedRect(rect);
    const TGradientDirection d = g.Direction();

    if (d == gdRadial) {
        RadialFill(g, canvas, r, s, e);
        return;
    }
    if (g.HasMidColor() && d != gdDiagonalUp && d != gdDiagonalDown) {
        const int cy = (r.top + r.bottom) / 2;
        const int cx = (r.left + r.right) / 2;
        const TRect upper{r.left, r.top, r.right, cy}, lower{r.left, cy, r.right, r.bottom};
        const TRect left{r.left, r.top, cx, r.bottom}, right{cx, r.top, r.right, r.bottom};
        switch (d) {
        case gdTopBottom:
            canvas.GradientBands(upper, m, e, d, 50);
            canvas.GradientBands(lower, s, m, d, 50);
            return;
        case gdBottomTop:
            canvas.GradientBands(upper, s, m, d, 50);
            canvas.GradientBands(lower, m, e, d, 50);
            return;
        case gdLeftRight:
            canvas.GradientBands(left, m, e, d, 50);
            canvas.GradientBands(right, s, m, d, 50);
            return;
        case gdRightLeft:
            canvas.GradientBands(left, s, m, d, 50);
            canvas.GradientBands(right, m, e, d, 50);
            return;
        default:
            canvas.GradientBands(r, s, e, d, 50);
            return;
        }
    }
    canvas.GradientBands(r, s, e, d, g.Balance());
}

void DrawGradientInQuad(const TCustomChartGradient& g, TChartCanvas& canvas, const TQuad& q) {
    const TCanvasStateSaver saved(canvas);
    canvas.ClipToPolygon(q);
    DrawGradient(g, canvas, QuadBounds(q));
}

void DrawGradientAtDepth(const TCustomChartGradient& g, TChartCanvas3D& canvas, const TRect& r,
                         int z) {
    if (canvas.IsOrthogonal())
        DrawGradient(g, canvas, canvas.ProjectRect(r, z));
    else
        DrawGradientInQuad(g, canvas, canvas.ProjectRectQuad(r, z));
}
