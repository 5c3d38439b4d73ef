#include "legend/LegendItemDrawing.h"
#include "LineSeries.h"
#include "device/ChartCanvas3D.h"
#include "series/CanvasSeriesDrawing.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

// The calibration chart's legend: three line series whose pens differ from their colours,
// listed from the last series to the first.
class LegendItemsPaint : public testing::Test {
protected:
    LegendItemsPaint() {
        const struct {
            TLineSeries& s;
            const char* title;
            TColor color;
            TColor pen;
        } setup[] = {{query, "QueryPerformance", clBlue, clYellow},
                     {rdtsc, "RDTSC", clRed, RGBColor(0, 255, 64)},
                     {cpu, "CPUcalcms", clYellow, clRed}};
        for (const auto& e : setup) {
            e.s.SetTitle(e.title);
            e.s.SetSeriesColor(e.color);
            e.s.LinePen().SetColor(e.pen);
        }
        image = QImage(500, 260, QImage::Format_RGB32);
        image.fill(Qt::white);
        canvas.BeginDrawing(image, options, false, {0, 0, 500, 260});

        in.places.alignment = laBottom;
        in.places.box = {100, 200, 400, 216};
        in.places.columns = 3;
        in.places.itemHeight = 13;
        in.places.itemTextWidth = 120;
        in.places.symbolWidth = 54;
        in.places.positions = 3;
        in.columnWidths = {110, 0};
        in.blankWidth = 3;
        for (const TLineSeries* s : {&cpu, &rdtsc, &query})
            in.items.push_back({{s->Title(), ""}, s});
    }
    TColor Px(int x, int y) const {
        const QRgb c = canvas.Buffer().pixel(x, y);
        return RGBColor(qRed(c), qGreen(c), qBlue(c));
    }

    TLineSeries query, rdtsc, cpu;
    TView3DOptions options;
    TChartCanvas3D canvas;
    TCanvasSeriesDrawing drawing{canvas};
    QImage image;
    TLegendItemsInput in;
};

TEST_F(LegendItemsPaint, SymbolsAreLinesInTheSeriesColoursInDisplayOrder) {
    DrawLegendItems(canvas, drawing, in);
    // Symbols start 6 pixels into each item; the line runs through the symbol's middle row.
    const int y = (203 + 212) / 2;
    EXPECT_EQ(Px(106 + 10, y), clYellow);
    EXPECT_EQ(Px(106 + 180 + 10, y), clRed);
    EXPECT_EQ(Px(106 + 360 + 10, y), clBlue);
    EXPECT_EQ(Px(106 + 10, y - 1), clWhite);

    int inked = 0;
    for (int x = 100 + 54 + 10; x < 100 + 54 + 10 + 110; ++x)
        for (int row = 201; row < 214; ++row)
            inked += Px(x, row) != clWhite;
    EXPECT_GT(inked, 20) << "the first item's text";
}

TEST_F(LegendItemsPaint, ASeriesColouredPointByPointHasNoSymbol) {
    cpu.SetColorEachPoint(true);
    DrawLegendItems(canvas, drawing, in);
    EXPECT_EQ(Px(106 + 10, (203 + 212) / 2), clWhite);
}

} // namespace
