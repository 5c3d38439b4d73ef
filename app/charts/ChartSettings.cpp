#include "ChartSettings.h"

#include "frame/DBChart.h"

#include <QCoreApplication>

namespace {

constexpr int ScreenDpi = 96;
constexpr int PointsPerInch = 72;
constexpr int TitlePixelHeight = 13;
constexpr int LabelsPixelHeight = 13;
// The unit of the reaction and calibration times.
constexpr const char* TimeAxisTitle = "[ms]";

// The white 3D charts of the results and the histogram: black border, black title, grey-framed
// opaque walls that are not shaded.
void ApplyResultChartLook(TDBChart& chart, const QString& title) {
    chart.SetColor(clWhite);
    chart.SetBevelOuter(bvNone);
    chart.SetBevelInner(bvNone);
    chart.Border().SetVisible(true);
    chart.Title().SetCaption(title.toStdString());
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

    // Black ticks and solid black grid lines, thin axis lines, 13-pixel labels, no minor or
    // inner ticks; no grid across the bottom and top axes.
    for (const auto& axis : chart.Axes()) {
        axis->Axis().SetWidth(1);
        axis->Grid().SetColor(clBlack);
        axis->Grid().SetStyle(psSolid);
        SetFontPixelHeight(axis->LabelsFont(), LabelsPixelHeight);
        axis->MinorTicks().SetVisible(false);
        axis->Ticks().SetColor(clBlack);
        axis->TicksInner().SetVisible(false);
    }
    chart.BottomAxis()->Grid().SetVisible(false);
    chart.TopAxis()->Grid().SetVisible(false);
    chart.BottomAxis()->SetGridCentered(true);

    TChartLegend& legend = chart.Legend();
    legend.SetVisible(false);
    SetFontPixelHeight(legend.Font(), LabelsPixelHeight);
    legend.Shadow().SetSize(0);
}

} // namespace

void SetFontPixelHeight(TChartFont& font, int pixels) {
    font.SetSize(MulDiv(pixels, PointsPerInch, ScreenDpi));
}

void ApplyDBChart1Settings(TDBChart& chart) {
    chart.SetSize(494, 304);
    ApplyResultChartLook(
        chart, QCoreApplication::translate("ChartSettings",
                                           " Vreme reagovanja na promenu vizuelnog sadržaja"));
    chart.LeftAxis()->Title().SetCaption(TimeAxisTitle);
}

void ApplyDBChart2Settings(TDBChart& chart) {
    chart.SetSize(774, 305);
    ApplyResultChartLook(
        chart, QCoreApplication::translate("ChartSettings", "Histogram vremena reakcije"));
    TChartLegend& legend = chart.Legend();
    legend.SetLegendStyle(lsValues);
    legend.SetTextStyle(ltsXAndValue);
    legend.SetCheckBoxesStyle(cbsRadio);
}

void ApplyDBChart3Settings(TDBChart& chart) {
    chart.SetSize(598, 305);
    chart.SetBevelOuter(bvLowered);
    chart.SetBevelInner(bvRaised);
    chart.SetView3D(false);
    chart.Title().SetCaption(
        QCoreApplication::translate("ChartSettings",
                                    "Odstupanje od zadate Sleep vrednosti u milisekundama")
            .toStdString());
    chart.LeftAxis()->Title().SetCaption(TimeAxisTitle);
    chart.LeftAxis()->Title().SetVisible(false);

    TChartLegend& legend = chart.Legend();
    legend.SetAlignment(laBottom);
    legend.SetInverted(true);
    legend.SetColorWidth(45);
    legend.Symbol().SetWidth(45);
}
