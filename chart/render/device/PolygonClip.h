#pragma once

#include "ChartGeometry.h"

#include <span>
#include <vector>

// The polygon cut to the box left..right, top..bottom (Sutherland-Hodgman, one side at a time),
// each new corner where an edge crosses a side rounded to the nearest pixel. Inside the box the
// outline runs as before, to within that rounding where an edge was cut; an edge that crosses
// a side at a whole pixel, as upright, level and diagonal ones through whole corners do, is
// kept exactly. A polygon wholly outside leaves fewer than three corners.
std::vector<TPoint> ClipPolygonToBox(std::span<const TPoint> points, int left, int top, int right,
                                     int bottom);
