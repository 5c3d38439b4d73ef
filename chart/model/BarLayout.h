#pragma once

// The arithmetic of laying bars out along the horizontal axis, shared by the bar series and
// their tests. Sizes are in pixels.

// Bar width from the axis length divided among the slots: the bar's share of one slot, split
// among the bars standing side by side, and made even so that a bar centres on its value.
// A custom width wins; no slots give no bar.
int BarSizeFor(int axisLength, int slotCount, int barWidthPercent, int barCount,
               int customBarWidth = 0);

// How far the bars of a series are moved off the depth slot's front and back (DepthPercent).
int BarDepthInset(int depthPercent, int frontZ, int backZ);
