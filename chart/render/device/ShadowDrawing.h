#pragma once

#include "ChartShadow.h"
#include "device/Canvas3D.h"

// Throws the shadow of rectangle r (at depth z, or flat while flat drawing is active): a band
// below shifted right by HorizSize and a band to the right shifted down by VertSize. A smooth
// shadow fades line by line toward white.
void DrawShadow(const TChartShadow& shadow, TCanvas3D& canvas, const TRect& r, int z);
