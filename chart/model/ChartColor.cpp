#include "ChartColor.h"

#include <array>

namespace {

constexpr int SystemColorCount = 31;

std::array<TColor, SystemColorCount> MakeClassicTable() {
    std::array<TColor, SystemColorCount> t{};
    t.fill(0xC0C0C0);
    t[5] = 0xFFFFFF;  // window
    t[8] = 0x000000;  // window text
    t[15] = 0xF0F0F0; // button face
    t[16] = 0xA0A0A0; // button shadow
    t[18] = 0x000000; // button text
    t[20] = 0xFFFFFF; // button highlight
    return t;
}

std::array<TColor, SystemColorCount>& Table() {
    static std::array<TColor, SystemColorCount> table = MakeClassicTable();
    return table;
}

} // namespace

void SetSystemColor(int index, TColor rgb) {
    if (index >= 0 && index < SystemColorCount)
        Table()[index] = rgb & 0xFFFFFF;
}

TColor SystemColor(int index) {
    return index >= 0 && index < SystemColorCount ? Table()[index] : 0;
}

TColor ColorToRGB(TColor c) {
    return IsSystemColor(c) ? SystemColor(int(c & 0xFF)) : c;
}
