#pragma once

#include "ChartGeometry.h"

#include <vector>

// The corners of the smallest convex polygon around the points, counter-clockwise in screen
// terms, without repeated or collinear corners. Fewer than three distinct points come back as
// they are (deduplicated).
std::vector<TPoint> ConvexHull(std::vector<TPoint> points);
