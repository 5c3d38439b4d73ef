#include "BarSeries.h"
#include "SeriesPaintFixture.h"
#include "series/BarSeriesPainter.h"

namespace {

constexpr TColor BarColour = RGBColor(0x99, 0x99, 0xFF);

// Three gradient bars (50, 0, 80) at X 0, 1, 2 on an axis showing -1..3 (50 pixels per unit):
// 36 pixels wide, a depth of 10.
class BarPaint : public SeriesPaintTest {
protected:
    BarPaint() {
        bars.SetParentChart(&chart);
        bars.SetSeriesColor(BarColour);
        bars.SetBarStyle(TBarStyle::bsRectGradient);
        bars.Gradient().SetStartColor(0xFFF3EA);
        bars.Gradient().SetMidColor(0xE0E6E9);
        bars.AddValue(50);
        bars.AddValue(0);
        bars.AddValue(80);
        chart.SetRanges(-1, 3, 0, 100);
        bars.PrepareForDrawing();
        int l = 0, r = 0;
        bars.CalcHorizMargins(l, r);
        bars.CalcDepthPositions();
        bars.ComputeVisibleRange();
        Begin(true);
        TBarSeriesPainter(bars, Context()).DrawVisiblePoints();
    }
    TBarSeries bars;
};

TEST_F(BarPaint, BoxesShadeTheirSideAndTopAndFillTheFrontWithTheGradient) {
    ASSERT_EQ(bars.BarSize(), 36);
    // The first bar: columns 52..88, rows 80..130.
    EXPECT_EQ(Px(93, 100), 0x7F1919);         // right side, darkened by 128
    EXPECT_EQ(Px(70, 76), 0xBF5959);          // top, darkened by 64
    EXPECT_EQ(Px(70, 81), BarColour);         // the gradient ends in the bar colour at the top
    EXPECT_EQ(Px(70, 129), TColor(0xFFF3EA)); // and starts in the start colour at the bottom
    EXPECT_EQ(Px(52, 100), clBlack);          // outline
}

// The form's middle colour reaches the bars: the front splits at its centre row (81 + 130) / 2,
// the middle colour on both sides of the split, start to middle below and middle to the bar
// colour above.
TEST_F(BarPaint, TheGradientPassesThroughTheMiddleColourAtTheCentre) {
    EXPECT_EQ(Px(70, 104), TColor(0xE0E6E9));
    EXPECT_EQ(Px(70, 105), TColor(0xE0E6E9));
    EXPECT_EQ(Px(88, 105), TColor(0xE0E6E9));    // across the whole front
    const int greenBelow = GreenOf(Px(70, 117)); // start 0xF3 at the bottom, middle 0xE6
    EXPECT_GT(greenBelow, 0xE6);
    EXPECT_LT(greenBelow, 0xF3);
    const int redAbove = RedOf(Px(70, 93)); // middle 0xE9, the bar colour's 0x99 at the top
    EXPECT_GT(redAbove, 0x99);
    EXPECT_LT(redAbove, 0xE9);
}

TEST_F(BarPaint, AZeroBarIsAFlatBox) {
    // The second bar lies on the origin: only its top face shows.
    EXPECT_EQ(Px(125, 125), 0xBF5959);
    EXPECT_EQ(Px(125, 131), clWhite);
}

} // namespace
