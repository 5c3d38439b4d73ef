#pragma once

#include "ChartGeometry.h"
#include "device/RasterSurface.h"

#include <cstdint>
#include <span>

// Fills a small polygon (three or four corners) with one colour straight into the surface,
// even-odd, covering exactly the pixels the painter's aliased fill covers: a pixel is set when
// its centre lies inside, with the painter's fixed-point rounding for centres on an edge.
// Returns false, drawing nothing, for what it does not handle (more corners, coordinates so
// far out that the edge arithmetic could overflow); the caller then fills another way.
bool FillPolygonSpans(TRasterSurface& surface, std::span<const TPoint> points, std::uint32_t argb);
