#pragma once

#include "device/Canvas3D.h"
#include "frame/ChartShape.h"

// Draws `width` one-pixel bevel rings inside r in the colours of `cut` (nothing for bvNone)
// and insets r by what it drew.
void PaintBevel(TChartCanvas& canvas, TRect& r, TBevelCut cut, int width);

// Draws a framed shape over r: shadow, fill (gradient or brush), outline and bevel; turned by
// `degrees` about r's centre when not 0. A transparent shape draws nothing. The shadow is
// thrown at depth z unless flat drawing is active.
void PaintShape(TCanvas3D& canvas, const TChartCustomShape& shape, const TRect& r, double degrees,
                int z);
