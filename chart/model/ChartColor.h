#pragma once

#include <cstdint>

// A colour is 0x00BBGGRR (red in the low byte). 0xFF0000nn names system colour nn,
// resolved through the system colour table before it is drawn.
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF; // no colour; as a point colour: a null point
inline constexpr TColor DefaultPointColor = 0x20000000; // no colour of its own: take the owner's

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// System colours by their index in the system colour table.
inline constexpr TColor SystemColorBase = 0xFF000000;
inline constexpr TColor clWindow = SystemColorBase | 5;
inline constexpr TColor clWindowText = SystemColorBase | 8;
inline constexpr TColor clBtnFace = SystemColorBase | 15;
inline constexpr TColor clBtnShadow = SystemColorBase | 16;
inline constexpr TColor clBtnText = SystemColorBase | 18;
inline constexpr TColor clBtnHighlight = SystemColorBase | 20;

inline constexpr bool IsSystemColor(TColor c) {
    return (c & 0xFF000000) == SystemColorBase;
}

inline constexpr TColor RGBColor(int r, int g, int b) {
    return TColor(r & 0xFF) | TColor(g & 0xFF) << 8 | TColor(b & 0xFF) << 16;
}
inline constexpr int RedOf(TColor c) {
    return int(c & 0xFF);
}
inline constexpr int GreenOf(TColor c) {
    return int(c >> 8 & 0xFF);
}
inline constexpr int BlueOf(TColor c) {
    return int(c >> 16 & 0xFF);
}

// The system colour table. The application fills it from its palette at start-up; tests may
// fix entries. Until then it holds the classic desktop values.
void SetSystemColor(int index, TColor rgb);
TColor SystemColor(int index);

// An RGB value for any colour: system colours through the table, others as they are.
TColor ColorToRGB(TColor c);
