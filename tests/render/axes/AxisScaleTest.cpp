#include "axes/AxisScale.h"
#include "ChartAxisBase.h"
#include "CustomChartBase.h"
#include "LineSeries.h"
#include "axes/AxisException.h"
#include "axes/AxisSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace {

// An axis of `size` pixels from pixel 100 with the range low .. high, as a paint leaves it.
TAxisScale Placed(bool horizontal, double low, double high, int size = 400) {
    TAxisScale axis(horizontal);
    axis.ComputeAutoRange(low, high);
    axis.UpdatePositions(100, size, 0);
    return axis;
}

TEST(AxisMappingTest, RunsRightOnAHorizontalAxisAndUpOnAVerticalOne) {
    const TAxisScale bottom = Placed(true, 0, 100);
    EXPECT_EQ(bottom.ValueToPixel(0), 100);
    EXPECT_EQ(bottom.ValueToPixel(25), 200);
    EXPECT_EQ(bottom.ValueToPixel(100), 500);
    const TAxisScale left = Placed(false, 0, 100);
    EXPECT_EQ(left.ValueToPixel(0), 500);
    EXPECT_EQ(left.ValueToPixel(25), 400);

    TAxisScale inverted = Placed(true, 0, 100);
    inverted.SetInverted(true);
    EXPECT_EQ(inverted.ValueToPixel(25), 400);
    EXPECT_DOUBLE_EQ(inverted.PixelToValue(400), 25);
    inverted = Placed(false, 0, 100);
    inverted.SetInverted(true);
    EXPECT_EQ(inverted.ValueToPixel(25), 200);
    EXPECT_DOUBLE_EQ(inverted.PixelToValue(200), 25);

    EXPECT_DOUBLE_EQ(bottom.PixelToValue(200), 25);
    EXPECT_DOUBLE_EQ(left.PixelToValue(400), 25);
}

TEST(AxisMappingTest, RoundsTheSumHalfToEvenAndClampsFarValues) {
    const TAxisScale axis = Placed(true, 0, 400, 400); // one pixel per unit from 100
    EXPECT_EQ(axis.ValueToPixel(0.5), 100);
    EXPECT_EQ(axis.ValueToPixel(1.5), 102);
    EXPECT_EQ(axis.ValueToPixel(1e300), PositionLimit);
    EXPECT_EQ(axis.ValueToPixel(-1e300), -PositionLimit);
    EXPECT_EQ(axis.ValueToPixel(std::numeric_limits<double>::quiet_NaN()), -PositionLimit);
}

// From an odd start pixel the sum, not the distance alone, is rounded half to even: 101 + 0.5
// rounds to 102 where 101 + Round(0.5) would give 101. Series map through the captured mapping,
// which must round the same way.
TEST(AxisMappingTest, RoundsTheSumFromAnOddStartPixel) {
    TAxisScale axis(true);
    axis.ComputeAutoRange(0, 400);
    axis.UpdatePositions(101, 400, 0);
    const TAxisMapping mapping = axis.Mapping();
    for (const auto& [value, pixel] :
         {std::pair{0.5, 102}, {1.5, 102}, {2.5, 104}, {3.5, 104}, {-0.5, 100}, {-1.5, 100}}) {
        EXPECT_EQ(axis.ValueToPixel(value), pixel) << value;
        EXPECT_EQ(mapping.Pixel(value), pixel) << value;
    }
    TAxisScale left(false);
    left.ComputeAutoRange(0, 400);
    left.UpdatePositions(101, 400, 0); // end pixel 501
    EXPECT_EQ(left.ValueToPixel(0.5), 500);
    EXPECT_EQ(left.ValueToPixel(1.5), 500);
    EXPECT_EQ(left.Mapping().Pixel(1.5), 500);
}

