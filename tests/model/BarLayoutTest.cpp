#include "BarLayout.h"
#include "BarSeries.h"
#include "LineSeries.h"
#include "TestChart.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct BarSizeCase {
    const char* name;
    int axisLength;
    int slotCount;
    int barWidthPercent;
    int barCount;
    int customWidth;
    int expected;
};

class BarSize : public testing::TestWithParam<BarSizeCase> {};

TEST_P(BarSize, IsTheBarsShareOfASlotMadeEven) {
    const BarSizeCase& c = GetParam();
    EXPECT_EQ(BarSizeFor(c.axisLength, c.slotCount, c.barWidthPercent, c.barCount, c.customWidth),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BarSize,
                         testing::Values(BarSizeCase{"TenBarsOn440", 440, 11, 70, 1, 0, 28},
                                         // 0.7 x 45 = 31.5 rounds to the even 32
                                         BarSizeCase{"Slot45", 45 * 11, 11, 70, 1, 0, 32},
                                         // 0.7 x 44 = 30.8 rounds to 31, made even
                                         BarSizeCase{"Slot44", 44 * 11, 11, 70, 1, 0, 32},
                                         BarSizeCase{"TwoSideBySide", 440, 11, 70, 2, 0, 14},
                                         BarSizeCase{"CustomWidthWins", 440, 11, 70, 1, 9, 9},
                                         BarSizeCase{"NoSlots", 440, 0, 70, 1, 0, 0},
                                         BarSizeCase{"TinyAxis", 5, 11, 70, 1, 0, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(BarDepth, DepthPercentNarrowsTheSlotOnBothSides) {
    EXPECT_EQ(BarDepthInset(100, 0, 20), 0);
    EXPECT_EQ(BarDepthInset(50, 0, 20), 5);
    EXPECT_EQ(BarDepthInset(0, 0, 20), 0);
}

// Bar series on a chart whose bottom axis is 440 pixels long and whose left axis runs 0..100
// over 200 pixels.
class BarChart : public testing::Test {
protected:
    BarChart() {
        chart.Bottom = TLinearAxis(true, 20, 460);
        chart.Left = TLinearAxis(false, 10, 210);
        chart.Left.SetRange(0, 100);
    }
    TBarSeries& AddBars(int points, double first = 10) {
        bars.push_back(std::make_unique<TBarSeries>());
        TBarSeries& s = *bars.back();
        s.SetParentChart(&chart);
        for (int i = 0; i < points; ++i)
            s.AddValue(first + i);
        return s;
    }
    void Layout() {
        for (auto& s : bars)
            if (s->Active())
                s->PrepareForDrawing();
        for (auto& s : bars) {
            int l = 0, r = 0;
            s->CalcHorizMargins(l, r);
            leftMargin = l;
            rightMargin = r;
        }
    }

    TTestChart chart;
    std::vector<std::unique_ptr<TBarSeries>> bars;
    int leftMargin = -1;
    int rightMargin = -1;
};

TEST_F(BarChart, TenBarsTakeElevenSlotsAndKeepOneBarOfMargin) {
    TBarSeries& s = AddBars(10);
    Layout();
    EXPECT_EQ(s.SlotCount(), 11);
    EXPECT_EQ(s.BarOrder(), 1);
    EXPECT_EQ(s.BarCount(), 1);
    EXPECT_EQ(s.PointsBefore(), 0);
    EXPECT_EQ(s.BarSize(), 28);
    EXPECT_EQ(leftMargin, 28);
    EXPECT_EQ(rightMargin, 28);

    s.SetSideMargins(false);
    Layout();
    EXPECT_EQ(s.SlotCount(), 10);
    EXPECT_EQ(leftMargin, s.BarSize() / 2);
}

TEST_F(BarChart, SeriesSideBySideCountOnlyActiveBarsBeforeThem) {
    TLineSeries line;
    line.SetParentChart(&chart);
    line.AddValue(1);
    TBarSeries& a = AddBars(4);
    TBarSeries& hidden = AddBars(9);
    TBarSeries& b = AddBars(6);
    hidden.SetActive(false);
    Layout();
    EXPECT_EQ(a.BarOrder(), 1);
    EXPECT_EQ(b.BarOrder(), 2);
    EXPECT_EQ(b.PointsBefore(), 4);
    EXPECT_EQ(a.BarCount(), 2);
    EXPECT_EQ(b.BarCount(), 2);
    EXPECT_EQ(a.SlotCount(), 7); // the longest series plus the side margin slot
    EXPECT_EQ(b.SlotCount(), 7);
}

TEST_F(BarChart, AnEmptySeriesHasOneSlotAndNoBar) {
    TBarSeries& s = AddBars(0);
    Layout();
    EXPECT_EQ(s.SlotCount(), 1);
    EXPECT_EQ(s.BarSize(), 308); // the single slot is 440 wide
    s.SetSideMargins(false);
    Layout();
    EXPECT_EQ(s.BarSize(), 0);
}

TEST_F(BarChart, ABarCentresOnItsValueAndRisesFromTheOrigin) {
    TBarSeries& s = AddBars(10);
    chart.Bottom.SetRange(0, 44); // 10 pixels per unit; point 2 has X = 2
    Layout();
    const int centre = chart.Bottom.ValueToPixel(2);
    EXPECT_EQ(s.XPixel(2), centre - 14);
    const TRect r = s.BarBounds(2);
    EXPECT_EQ(r.left, centre - 14);
    EXPECT_EQ(r.right, centre - 14 + 28 + 1);
    EXPECT_EQ(r.top, chart.Left.ValueToPixel(12));
    EXPECT_EQ(r.bottom, chart.Left.ValueToPixel(0));
}

TEST_F(BarChart, AZeroBarIsFlatAtTheOrigin) {
    TBarSeries& s = AddBars(3);
    s.YValues().SetValueAt(1, 0);
    Layout();
    const TRect r = s.BarBounds(1);
    EXPECT_EQ(r.top, r.bottom);
    EXPECT_EQ(r.bottom, chart.Left.ValueToPixel(0));
}

TEST_F(BarChart, AHiddenPenWidensTheBarByOnePixel) {
    TBarSeries& s = AddBars(3);
    Layout();
    const TRect shown = s.BarBounds(0);
    s.BarPen().SetVisible(false);
    const TRect hidden = s.BarBounds(0);
    EXPECT_EQ(hidden.right, shown.right + 1);
    EXPECT_EQ(hidden.bottom, shown.bottom + 1);
    EXPECT_EQ(hidden.top, shown.top);
}

TEST_F(BarChart, FullWidthBarsReachTheNextBar) {
    TBarSeries& s = AddBars(3);
    s.SetBarWidthPercent(100);
    Layout();
    EXPECT_EQ(s.BarBounds(0).right, s.XPixel(1));
    EXPECT_EQ(s.BarBounds(2).right, s.XPixel(2) + s.BarSize() + 1);
}

TEST_F(BarChart, TheVerticalRangeIncludesTheOrigin) {
    TBarSeries& s = AddBars(3, 150);
    EXPECT_EQ(s.MinY(), 0);
    EXPECT_EQ(s.MaxY(), 152);
    s.SetUseYOrigin(false);
    EXPECT_EQ(s.MinY(), 150);
    s.SetUseYOrigin(true);
    s.SetYOrigin(-20);
    EXPECT_EQ(s.MinY(), -20);
}

TEST_F(BarChart, BarsSideBySideShareTheDepthSlotOfTheFirst) {
    TBarSeries& a = AddBars(2);
    TBarSeries& b = AddBars(2);
    int maxZ = -1;
    a.CalcZOrder(maxZ);
    b.CalcZOrder(maxZ);
    EXPECT_EQ(maxZ, 0);
    EXPECT_EQ(b.ZIndex(), a.ZIndex());
}

TEST_F(BarChart, DepthPercentNarrowsTheBoxAndKeepsTheCentre) {
    TBarSeries& s = AddBars(2);
    chart.Depth = 20;
    s.SetZIndex(1);
    s.SetDepthPercent(50);
    s.CalcDepthPositions();
    EXPECT_EQ(s.FrontZ(), 25);
    EXPECT_EQ(s.BackZ(), 35);
    EXPECT_EQ(s.CentreZ(), 30);
}

} // namespace
