#pragma once

#include "frame/ChartTitle.h"
#include "frame/ChartWalls.h"
#include "frame/CustomAxisPanel.h"
#include "legend/ChartLegend.h"
#include "zoom/ZoomScroll.h"

#include <functional>

// Adds the titles and the walls, and the legend's place in the paint. The titles take their room
// from the plotting rectangle before the 3D depth and the axes do; the walls are painted behind
// everything else once the projection is set up.
//
// The legend, like the titles, is laid out (answering the room it takes) and then painted. The
// axes drawn again in front of the series come through DrawAxisInFront.
class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();

    TChartTitle& Title() { return title_; }
    TChartTitle& SubTitle() { return subTitle_; }
    TChartFootTitle& Foot() { return foot_; }
    TChartFootTitle& SubFoot() { return subFoot_; }

    TChartLegend& Legend() { return legend_; }
    const TChartLegend& Legend() const { return legend_; }

    TChartWalls& Walls() { return walls_; }
    TChartBackWall& BackWall() { return walls_.Back; }
    TChartWall& LeftWall() { return walls_.Left; }
    TChartWall& BottomWall() { return walls_.Bottom; }
    TChartRightWall& RightWall() { return walls_.Right; }
    const TChartWalls& Walls() const { return walls_; }
    // The outline of the back wall.
    TChartPen& Frame() { return walls_.Back.Pen(); }
    void SetFrame(const TChartPen& pen) { walls_.Back.Pen().Assign(pen); }

    // The back wall's colour when it is opaque, else the panel's.
    TColor BackWallColor() const override;
    int WallThickness(TAxisSide side) const override;
    // Besides the panel's colour, the back wall's own colour is never free, transparent or not.
    bool ColorIsUnused(TColor color, bool checkBackground,
                       const TChartSeries* exclude) const override;

    // Thick walls darken their sides.
    bool WallDarkSides(const TCustomChartWall& wall) const;
    // Walls are on and the wall is visible and not hidden automatically.
    bool WallShown(const TCustomChartWall& wall) const;
    // Which way the side of the plotting box at x faces: not negative when its outer face is
    // toward the viewer (the right side in the default view), negative otherwise.
    long long SideFacing(int x) const;

    // --- zoom and scroll (zoom/ZoomScroll.cpp) ----------------------------------------------
    TMouseButton ScrollMouseButton() const { return scrollMouseButton_; }
    void SetScrollMouseButton(TMouseButton v) { scrollMouseButton_ = v; }
    // The scroll drag in progress.
    const TZoomPanning& Panning() const { return zoomScroll_.Panning; }
    // The axes show a zoomed range.
    bool Zoomed() const { return zoomScroll_.Zoomed; }
    // Zooms the left, top, right and bottom axes to the values under r (chart pixels); a
    // one-way zoom (Zoom().Direction()) only the axes that run that way.
    void ZoomRect(TRect r);
    // Puts the axes back as they were before the first zoom or scroll since the last undo.
    void UndoZoom();
    // The part of the chart under (x, y) that a press acts on.
    TChartPart PartAt(int x, int y) const;

    std::function<void()> OnZoom;
    std::function<void()> OnUndoZoom;
    std::function<void()> OnScroll;
    // Asked before an axis scrolls to [minimum, maximum]: may change the range or refuse.
    std::function<void(TChartAxis& sender, double& minimum, double& maximum, bool& allow)>
        OnAllowScroll;

protected:
    void ShrinkPlotRectFor3D() override;
    void PlaceTitlesAndLegend(bool beforeSeries) override;
    // --- walls --------------------------------------------------------------------------
    void PaintWalls() override;
    void PaintBackWall();
    void PaintLeftWall();
    void PaintBottomWall();
    void PaintRightWall();
    // Pen and brush of the wall selected into the canvas.
    void PrepareWallPenBrush(const TCustomChartWall& wall);

    void ChartMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void ChartMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void ChartMouseMove(TShiftState shift, int x, int y) override;
    void DrawZoomRectangle() override;
    // The legend item under (x, y), or -1.
    virtual int LegendItemAt(int /*x*/, int /*y*/) const { return -1; }

    bool LegendShouldDraw() const { return legend_.Visible(); }
    // Lays the legend out, takes its room from the plotting rectangle and paints it.
    void DrawLegend();
    // The axis on that side, when shown, is drawn again over the series: the side axes without
    // their back-wall grid, the top and bottom axes without their side grid.
    virtual void DrawAxisInFront(TAxisSide side);
    // The top or bottom axis drawn with the walls when the front plane faces away (views from
    // below or behind; not the program's).
    virtual void DrawAxisAtWalls(TAxisSide side);

private:
    TChartAxis& AxisOnSide(TAxisSide side);
    // The titles placed by hand (custom) or not, in the order Title, SubTitle, Foot, SubFoot.
    void PaintTitles(bool custom);
    // In 3D, the walls and axes that stand in front of the series are drawn over them.
    void RedrawFrontSides();

    // Draws the zoom rectangle by inversion on the image the window shows, without a paint.
    void InvertZoomRectangle();
    void SaveScales();
    // (x, y) lies between the line and the labels of a shown axis (its ticks), along its length.
    bool AxisAt(int x, int y) const;
    // One step of the scroll drag to (x, y).
    void ScrollTo(int x, int y);

    TChartTitle title_;
    TChartTitle subTitle_;
    TChartFootTitle foot_;
    TChartFootTitle subFoot_;
    TChartWalls walls_;
    TChartLegend legend_;
    TMouseButton scrollMouseButton_ = mbRight;
    TZoomScrollState zoomScroll_;
};
