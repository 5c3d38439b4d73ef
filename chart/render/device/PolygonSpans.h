#pragma once

#include "ChartGeometry.h"
#include "device/RasterSurface.h"

#include <cstdint>
#include <span>

// Fills a small polygon (three or four corners) with one colour straight into the surface,
// even-odd: a pixel is set when its centre lies inside. Edges near the image take the
// painter's fixed-point rounding for centres on an edge, so that the pixels are exactly those
// of its aliased fill; edges reaching far outside are rasterised exactly, as the same polygon
// cut at the image's edges would be. The work is one step per row of the writable box the
// polygon crosses, however far its corners lie. Returns false, drawing nothing, for more
// corners; the caller then fills another way.
bool FillPolygonSpans(TRasterSurface& surface, std::span<const TPoint> points, std::uint32_t argb);
