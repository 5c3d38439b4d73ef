#include "frame/ChartWalls.h"

TCustomChartWall::TCustomChartWall(TCustomChartBase* chart, TColor color, bool transparent,
                                   bool visible)
    : TChartCustomShape(chart) {
    // Walls are built with their chart, which honours no repaint request until it is complete.
    SetColor(color);
    SetTransparent(transparent);
    SetVisible(visible);
}
