#pragma once

#include "series/AxisPixels.h"
#include "series/HiddenSegments.h"
#include "series/SeriesPaintContext.h"

#include <vector>

class TCustomSeries;

// Draws a line series for one paint: its points joined in index order, in 3D as ribbons across
// the series' depth slot (darkened where they rise more steeply than the depth runs), in 2D as
// plain lines. It carries the previous point from one value to the next; the first drawn point
// of a series that starts left of the visible range is joined to the edge of the plotting
// rectangle at the interpolated height.
class TLineSeriesPainter {
public:
    TLineSeriesPainter(const TCustomSeries& series, const TSeriesPaintContext& context);

    // From FirstVisible to LastVisible, or backwards when the series does not draw forward.
    void DrawVisiblePoints();

    int PreviousX() const { return previousX_; }
    int PreviousY() const { return previousY_; }
    TColor PreviousColor() const { return previousColor_; }
    double SteepnessLimit() const { return steepnessLimit_; }

private:
    void DrawValue(int index, int first);
    // The height at which the line crosses the edge of the plotting rectangle on its way from
    // point index-1 to point index.
    int EdgeEntryY(int index, double edgeValue) const;
    // Hands the segment from the previous point to (x, y) on, or keeps it for the column run.
    void Segment(int x, int y, TColor color);
    void DrawSegment(TPoint from, TPoint to, TColor color);
    void FlushRun();
    bool SkippingPossible() const;

    const TCustomSeries& series_;
    // A copy: painters are made with contexts built for the call.
    const TSeriesPaintContext context_;
    TSeriesDrawing& drawing_;
    TAxisPixels horiz_;
    TAxisPixels vert_;
    bool view3D_;
    int frontZ_;
    int backZ_;

    int previousX_ = 0;
    int previousY_ = 0;
    TColor previousColor_ = clNone;
    double steepnessLimit_ = 1.0;

    // Vertical segments of one column waiting to be drawn, their colours and what is hidden.
    bool skip_ = false;
    int runX_ = 0;
    std::vector<TPoint> runStarts_;
    std::vector<TColumnSegment> run_;
    std::vector<TColor> runColors_;
    std::vector<char> hidden_;
};
