#pragma once

#include "frame/ChartTitle.h"
#include "frame/ChartWalls.h"
#include "frame/CustomAxisPanel.h"

// Adds the titles and the walls, and the legend's place in the paint. The titles take their room
// from the plotting rectangle before the 3D depth and the axes do; the walls are painted behind
// everything else once the projection is set up.
//
// The legend is drawn through hooks (LegendShouldDraw, LegendCustomPosition,
// LegendSideAligned, DrawLegend); until the legend exists no legend is shown. The axes drawn again
// in front of the series come through DrawAxisInFront.
class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();

    TChartTitle& Title() { return title_; }
    TChartTitle& SubTitle() { return subTitle_; }
    TChartFootTitle& Foot() { return foot_; }
    TChartFootTitle& SubFoot() { return subFoot_; }

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
    void ShrinkPlotRectFor3D() override;

    // --- titles -------------------------------------------------------------------------
    // Writes the title's lines and takes its room from the plotting rectangle (unless the
    // title is placed by hand).
    void PaintTitle(TChartTitle& title);

    // --- walls --------------------------------------------------------------------------
    void PaintWalls() override;
    void PaintBackWall();
    void PaintLeftWall();
    void PaintBottomWall();
    void PaintRightWall();
    // Pen and brush of the wall selected into the canvas.
    void PrepareWallPenBrush(const TCustomChartWall& wall);
    // Thick walls darken their sides.
    bool WallDarkSides(const TCustomChartWall& wall) const;
    // Walls are on and the wall is visible and not hidden automatically.
    bool WallShown(const TCustomChartWall& wall) const;
    // Which way the side of the plotting box at x faces: not negative when its outer face is
    // toward the viewer (the right side in the default view), negative otherwise.
    int SideFacing(int x) const;

protected:
    void PlaceTitlesAndLegend(bool beforeSeries) override;

    virtual bool LegendShouldDraw() const { return false; }
    virtual bool LegendCustomPosition() const { return false; }
    // The legend stands at the left or the right of the chart.
    virtual bool LegendSideAligned() const { return false; }
    virtual void DrawLegend() {}
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

    TChartTitle title_;
    TChartTitle subTitle_;
    TChartFootTitle foot_;
    TChartFootTitle subFoot_;
    TChartWalls walls_;
};