TEST(AxisMappingTest, AZeroRangeMapsEverythingToTheCentrePixel) {
    // One point, or a chart without points (0 .. 0).
    for (const double value : {250.0, 0.0}) {
        const TAxisScale axis = Placed(false, value, value, 251);
        EXPECT_TRUE(axis.RangeIsZero());
        EXPECT_EQ(axis.CenterPixel(), 225);
        EXPECT_EQ(axis.ValueToPixel(value), 225);
        EXPECT_EQ(axis.ValueToPixel(value + 1000), 225);
    }
}

TEST(AxisMappingTest, ACollapsedAxisMapsPixelsToZero) {
    const TAxisScale axis = Placed(true, 10, 20, 0);
    EXPECT_EQ(axis.PixelToValue(100), 0);
}

TEST(SeriesMargins, WidenTheRangeSoTheDataLandInsideTheMargins) {
    TAxisScale axis = Placed(true, 0, 100);
    axis.ApplySeriesMargins(12, 12);
    EXPECT_NEAR(axis.RangeMinimum(), -3.19, 0.005); // 12 pixels of 376 each side
    EXPECT_NEAR(axis.RangeMaximum(), 103.19, 0.005);
    EXPECT_EQ(axis.ValueToPixel(0), 112);
    EXPECT_EQ(axis.ValueToPixel(100), 488);
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_EQ(axis.Maximum(), 100);
    EXPECT_EQ(axis.StartPixel(), 100);
    EXPECT_EQ(axis.EndPixel(), 500);
}

TEST(SeriesMargins, OffsetsAddToTheLowAndHighEndsOfAVerticalAxis) {
    TAxisScale axis = Placed(false, 0, 100);
    axis.SetMinimumOffset(10); // at the bottom
    axis.ApplySeriesMargins(0, 0);
    EXPECT_EQ(axis.ValueToPixel(0), 490);
    EXPECT_EQ(axis.ValueToPixel(100), 100);
    EXPECT_LT(axis.RangeMinimum(), 0);
    EXPECT_EQ(axis.RangeMaximum(), 100);
}

// On an inverted axis the high values lie at the start: a margin there widens the high end,
// and the offsets change places with the ends they belong to.
TEST(SeriesMargins, AnInvertedAxisWidensTheEndThatLiesAtEachSide) {
    TAxisScale axis = Placed(true, 0, 100);
    axis.SetInverted(true);
    axis.ApplySeriesMargins(20, 0);
    EXPECT_EQ(axis.RangeMinimum(), 0);
    EXPECT_NEAR(axis.RangeMaximum(), 105.26, 0.005); // 20 pixels of 380 beyond 100
    EXPECT_EQ(axis.ValueToPixel(100), 120);
    EXPECT_EQ(axis.ValueToPixel(0), 500);

    axis = Placed(false, 0, 100);
    axis.SetInverted(true); // low values at the top
    axis.SetMinimumOffset(10);
    axis.ApplySeriesMargins(0, 0);
    EXPECT_EQ(axis.ValueToPixel(0), 110);
    EXPECT_EQ(axis.ValueToPixel(100), 500);
}

// Margins that leave less than one pixel between them collapse the range to 0 .. 0: every
// value then maps to the centre pixel rather than through a division by a length of 0 or less.
TEST(SeriesMargins, ANarrowedLengthBelowOneCollapsesTheRange) {
    for (const auto& [start, end] : {std::pair{5, 5}, {6, 6}, {12, 0}}) {
        TAxisScale axis = Placed(true, 0, 100, 10);
        axis.ApplySeriesMargins(start, end);
        EXPECT_EQ(axis.RangeMinimum(), 0) << start << "," << end;
        EXPECT_EQ(axis.RangeMaximum(), 0) << start << "," << end;
        EXPECT_TRUE(axis.RangeIsZero());
        EXPECT_EQ(axis.ValueToPixel(50), 105);
        EXPECT_EQ(axis.Mapping().Pixel(50), 105);
    }
    // One pixel left is still a range.
    TAxisScale axis = Placed(true, 0, 100, 10);
    axis.ApplySeriesMargins(5, 4);
    EXPECT_EQ(axis.ValueToPixel(0), 105);
    EXPECT_EQ(axis.ValueToPixel(100), 106);
}

