#pragma once

#include "ChartColor.h"

#include <span>

// The colour palettes from which series take their automatic colours. A chart whose
// ColorPaletteIndex is 0 (or a palette number that is not built in) uses DefaultPalette.
std::span<const TColor> DefaultPalette();

// The palette for a ColorPaletteIndex; DefaultPalette for 0 and for numbers not built in.
std::span<const TColor> ColorPalette(int paletteIndex);

// Entry `index` of `palette`, wrapping around its length.
TColor PaletteColor(std::span<const TColor> palette, int index);
