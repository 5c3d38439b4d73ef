#pragma once

#include "series/SeriesPaintContext.h"

class TBarSeries;

// Draws a bar series for one paint: every visible point as a bar from the origin to its value,
// in 3D a box across the series' depth with shaded side and top, its front filled with the
// gradient for bsRectGradient.
class TBarSeriesPainter {
public:
    TBarSeriesPainter(const TBarSeries& series, const TSeriesPaintContext& context);

    void DrawVisiblePoints();
    void DrawValue(int index);
    // The bar of point `index` between the two pixel rows, top <= bottom.
    void DrawBar(int index, int top, int bottom);

private:
    const TBarSeries& series_;
    // A copy: painters are made with contexts built for the call.
    const TSeriesPaintContext context_;
    TSeriesDrawing& drawing_;
    TRect bounds_;
    TColor barColor_ = clNone;
};
