#pragma once

#include "ChartGeometry.h"

// The largest pixel coordinate an axis hands out; values far outside the range still land on a
// finite pixel the drawing accepts.
inline constexpr int PositionLimit = 67108863;

// One axis' value-to-pixel mapping as it stands for the current paint, captured once so series
// painters map their points without asking the axis per point. `offset` is the pixel of
// `origin`; `scale` is pixels per unit, negative where pixels grow against the values (the Y
// form, an inverted axis). A zero range maps every value to `offset`, the axis' centre pixel.
struct TAxisMapping {
    double offset = 0;
    double origin = 0;
    double scale = 0;
    bool zeroRange = true;

    int Pixel(double value) const {
        if (zeroRange)
            return static_cast<int>(offset);
        // The sum is rounded, not the distance alone; NaN falls to the low limit.
        const double p = offset + (value - origin) * scale;
        if (p > PositionLimit)
            return PositionLimit;
        if (!(p >= -PositionLimit))
            return -PositionLimit;
        return RoundToInt(p);
    }
};
