#pragma once

#include "ChartGradient.h"
#include "device/Canvas3D.h"

class TChartCanvas3D;

// Fills r with the gradient. A middle colour splits vertical and horizontal gradients at the
// centre: start colour at the bottom (or right) edge, middle colour at the centre, end colour
// at the opposite edge for top-bottom (or left-right); the reverse directions mirror that.
void DrawGradient(const TCustomChartGradient& gradient, TChartCanvas& canvas, const TRect& r);

// Fills the quadrilateral: the gradient over its bounds, clipped to its outline.
void DrawGradientInQuad(const TCustomChartGradient& gradient, TChartCanvas& canvas,
                        const TQuad& corners);

// Fills r at depth z: the projected rectangle in the oblique view, the projected quad otherwise.
void DrawGradientAtDepth(const TCustomChartGradient& gradient, TChartCanvas3D& canvas,
                         const TRect& r, int z);