TEST(SeriesMargins, LeaveAZeroRangeAndZeroMarginsAlone) {
    TAxisScale axis = Placed(true, 5, 5);
    axis.ApplySeriesMargins(12, 12);
    EXPECT_EQ(axis.RangeMinimum(), 5);
    EXPECT_EQ(axis.RangeMaximum(), 5);
    axis = Placed(true, 0.1, 0.7);
    axis.ApplySeriesMargins(0, 0);
    EXPECT_EQ(axis.RangeMinimum(), 0.1);
    EXPECT_EQ(axis.RangeMaximum(), 0.7);
}

TEST(AxisRange, SetRangeFixesOrderedEndsAtLeastATinySpanApart) {
    int repaints = 0;
    TAxisScale axis(true);
    axis.OnChange = [&] { ++repaints; };
    axis.SetRange(8, 2);
    EXPECT_EQ(axis.Minimum(), 2);
    EXPECT_EQ(axis.Maximum(), 8);
    EXPECT_FALSE(axis.Automatic() || axis.AutomaticMinimum() || axis.AutomaticMaximum());
    axis.SetRange(5, 5);
    EXPECT_EQ(axis.Minimum(), 5);
    EXPECT_EQ(axis.Maximum(), 5 + 1e-10);
    EXPECT_EQ(repaints, 2);

    // A fixed range survives the next paint's automatic step.
    axis.ComputeAutoRange(0, 1000);
    EXPECT_EQ(axis.RangeMinimum(), 5);
}

TEST(AxisRange, ScrollingWithLimitsMovesOnlyTowardDataBeyondTheRange) {
    const struct {
        const char* name;
        double offset;
        bool check;
        double expectedMinimum;
    } cases[] = {{"up, data below the maximum", 10, true, 0},
                 {"up, unchecked", 10, false, 10},
                 {"down, data below the minimum", -10, true, -10},
                 {"down, unchecked", -10, false, -10},
                 {"zero", 0, true, 0}};
    for (const auto& c : cases) {
        TAxisScale axis(true);
        axis.ComputeAutoRange(0, 100); // the range the last paint showed
        axis.ScrollRange(c.offset, c.check, -5, 90);
        EXPECT_EQ(axis.Minimum(), c.expectedMinimum) << c.name;
        EXPECT_EQ(axis.Maximum(), c.expectedMinimum + 100) << c.name;
        EXPECT_EQ(axis.Automatic(), c.expectedMinimum == 0) << c.name;
    }
}

TEST(AxisSettings, RefusedValuesRaiseTheirMessageAndKeepTheOldValue) {
    const struct {
        const char* message;
        std::function<void(TAxisScale&)> set;
    } cases[] = {
        {"Axis Minimum Value must be <= Maximum", [](TAxisScale& a) { a.SetMinimum(10); }},
        {"Axis Maximum Value must be >= Minimum", [](TAxisScale& a) { a.SetMaximum(-1); }},
        {"Axis increment must be >= 0", [](TAxisScale& a) { a.SetIncrement(-0.5); }},
        {"Labels Separation % must be greater than 0",
         [](TAxisScale& a) { a.SetLabelsSeparation(-1); }},
    };
    for (const auto& c : cases) {
        TAxisScale axis(true);
        try {
            c.set(axis);
            ADD_FAILURE() << "no exception: " << c.message;
        } catch (const AxisException& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(axis.Minimum(), 0);
        EXPECT_EQ(axis.Maximum(), 0);
        EXPECT_EQ(axis.Increment(), 0);
        EXPECT_EQ(axis.LabelsSeparation(), 10);
    }
    TAxisScale axis(true);
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.LabelsSeparation(), 0);
}

