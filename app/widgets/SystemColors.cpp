#include "SystemColors.h"

#include "ChartColor.h"

namespace {
TColor FromQColor(const QColor& c) {
    return RGBColor(c.red(), c.green(), c.blue());
}
} // namespace

void FillSystemColorsFromPalette(const QPalette& palette) {
    SetSystemColor(clBtnFace & 0xFF, FromQColor(palette.color(QPalette::Button)));
    SetSystemColor(clBtnShadow & 0xFF, FromQColor(palette.color(QPalette::Dark)));
    SetSystemColor(clBtnHighlight & 0xFF, FromQColor(palette.color(QPalette::Light)));
    SetSystemColor(clBtnText & 0xFF, FromQColor(palette.color(QPalette::ButtonText)));
    SetSystemColor(clWindow & 0xFF, FromQColor(palette.color(QPalette::Base)));
    SetSystemColor(clWindowText & 0xFF, FromQColor(palette.color(QPalette::WindowText)));
}
