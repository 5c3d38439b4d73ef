#pragma once

#include "frame/ChartTitle.h"
#include "frame/ChartWalls.h"
#include "frame/CustomAxisPanel.h"
#include "legend/ChartLegend.h"

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
    int SideFacing(int x) const;

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

    TChartTitle title_;
    TChartTitle subTitle_;
    TChartFootTitle foot_;
    TChartFootTitle subFoot_;
    TChartWalls walls_;
    TChartLegend legend_;
};
