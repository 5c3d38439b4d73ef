#pragma once

#include "frame/ChartTitle.h"
#include "frame/PanelTypes.h"

class TChartCanvas;
class TCanvas3D;

// Width of a title's frame: its bevel's, or its visible pen's, else 0.
int TitleFrameWidth(const TChartTitle& title);

// Places a visible title with lines in its ShapeRect: along the top (or, for a foot title, the
// bottom) of `plot`, or where it was put by hand. Answers the room it takes from `plot`: none
// for a title placed by hand, an invisible one, or one without lines.
TRoom LayoutTitle(TChartTitle& title, TChartCanvas& canvas, const TRect& plot);

// Writes the title's lines in its ShapeRect (laid out by LayoutTitle), over its box.
void PaintTitle(TCanvas3D& canvas, const TChartTitle& title);
