#include "legend/LegendGeometry.h"

#include "LineSeries.h"
#include "frame/DBChart.h"

#include <gtest/gtest.h>

namespace {

TEST(LegendStyle, AutoListsSeriesOnlyWhenThereIsMoreThanOneOrCheckBoxes) {
    EXPECT_EQ(ResolveLegendStyle(lsAuto, false, 3), lsSeries);
    EXPECT_EQ(ResolveLegendStyle(lsAuto, false, 2), lsSeries);
    EXPECT_EQ(ResolveLegendStyle(lsAuto, false, 1), lsValues);
    EXPECT_EQ(ResolveLegendStyle(lsAuto, true, 1), lsSeries);
    EXPECT_EQ(ResolveLegendStyle(lsValues, false, 3), lsValues);
}

TEST(LegendItems, ActiveSeriesShownInTheLegendInListOrder) {
    TDBChart chart;
    TLineSeries a, b, c, hidden;
    for (TLineSeries* s : {&a, &b, &c, &hidden})
        chart.AddSeries(*s);
    hidden.SetShowInLegend(false);
    using Items = std::vector<const TChartSeries*>;
    EXPECT_EQ(LegendSeriesItems(chart.SeriesList(), false, 0), (Items{&a, &b, &c}));
    b.SetActive(false);
    EXPECT_EQ(LegendSeriesItems(chart.SeriesList(), false, 0), (Items{&a, &c}));
    EXPECT_EQ(LegendSeriesItems(chart.SeriesList(), true, 0), (Items{&a, &b, &c}));
    EXPECT_EQ(LegendSeriesItems(chart.SeriesList(), false, 1), (Items{&c}));
    // Two series left still make a series legend.
    EXPECT_EQ(ResolveLegendStyle(lsAuto, false, 2), lsSeries);
}

TEST(LegendItems, ANegativeFirstValueIsRefused) {
    EXPECT_NO_THROW(CheckLegendFirstValue(0));
    try {
        CheckLegendFirstValue(-1);
        FAIL();
    } catch (const LegendException& e) {
        EXPECT_STREQ(e.what(), "First Legend Value must be > 0");
    }
}

TEST(LegendText, SplitsAtTheFirstTwoSeparators) {
    using Cols = std::array<std::string, 2>;
    EXPECT_EQ(SplitLegendText("RDTSC"), (Cols{"RDTSC", ""}));
    EXPECT_EQ(SplitLegendText("12\x06"
                              "abc"),
              (Cols{"12", "abc"}));
    EXPECT_EQ(SplitLegendText("12\x06"
                              "abc\x06"
                              "dropped"),
              (Cols{"12", "abc"}));
    EXPECT_EQ(SplitLegendText(""), (Cols{"", ""}));
}

TEST(LegendSizes, ItemHeightAndSymbolWidth) {
    EXPECT_EQ(LegendItemHeight(13, false, 0, false, 1), 13);
    EXPECT_EQ(LegendItemHeight(13, true, 0, false, 1), 17);
    EXPECT_EQ(LegendItemHeight(13, false, 2, true, 1), 16);
    // Titles 30, 60 and 100 pixels wide with a 3-pixel blank.
    const int textWidth = LegendItemTextWidth(3, 100, 0);
    EXPECT_EQ(textWidth, 105);
    EXPECT_EQ(LegendSymbolWidth({true, false, lcsPercent, 45}, textWidth, 13), 47);
    EXPECT_EQ(LegendSymbolWidth({true, false, lcsPixels, 45}, textWidth, 13), 45);
    EXPECT_EQ(LegendSymbolWidth({true, true, lcsPercent, 45}, textWidth, 13), 8);
    EXPECT_EQ(LegendSymbolWidth({false, false, lcsPercent, 45}, textWidth, 13), 0);
}

// A bottom legend of three items with the 105-pixel text and 47-pixel symbol of the titles
// above, a 1-pixel frame, in a panel 600 wide.
TLegendLayoutInput BottomLegend(int plotWidth) {
    TLegendLayoutInput in;
    in.alignment = laBottom;
    in.panel = {0, 0, 600, 300};
    in.plot = {100, 40, 100 + plotWidth, 280};
    in.frame = 1;
    in.totalItems = 3;
    in.itemHeight = 13;
    in.itemTextWidth = 105;
    in.symbolWidth = 47;
    return in;
}

struct FitCase {
    const char* name;
    int plotWidth;
    int columns;
    int rows;
    int lastItem;
};

class LegendFit : public testing::TestWithParam<FitCase> {};

TEST_P(LegendFit, ItemsFillColumnsThenRows) {
    const FitCase& c = GetParam();
    const TLegendLayout out = LayoutLegendBox(BottomLegend(c.plotWidth));
    EXPECT_EQ(out.columns, c.columns);
    EXPECT_EQ(out.rows, c.rows);
    EXPECT_EQ(out.lastItem, c.lastItem);
    EXPECT_EQ(out.drawn, c.lastItem >= 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, LegendFit,
                         testing::Values(FitCase{"AllInOneRow", 500, 3, 1, 2},
                                         // (400 - 2 - 8) div 160 = 2 columns, so 2 rows
                                         FitCase{"TwoColumns", 400, 2, 2, 2},
                                         FitCase{"OneColumn", 200, 1, 3, 2},
                                         FitCase{"TooNarrow", 150, 0, 0, -1}),
                         [](const auto& info) { return info.param.name; });

TEST(LegendLayoutTest, BottomBoxStandsAboveThePlotBottomAndTakesItsRoom) {
    const TLegendLayout out = LayoutLegendBox(BottomLegend(400));
    // Bottom 2 pixels above the plot's bottom; two rows of 13 plus 2.
    EXPECT_EQ(out.box.bottom, 278);
    EXPECT_EQ(out.box.top, 278 - 28);
    // Width 2 x 152 + 12 + 6 = 322, half 161; shifted right of the centre by a tenth of the
    // panel width left free.
    EXPECT_EQ(out.box.right - out.box.left, 322);
    EXPECT_EQ(out.box.left, RoundToInt(10 * (600 - 322) * 0.01) + 300 - 161);
    // The plot ends 4 % of its former height above the box.
    EXPECT_EQ(out.plot.bottom, out.box.top - 4 * 240 / 100);
    EXPECT_EQ(out.plot.top, 40);
}

TEST(LegendLayoutTest, WithoutResizeChartThePlotKeepsItsSize) {
    TLegendLayoutInput in = BottomLegend(500);
    in.resizeChart = false;
    EXPECT_EQ(LayoutLegendBox(in).plot, in.plot);
    in.resizeChart = true;
    in.vertMargin = 5;
    const TLegendLayout out = LayoutLegendBox(in);
    EXPECT_EQ(out.plot.bottom, out.box.top - 5);
}

TEST(LegendLayoutTest, NoItemsOrNoRoomTakeNoSpace) {
    TLegendLayoutInput in = BottomLegend(500);
    in.totalItems = 0;
    TLegendLayout out = LayoutLegendBox(in);
    EXPECT_FALSE(out.drawn);
    EXPECT_EQ(out.plot, in.plot);
    in = BottomLegend(150);
    out = LayoutLegendBox(in);
    EXPECT_FALSE(out.drawn);
    EXPECT_EQ(out.plot, in.plot);
}

TEST(LegendLayoutTest, TopBoxHangsBelowThePlotTop) {
    TLegendLayoutInput in = BottomLegend(500);
    in.alignment = laTop;
    in.chartShadowV = 3;
    const TLegendLayout out = LayoutLegendBox(in);
    EXPECT_EQ(out.box.top, 42);
    EXPECT_EQ(out.box.bottom, 42 + 15);
    EXPECT_EQ(out.plot.top, out.box.bottom + 3 + 4 * 240 / 100);
}

TEST(LegendLayoutTest, RightLegendIsOneColumnAgainstThePlotsRightEdge) {
    TLegendLayoutInput in = BottomLegend(500);
    in.alignment = laRight;
    in.legendShadowH = 3;
    const TLegendLayout out = LayoutLegendBox(in);
    EXPECT_EQ(out.columns, 1);
    EXPECT_EQ(out.rows, 3);
    EXPECT_EQ(out.box.top, 30);
    EXPECT_EQ(out.box.right, 600 - 5);
    EXPECT_EQ(out.box.right - out.box.left, 105 + 47 + 10);
    EXPECT_EQ(out.plot.right, out.box.left - 3 * 500 / 100);
}

TEST(LegendItems, PositionsRunAlongTheRowsAndInvertedShowsTheLastItemFirst) {
    TLegendItemPlaceInput in;
    in.alignment = laBottom;
    in.box = {200, 250, 522, 278};
    in.columns = 2;
    in.itemHeight = 13;
    in.itemTextWidth = 105;
    in.symbolWidth = 47;
    in.positions = 3;
    const TLegendItemPlace first = PlaceLegendItem(in, 0);
    EXPECT_EQ(first.symbolX, 206);
    EXPECT_EQ(first.textX, 257);
    EXPECT_EQ(first.y, 251);
    EXPECT_EQ(first.symbol, (TRect{206, 253, 253, 262}));
    const TLegendItemPlace second = PlaceLegendItem(in, 1);
    EXPECT_EQ(second.symbolX, 206 + 158);
    EXPECT_EQ(second.y, 251);
    const TLegendItemPlace third = PlaceLegendItem(in, 2);
    EXPECT_EQ(third.symbolX, 206);
    EXPECT_EQ(third.y, 264);

    in.symbolPosition = spRight;
    EXPECT_EQ(PlaceLegendItem(in, 0).textX, 206);
    EXPECT_EQ(PlaceLegendItem(in, 0).symbolX, 200 + 105 + 6);

    EXPECT_EQ(LegendItemAtPosition(0, 0, 2, true), 2);
    EXPECT_EQ(LegendItemAtPosition(2, 0, 2, true), 0);
    EXPECT_EQ(LegendItemAtPosition(0, 0, 2, false), 0);
}

} // namespace
