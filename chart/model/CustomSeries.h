#pragma once

#include "CustomLineSeries.h"
#include "SeriesDrawing.h"

// Line-like series with their data-side switches; drawing lives with the renderer. A line
// series' visible range runs to the first point at or beyond the far edge, so the segment that
// leaves the plotting area is still drawn (and clipped).
class TCustomSeries : public TCustomLineSeries {
public:
    TCustomSeries() { SetEndBeyondEdge(true); }

    void DrawVisiblePoints(TSeriesDrawing& drawing) override { drawing.DrawLineSeries(*this); }

    bool ColorEachLine() const { return colorEachLine_; }
    void SetColorEachLine(bool v) { Change(colorEachLine_, v); }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool v) { Change(dark3D_, v); }
    bool DrawLine() const { return drawLine_; }
    void SetDrawLine(bool v) { Change(drawLine_, v); }
    bool DrawArea() const { return drawArea_; }
    void SetDrawArea(bool v) { Change(drawArea_, v); }
    bool Stairs() const { return stairs_; }
    void SetStairs(bool v) { Change(stairs_, v); }
    bool InvertedStairs() const { return invertedStairs_; }
    void SetInvertedStairs(bool v) { Change(invertedStairs_, v); }
    int LineHeight() const { return lineHeight_; }
    void SetLineHeight(int v) { Change(lineHeight_, v); }
    bool ClickableLine() const { return clickableLine_; }
    void SetClickableLine(bool v) { clickableLine_ = v; }

private:
    int lineHeight_ = 0;
    bool colorEachLine_ = true;
    bool dark3D_ = true;
    bool drawLine_ = true;
    bool drawArea_ = false;
    bool stairs_ = false;
    bool invertedStairs_ = false;
    bool clickableLine_ = true;
};
