#include "BarLayout.h"

#include "ChartGeometry.h"

int BarSizeFor(int axisLength, int slotCount, int barWidthPercent, int barCount,
               int customBarWidth) {
    if (customBarWidth != 0)
        return customBarWidth;
    if (slotCount <= 0 || barCount <= 0)
        return 0;
    const int slot = axisLength / slotCount;
    int size = RoundToInt(barWidthPercent * 0.01 * slot) / barCount;
    if (size > 0 && size % 2 == 1)
        ++size;
    return size;
}

int BarDepthInset(int depthPercent, int frontZ, int backZ) {
    if (depthPercent == 0)
        return 0;
    return RoundToInt((100 - depthPercent) * (backZ - frontZ) * 0.005);
}
