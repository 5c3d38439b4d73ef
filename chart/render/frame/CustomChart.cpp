#include "frame/CustomChart.h"

#include "axes/AxisPainting.h"
#include "frame/TitleLayout.h"
#include "legend/LegendLayout.h"
#include "legend/LegendPainting.h"

TCustomChart::TCustomChart()
    : title_(this), subTitle_(this), foot_(this), subFoot_(this), walls_(this), legend_(this) {
    SetRepaintEnabled(true);
}

TColor TCustomChart::BackWallColor() const {
    return walls_.Back.Transparent() ? Color() : walls_.Back.Color();
}

bool TCustomChart::ColorIsUnused(TColor color, bool checkBackground,
                                 const TChartSeries* exclude) const {
    if (checkBackground && color == walls_.Back.Color())
        return false;
    return TCustomAxisPanel::ColorIsUnused(color, checkBackground, exclude);
}

int TCustomChart::WallThickness(TAxisSide side) const {
    if (!View3D() || !View3DWalls())
        return 0;
    const auto thickness = [](const TCustomChartWall& wall) {
        return wall.Visible() ? wall.Size() : 0;
    };
    switch (side) {
    case TAxisSide::Left:
        return thickness(walls_.Left);
    case TAxisSide::Bottom:
        return thickness(walls_.Bottom);
    case TAxisSide::Right:
        return thickness(walls_.Right);
    default:
        return thickness(walls_.Back);
    }
}

void TCustomChart::ShrinkPlotRectFor3D() {
    const int rightRoom = walls_.Right.Visible() ? walls_.Right.Size() + 1 : 0;
    const int leftRoom = walls_.Left.Visible() ? walls_.Left.Size() + 1 : 0;
    ShrinkFor3D(walls_.Back.Size(), rightRoom, leftRoom);
}

long long TCustomChart::SideFacing(int x) const {
    const TRect& plot = PlotRect();
    const int bottom = plot.bottom + WallThickness(TAxisSide::Bottom);
    const TPoint p0 = Canvas().ProjectPoint(x, plot.top, 0);
    const TPoint p1 = Canvas().ProjectPoint(x, bottom, 0);
    const TPoint p2 = Canvas().ProjectPoint(x, bottom, walls_.Back.Size() + ChartDepth());
    return FaceTurn(p0, p1, p2);
}

bool TCustomChart::WallShown(const TCustomChartWall& wall) const {
    return View3DWalls() && wall.Visible() && !wall.AutoHide();
}

void TCustomChart::PlaceTitlesAndLegend(bool beforeSeries) {
    const bool legend = LegendShouldDraw();
    Canvas().BeginFlatDrawing();
    if (beforeSeries) {
        // A legend at the left or right stands beside the titles, one at the top or bottom
        // inside them.
        const bool legendHere = legend && !legend_.CustomPosition();
        if (legendHere && legend_.SideAligned()) {
            DrawLegend();
            PaintTitles(false);
        } else {
            PaintTitles(false);
            if (legendHere)
                DrawLegend();
        }
        Canvas().EndFlatDrawing();
        return;
    }
    if (legend && legend_.CustomPosition())
        DrawLegend();
    PaintTitles(true);
    Canvas().EndFlatDrawing();
    if (View3D() && ActiveSeriesUseAxes())
        RedrawFrontSides();
}

void TCustomChart::DrawLegend() {
    TakeRoom(LayoutLegend(legend_, Canvas(), PlotRect()));
    PaintLegend(Canvas(), legend_);
}

void TCustomChart::PaintTitles(bool custom) {
    for (TChartTitle* title : {&title_, &subTitle_, static_cast<TChartTitle*>(&foot_),
                               static_cast<TChartTitle*>(&subFoot_)})
        if (title->CustomPosition() == custom) {
            const TRoom room = LayoutTitle(*title, Canvas(), PlotRect());
            PaintTitle(Canvas(), *title);
            if (!custom && title->Visible() && !title->Text().empty())
                TakeRoom(room);
        }
}

void TCustomChart::RedrawFrontSides() {
    const TRect& plot = PlotRect();
    if (SideFacing(plot.right) >= 0) {
        if (WallShown(walls_.Right))
            PaintRightWall();
        DrawAxisInFront(TAxisSide::Right);
    }
    if (SideFacing(plot.left) < 0) {
        if (WallShown(walls_.Left))
            PaintLeftWall();
        DrawAxisInFront(TAxisSide::Left);
    }
    if (BackIsCulled(ChartDepth())) {
        DrawAxisInFront(TAxisSide::Top);
        DrawAxisInFront(TAxisSide::Bottom);
        if (WallShown(walls_.Back))
            PaintBackWall();
    }
}

TChartAxis& TCustomChart::AxisOnSide(TAxisSide side) {
    switch (side) {
    case TAxisSide::Left:
        return *LeftAxis();
    case TAxisSide::Right:
        return *RightAxis();
    case TAxisSide::Top:
        return *TopAxis();
    case TAxisSide::Bottom:
        return *BottomAxis();
    default:
        return *DepthAxis();
    }
}

void TCustomChart::DrawAxisInFront(TAxisSide side) {
    TChartAxis& axis = AxisOnSide(side);
    if (!axis.IsShown())
        return;
    const bool sideAxis = side == TAxisSide::Left || side == TAxisSide::Right;
    DrawAxis(axis, false, sideAxis ? TGridParts{false, true} : TGridParts{true, false});
}

void TCustomChart::DrawAxisAtWalls(TAxisSide side) {
    TChartAxis& axis = AxisOnSide(side);
    if (axis.IsShown())
        DrawAxis(axis, true);
}