TEST(AxisSettings, WhileLoadingMinimumAboveMaximumIsAccepted) {
    TAxisScale axis(true);
    axis.SetLoading(true);
    axis.SetMinimum(10);
    axis.SetMaximum(5);
    axis.SetLoading(false);
    EXPECT_EQ(axis.Minimum(), 10);
    EXPECT_EQ(axis.Maximum(), 5);
}

TEST(AxisSettings, AutomaticAndItsEndsFollowEachOther) {
    TAxisScale axis(true);
    axis.SetAutomaticMinimum(false);
    EXPECT_FALSE(axis.Automatic());
    axis.SetAutomaticMinimum(true);
    EXPECT_TRUE(axis.Automatic());
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum() || axis.AutomaticMaximum());
    axis.SetLoading(true);
    axis.SetAutomatic(true);
    EXPECT_FALSE(axis.AutomaticMinimum() || axis.AutomaticMaximum());
}

} // namespace

namespace {

class PlainAxis : public TChartAxisBase {
public:
    explicit PlainAxis(bool horizontal) : horizontal_(horizontal) {}
    bool Horizontal() const override { return horizontal_; }
    bool Inverted() const override { return false; }
    int ValueToPixel(double) const override { return 0; }
    double PixelToValue(int) const override { return 0; }
    int AxisLength() const override { return 100; }

private:
    bool horizontal_;
};

class MarginChart : public TCustomChartBase {
public:
    PlainAxis Bottom{true};
    PlainAxis Left{false};
    TChartAxisBase* BottomAxis() const override { return const_cast<PlainAxis*>(&Bottom); }
    TChartAxisBase* LeftAxis() const override { return const_cast<PlainAxis*>(&Left); }
};

// A series asking fixed margins: left and right, top and bottom.
class MarginSeries : public TLineSeries {
public:
    MarginSeries(int left, int right, int top, int bottom)
        : left_(left), right_(right), top_(top), bottom_(bottom) {}
    void CalcHorizMargins(int& left, int& right) override {
        left = left_;
        right = right_;
    }
    void CalcVerticalMargins(int& top, int& bottom) override {
        top = top_;
        bottom = bottom_;
    }

private:
    int left_, right_, top_, bottom_;
};

struct MarginCase {
    bool automaticMinimum, automaticMaximum;
    TAxisMargins horizontal; // start = left, end = right
    TAxisMargins vertical;   // start = top, end = bottom
};

} // namespace

// The low end takes the margins at the left of a horizontal axis and at the bottom of a
// vertical one, only when that end is automatic; the largest margin of the active series wins.
TEST(SeriesMargins, OnlyTheAutomaticEndsTakeTheSeriesMargins) {
    MarginChart chart;
    MarginSeries a(5, 2, 3, 9), b(1, 7, 4, 1), off(50, 50, 50, 50);
    for (MarginSeries* s : {&a, &b, &off})
        s->SetParentChart(&chart);
    off.SetActive(false);
    for (const MarginCase& c :
         {MarginCase{true, true, {5, 7}, {4, 9}}, MarginCase{true, false, {5, 0}, {0, 9}},
          MarginCase{false, true, {0, 7}, {4, 0}}, MarginCase{false, false, {0, 0}, {0, 0}}}) {
        const TAxisMargins h =
            SeriesMargins(chart.SeriesList(), chart.Bottom, c.automaticMinimum, c.automaticMaximum);
        const TAxisMargins v =
            SeriesMargins(chart.SeriesList(), chart.Left, c.automaticMinimum, c.automaticMaximum);
        EXPECT_EQ(h.start, c.horizontal.start) << c.automaticMinimum << c.automaticMaximum;
        EXPECT_EQ(h.end, c.horizontal.end) << c.automaticMinimum << c.automaticMaximum;
        EXPECT_EQ(v.start, c.vertical.start) << c.automaticMinimum << c.automaticMaximum;
        EXPECT_EQ(v.end, c.vertical.end) << c.automaticMinimum << c.automaticMaximum;
    }
}
