#include "device/GradientDrawing.h"
#include "frame/CustomChart.h"

namespace {

// A visible gradient fills an opaque wall; the brush then only outlines.
const TChartGradient* WallGradient(const TCustomChartWall& wall) {
    const TChartGradient* gradient = wall.GradientIfAny();
    return !wall.Transparent() && gradient && gradient->Visible() ? gradient : nullptr;
}

} // namespace

void TCustomChart::PaintWalls() {
    // Walls frame the axes; a chart whose series all go without axes has none.
    if (!ActiveSeriesUseAxes())
        return;
    const TRect& plot = PlotRect();
    const bool walls3D = View3D() && View3DWalls();
    if (walls3D && RightWall().Visible() && SideFacing(plot.right) < 0)
        PaintRightWall();
    if (View3DWalls() && BackWall().Visible() && !BackIsCulled(ChartDepth()))
        PaintBackWall();
    if (!walls3D)
        return;
    if (LeftWall().Visible() && SideFacing(plot.left) >= 0)
        PaintLeftWall();
    if (BottomWall().Visible())
        PaintBottomWall();
    if (BackIsCulled(0)) {
        DrawAxisAtWalls(TAxisSide::Top);
        DrawAxisAtWalls(TAxisSide::Bottom);
    }
}

void TCustomChart::PrepareWallPenBrush(const TCustomChartWall& wall) {
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectPen(wall.Pen());
    if (wall.Transparent()) {
        canvas.SetBrushStyle(bsClear);
        return;
    }
    const TChartBrush& brush = wall.Brush();
    // The brush's default colour stands for the wall's.
    const TColor own = brush.Color() == DefaultPointColor ? wall.Color() : brush.Color();
    TColor color = wall.Color();
    // Hatch lines in the colour of their background would not show.
    if (brush.Style() != bsSolid && brush.Style() != bsClear && own == color)
        color = ColorToRGB(own) == clBlack ? clWhite : clBlack;
    canvas.SelectBrush(brush, color, own);
}

bool TCustomChart::WallDarkSides(const TCustomChartWall& wall) const {
    return !wall.Transparent() && wall.Brush().Style() != bsClear && wall.Dark3D();
}

void TCustomChart::PaintBackWall() {
    TChartCanvas3D& canvas = Canvas();
    const TChartBackWall& wall = BackWall();
    PrepareWallPenBrush(wall);
    const TRect& plot = PlotRect();
    const TChartGradient* gradient = WallGradient(wall);
    if (!View3D()) {
        // The outline covers the plotting rectangle's right column and bottom row too.
        const TRect r{plot.left, plot.top, plot.right + 1, plot.bottom + 1};
        if (gradient) {
            DrawGradient(*gradient, canvas, r);
            canvas.SetBrushStyle(bsClear);
        }
        canvas.Rectangle(r);
        return;
    }
    if (!View3DWalls())
        return;
    const int depth = ChartDepth();
    const TRect r = wall.Size() >= 1
                        ? TRect{plot.left - WallThickness(TAxisSide::Left), plot.top, plot.right,
                                plot.bottom + WallThickness(TAxisSide::Bottom)}
                        : plot;
    if (gradient) {
        DrawGradientAtDepth(*gradient, canvas, r, depth);
        canvas.SetBrushStyle(bsClear);
    }
    if (wall.Size() < 1)
        canvas.FillPlaneZ(r, depth);
    else
        canvas.DrawBox(r.left, r.right, r.top, r.bottom, depth,
                       depth + (depth < 0 ? -wall.Size() : wall.Size()), WallDarkSides(wall));
}

void TCustomChart::PaintLeftWall() {
    TChartCanvas3D& canvas = Canvas();
    const TChartWall& wall = LeftWall();
    PrepareWallPenBrush(wall);
    const TRect& plot = PlotRect();
    const int x = plot.left;
    const int bottom = plot.bottom + WallThickness(TAxisSide::Bottom);
    const int depth = ChartDepth();
    if (const TChartGradient* gradient = WallGradient(wall)) {
        DrawGradientInQuad(
            *gradient, canvas,
            {canvas.ProjectPoint(x, plot.top, 0), canvas.ProjectPoint(x, plot.top, depth),
             canvas.ProjectPoint(x, bottom, depth), canvas.ProjectPoint(x, bottom, 0)});
        canvas.SetBrushStyle(bsClear);
    }
    if (wall.Size() <= 0)
        canvas.FillPlaneX(x, plot.top, bottom, 0, depth);
    else
        canvas.DrawBox(x - wall.Size(), x, plot.top, bottom, 0, depth, WallDarkSides(wall));
}

void TCustomChart::PaintBottomWall() {
    TChartCanvas3D& canvas = Canvas();
    const TChartWall& wall = BottomWall();
    PrepareWallPenBrush(wall);
    const TRect& plot = PlotRect();
    const int y = plot.bottom;
    const int depth = ChartDepth();
    int x0 = plot.left;
    // The floor runs under a left wall whose outer side is in view.
    const TChartWall& left = LeftWall();
    if (left.Visible() && (!left.AutoHide() || SideFacing(plot.left) < 0))
        x0 -= WallThickness(TAxisSide::Left);
    if (const TChartGradient* gradient = WallGradient(wall)) {
        DrawGradientInQuad(*gradient, canvas,
                           {canvas.ProjectPoint(x0, y, 0), canvas.ProjectPoint(x0, y, depth),
                            canvas.ProjectPoint(plot.right, y, depth),
                            canvas.ProjectPoint(plot.right, y, 0)});
        canvas.SetBrushStyle(bsClear);
    }
    if (wall.Size() < 1)
        canvas.FillPlaneY(x0, y, plot.right, 0, depth);
    else
        canvas.DrawBox(x0, plot.right, y, y + wall.Size(), 0, depth, WallDarkSides(wall));
}

void TCustomChart::PaintRightWall() {
    TChartCanvas3D& canvas = Canvas();
    const TChartRightWall& wall = RightWall();
    PrepareWallPenBrush(wall);
    const TRect& plot = PlotRect();
    const int bottom = plot.bottom + WallThickness(TAxisSide::Bottom);
    const int depth = ChartDepth();
    if (wall.Size() <= 0) {
        canvas.FillPlaneX(plot.right, plot.top, bottom, 0, depth + 1);
        return;
    }
    const int back = BackWall().Visible() ? BackWall().Size() : 0;
    canvas.DrawBox(plot.right, plot.right + wall.Size(), plot.top, bottom, 0, depth + back,
                   WallDarkSides(wall));
}
