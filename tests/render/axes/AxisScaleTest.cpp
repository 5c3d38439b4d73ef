#include "axes/AxisScale.h"
#include "axes/AxisException.h"

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
