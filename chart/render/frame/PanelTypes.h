#pragma once

// Settings shared by the chart panel and its framed shapes.

// How a bevel is cut: its top-left and bottom-right lines in the button shadow and highlight
// colours (lowered), the other way round (raised), highlight on both sides (space), or none.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Margins in percent of the panel's width (left, right) or height (top, bottom), or in pixels.
enum TChartUnits { muPercent, muPixels };

// The four sides of the plotting rectangle an axis (and the wall behind it) can stand on, and
// the depth axes.
enum class TAxisSide { Left, Top, Right, Bottom, Depth, DepthTop };

#include "ChartGeometry.h"

// What a layout step (titles, legend, axes) takes from the sides of the plotting rectangle, in
// pixels. The paint sequence applies it; no step writes the plotting rectangle itself.
struct TRoom {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const TRoom&) const = default;
    // The rectangle r with this room taken from its sides.
    TRect TakenFrom(const TRect& r) const {
        return {r.left + left, r.top + top, r.right - right, r.bottom - bottom};
    }
};
