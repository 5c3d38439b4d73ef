#pragma once

#include "CustomSeries.h"

// A series drawn as a line joining its points in index order: X list "X" ascending, Y list "Y"
// unordered, EndBeyondEdge set. The renderer supplies the drawing.
class TLineSeries : public TCustomSeries {};
