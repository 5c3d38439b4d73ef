#pragma once

#include "axes/ChartAxis.h"
#include "frame/CustomChartPanelExtended.h"

#include <algorithm>
#include <functional>
#include <vector>

class TChartSeries;
class TChartTool;

// Adds the series, the six axes, the 3D depth and the paint sequence. DrawChartContents runs the
// same steps in the same order on every paint. The axes' steps (LayoutAxes, ApplySeriesMargins,
// DrawAxes) are filled here, in axes/PanelAxes.cpp; those of walls, titles, the legend and
// zooming are virtual hooks the derived classes fill:
//   PlaceTitlesAndLegend(before series), PaintWalls, DrawZoomRectangle, DrawSeriesMarks.
class TCustomAxisPanel : public TCustomChartPanelExtended {
public:
    TCustomAxisPanel();

    // Depth of one series slot in tenths of a percent of the plotting width, 1..100.
    int Chart3DPercent() const { return chart3DPercent_; }
    // Raises ChartException and keeps the value when v is outside 1..100.
    void SetChart3DPercent(int v);
    bool View3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool v) { Change(view3DWalls_, v); }
    // Axes are drawn before the series.
    bool AxisBehind() const { return axisBehind_; }
    void SetAxisBehind(bool v) { Change(axisBehind_, v); }
    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool v) { Change(axisVisible_, v); }
    // Series drawing is clipped to the plotting box.
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool v) { Change(clipPoints_, v); }
    // Series leave out segments that later ones cover completely; the picture is the same.
    bool SkipHiddenSegments() const { return skipHiddenSegments_; }
    void SetSkipHiddenSegments(bool v) { Change(skipHiddenSegments_, v); }

    std::function<void()> OnBeforeDrawChart;
    std::function<void()> OnBeforeDrawAxes;
    std::function<void()> OnBeforeDrawSeries;
    std::function<void()> OnAfterDraw;
    // May change the text of an axis label (the series is null and the index -1 for values).
    std::function<void(const TChartAxis& sender, TChartSeries* series, int valueIndex,
                       std::string& text)>
        OnGetAxisLabel;

    // Tools are drawn over the series and the axes, before the titles and the legend. The
    // chart does not own them; a tool must be removed before it goes.
    void AddTool(TChartTool& tool) {
        tools_.push_back(&tool);
        Invalidate();
    }
    void RemoveTool(TChartTool& tool) {
        std::erase(tools_, &tool);
        Invalidate();
    }

    // --- axes -------------------------------------------------------------------------------
    TChartAxes& Axes() { return axes_; }
    const TChartAxes& Axes() const { return axes_; }
    TChartAxis* BottomAxis() const override { return &axes_.Bottom(); }
    TChartAxis* TopAxis() const override { return &axes_.Top(); }
    TChartAxis* LeftAxis() const override { return &axes_.Left(); }
    TChartAxis* RightAxis() const override { return &axes_.Right(); }
    TChartAxis* DepthAxis() const { return &axes_.Depth(); }
    TChartAxis* DepthTopAxis() const { return &axes_.DepthTop(); }

    // Thickness of the wall on that side, 0 without walls.
    virtual int WallThickness(TAxisSide) const { return 0; }
    // The plane at depth z faces away from the viewer.
    bool BackIsCulled(int z) const;
    // No active series, or at least one active series that uses axes.
    bool ActiveSeriesUseAxes() const;

protected:
    // --- steps of the paint -----------------------------------------------------------------
    // Depth slots: in 3D the first series of the list at the back, the last at the front.
    void AssignZIndexes();
    // SeriesDepth, ChartDepth and their rises from the plotting width and the slots.
    void Compute3DSize();
    // Takes the room of the depth (and of thick walls) from the plotting rectangle.
    virtual void ShrinkPlotRectFor3D();
    void PaintSeriesInOrder();
    void PaintOneSeries(TChartSeries& series);
    void ClipToPlot();

    void DrawChartContents(const TRect& panelRect) override;

    virtual void PlaceTitlesAndLegend(bool /*beforeSeries*/) {}
    // Each axis' visibility and range for this paint, and the room the shown axes take from the
    // sides of the plotting rectangle `plot` (the chart's, as it stands before the axes).
    virtual TRoom LayoutAxes(const TRect& plot);
    // Each axis' pixel positions on the plotting rectangle as it now stands.
    void PositionAxes();
    // Every axis, shown or not, widens its range by the margins the series ask for.
    virtual void ApplySeriesMargins();
    virtual void PaintWalls() {}
    // The shown axes in list order (the bottom axis is left to the walls when the front plane
    // faces away).
    virtual void DrawAxes();
    // The rectangle of a zoom drag in progress.
    virtual void DrawZoomRectangle() {}
    virtual void DrawSeriesMarks(TChartSeries&) {}
    bool DepthAxisInverted() const { return axes_.Depth().Inverted(); }

    // ShrinkPlotRectFor3D with the room of the walls: the back wall's thickness and what the
    // visible side wall needs on the right (depth toward the right) or the left.
    void ShrinkFor3D(int backWallSize, int rightWallRoom, int leftWallRoom);

private:
    TChartAxes axes_{this};
    std::vector<TChartTool*> tools_;
    int chart3DPercent_ = 15;
    bool view3DWalls_ = true;
    bool axisBehind_ = true;
    bool axisVisible_ = true;
    bool clipPoints_ = true;
    bool skipHiddenSegments_ = true;
};
