#pragma once

#include <vector>

class TChartAxis;

// Which grid lines of a 3D chart an axis draws: those across the back wall and those along the
// side walls and floor. An axis drawn again over a wall seen from behind leaves some out.
struct TGridParts {
    bool back = true;
    bool side = true;
};

// Draws the axis: title, labels at the chosen step (filling TickPositions), line, ticks, grid,
// inner and minor ticks. With `recompute` the axis line moves to the plotting rectangle's edge.
void DrawAxis(TChartAxis& axis, bool recompute, TGridParts grid = {});

// Minor tick pixels for labels at `ticks` (in drawing order): `count` between each pair, and as
// many beyond both ends with the spacing of the first pair, kept strictly inside start .. end.
std::vector<int> MinorTickPositions(const std::vector<int>& ticks, int count, int start, int end);

// The label values the value loop draws for the axis' range and `step`, highest first; none
// when the step would draw more than 10000 of them.
std::vector<double> AxisLabelValues(double rangeMinimum, double rangeMaximum, double step,
                                    bool roundFirstLabel);
