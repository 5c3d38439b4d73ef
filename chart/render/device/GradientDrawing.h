#pragma once

#include "ChartGradient.h"
#include "device/Canvas3D.h"

// Fills r with the gradient. A middle colour splits vertical and horizontal gradients at the
// centre: start colour at the bottom (or right) edge, middle colour at the centre, end colour
// at the opposite edge for top-bottom (or left-right); the reverse directions mirror that.
void DrawGradient(const TCustomChartGradient& gradient, TChartCanvas& canvas, const TRect& r);

// Fills the quadrilateral: the gradient over its bounds, clipped to its outline.
void DrawGradientInQuad(const TCustomChartGradient& gradient, TChartCanvas& canvas,
                        const TQuad& corners);
