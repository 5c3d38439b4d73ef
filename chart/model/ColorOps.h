#pragma once

#include "ChartColor.h"

#include <cstdint>

// Channel arithmetic used for shaded faces and fading shadows. Both work on the red, green and
// blue channels of a plain RGB colour and clamp to 0..255.

// Box sides facing left or right are darkened by this much, tops and bottoms by DarkenAmount.
inline constexpr int SideDarkenAmount = 128;
inline constexpr int DarkenAmount = 64;

inline constexpr TColor Darken(TColor c, int amount) {
    const auto down = [amount](int channel) { return channel > amount ? channel - amount : 0; };
    return RGBColor(down(RedOf(c)), down(GreenOf(c)), down(BlueOf(c)));
}

inline constexpr TColor Brighten(TColor c, int amount) {
    const auto up = [amount](int channel) {
        return channel + amount < 255 ? channel + amount : 255;
    };
    return RGBColor(up(RedOf(c)), up(GreenOf(c)), up(BlueOf(c)));
}

// The opaque 32-bit ARGB pixel of a plain RGB colour.
inline constexpr std::uint32_t ToArgb(TColor c) {
    return 0xFF000000u | std::uint32_t(RedOf(c)) << 16 | std::uint32_t(GreenOf(c)) << 8 |
           std::uint32_t(BlueOf(c));
}
