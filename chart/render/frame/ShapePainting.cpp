#include "frame/ShapePainting.h"

#include "device/GradientDrawing.h"
#include "device/ShadowDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double DegToRad = 0.017453292519943295;
// Corner ellipse of a rounded shape, in pixels.
constexpr int RoundCorner = 16;

// The corners of r turned counter-clockwise by `degrees` about r's centre.
TQuad RotatedCorners(const TRect& r, double degrees) {
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    const double s = std::sin(degrees * DegToRad);
    const double c = std::cos(degrees * DegToRad);
    const auto turn = [&](int x, int y) {
        const int dx = x - cx;
        const int dy = y - cy;
        return TPoint{RoundToInt(dx * c + dy * s) + cx, RoundToInt(-dx * s + dy * c) + cy};
    };
    return {turn(r.left, r.top), turn(r.right, r.top), turn(r.right, r.bottom),
            turn(r.left, r.bottom)};
}

} // namespace

void PaintBevel(TChartCanvas& canvas, TRect& r, TBevelCut cut, int width) {
    switch (cut) {
    case bvLowered:
        canvas.BevelFrame(r, clBtnShadow, width, clBtnHighlight);
        break;
    case bvRaised:
        canvas.BevelFrame(r, clBtnHighlight, width, clBtnShadow);
        break;
    case bvSpace:
        canvas.BevelFrame(r, clBtnHighlight, width, clBtnHighlight);
        break;
    case bvNone:
        break;
    }
}

void PaintShape(TCanvas3D& canvas, const TChartCustomShape& shape, const TRect& r, double degrees,
                int z) {
    if (shape.Transparent())
        return;
    const bool straight = degrees == 0;

    if (const TChartShadow& shadow = shape.Shadow();
        std::max(shadow.HorizSize(), shadow.VertSize()) != 0 && shape.Brush().Style() != bsClear &&
        straight && shape.ShapeStyle() == fosRectangle) {
        canvas.BeginFlatDrawing();
        DrawShadow(shadow, canvas, r, z);
        canvas.EndFlatDrawing();
    }

    if (const TChartGradient* gradient = shape.GradientIfAny(); gradient && gradient->Visible()) {
        if (straight)
            DrawGradient(*gradient, canvas, r);
        else
            DrawGradientInQuad(*gradient, canvas, RotatedCorners(r, degrees));
        canvas.SetBrushStyle(bsClear);
    } else {
        canvas.SelectBrush(shape.Brush(), shape.Color());
    }

    canvas.SelectPen(shape.Pen());
    if (!straight) {
        canvas.Polygon(RotatedCorners(r, degrees));
        return;
    }
    if (shape.ShapeStyle() == fosRoundRectangle)
        canvas.RoundRect(r, RoundCorner, RoundCorner);
    else
        canvas.Rectangle(r);

    TRect inner = r;
    PaintBevel(canvas, inner, shape.Bevel(), shape.BevelWidth());
}
