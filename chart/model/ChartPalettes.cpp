#include "ChartPalettes.h"

#include <array>

namespace {

constexpr std::array<TColor, 20> Default{
    0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x808080, 0xFF00FF,
    0x808000, 0x800000, 0x000080, 0x00FF00, 0x008080, 0x800080, 0xC0C0C0,
    0xFFFF00, 0x000000, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0,
};

constexpr std::array<TColor, 22> Palette1{
    0xFF9999, 0x663399, 0xCCFFFF, 0xFFFFCC, 0x660066, 0x8080FF, 0xCC6600, 0xFFCCCC,
    0x800000, 0xFF00FF, 0x00FFFF, 0xFFFF00, 0x800080, 0x000080, 0x808000, 0xFF0000,
    0xFFCC00, 0xFFFFCC, 0xCCFFCC, 0x00FFFF, 0xFFCC99, 0xCC99FF,
};

} // namespace

std::span<const TColor> DefaultPalette() {
    return Default;
}

std::span<const TColor> ColorPalette(int paletteIndex) {
    if (paletteIndex == 1)
        return Palette1;
    return Default;
}

TColor PaletteColor(std::span<const TColor> palette, int index) {
    const int n = static_cast<int>(palette.size());
    int i = index % n;
    if (i < 0)
        i += n;
    return palette[static_cast<std::size_t>(i)];
}
