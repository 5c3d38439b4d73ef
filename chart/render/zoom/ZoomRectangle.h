#pragma once

#include "ChartColor.h"

class TChartCanvas;
class TChartZoom;

// Draws the outline (and the fill, when the zoom has a brush) of the zoom drag's rectangle by
// inversion: each pixel becomes NOT (pixel XOR c) with c = pen colour XOR (white - background),
// so a white pen shows white over the background and inverts everything else. Drawing the same
// rectangle again restores every pixel, which is how it moves and goes away. The canvas' pen and
// brush are left as they were.
void DrawZoomRectangle(TChartCanvas& canvas, TChartZoom& zoom, TColor background);
