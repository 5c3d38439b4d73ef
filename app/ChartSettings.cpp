#include "ChartSettings.h"

#include "frame/DBChart.h"

namespace {

constexpr int ScreenDpi = 96;
constexpr int PointsPerInch = 72;
constexpr int TitlePixelHeight = 13;

// The white 3D charts of the results and the histogram: black border, black title, grey-framed
// opaque walls that are not shaded.
void ApplyResultChartLook(TDBChart& chart, const char* title) {
    chart.SetColor(clWhite);
    chart.SetBevelOuter(bvNone);
    chart.SetBevelInner(bvNone);
    chart.Border().SetVisible(true);
    chart.Title().SetCaption(title);
    chart.Title().Font().SetColor(clBlack);
    SetFontPixelHeight(chart.Title().Font(), TitlePixelHeight);

    TChartBackWall& back = chart.BackWall();
    back.SetTransparent(false);
    back.SetDark3D(false);
    back.Pen().SetColor(clGray); // the chart's Frame
    TChartWall& left = chart.LeftWall();
    left.SetColor(clSilver);
    left.SetDark3D(false);
    left.Pen().SetColor(clGray);
    TChartWall& bottom = chart.BottomWall();
    bottom.SetColor(clGray);
    bottom.SetDark3D(false);
    bottom.Pen().SetColor(clGray);
    TChartRightWall& right = chart.RightWall();
    right.SetDark3D(false);
    right.Pen().SetColor(clGray);

    chart.SetColorPaletteIndex(1);
}

} // namespace

void SetFontPixelHeight(TChartFont& font, int pixels) {
    font.SetSize(MulDiv(pixels, PointsPerInch, ScreenDpi));
}

void ApplyDBChart1Settings(TDBChart& chart) {
    chart.SetSize(494, 304);
    ApplyResultChartLook(chart, " Vreme reagovanja na promenu vizuelnog sadržaja");
}

void ApplyDBChart2Settings(TDBChart& chart) {
    chart.SetSize(774, 305);
    ApplyResultChartLook(chart, "Histogram vremena reakcije");
}

void ApplyDBChart3Settings(TDBChart& chart) {
    chart.SetSize(598, 305);
    chart.SetBevelOuter(bvLowered);
    chart.SetBevelInner(bvRaised);
    chart.SetView3D(false);
    chart.Title().SetCaption("Odstupanje od zadate Sleep vrednosti u milisekundama");
}
