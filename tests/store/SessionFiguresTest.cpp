#include "SessionFigures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct FiguresCase {
    const char* name;
    std::vector<double> ms;
    store::SessionFigures expected;
};

class SessionFiguresTest : public ::testing::TestWithParam<FiguresCase> {};

TEST_P(SessionFiguresTest, AreComputedFromTheTimes) {
    const store::SessionFigures f = store::ComputeFigures(GetParam().ms);
    const store::SessionFigures& e = GetParam().expected;
    EXPECT_EQ(f.count, e.count);
    EXPECT_DOUBLE_EQ(f.mean, e.mean);
    EXPECT_DOUBLE_EQ(f.median, e.median);
    EXPECT_NEAR(f.deviation, e.deviation, 1e-9);
    EXPECT_DOUBLE_EQ(f.fastest, e.fastest);
    EXPECT_DOUBLE_EQ(f.slowest, e.slowest);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SessionFiguresTest,
    ::testing::Values(
        FiguresCase{"NoTimes", {}, {0, 0, 0, 0, 0, 0}},
        FiguresCase{"OneTimeHasNoDeviation", {250}, {1, 250, 250, 0, 250, 250}},
        FiguresCase{"OddCountTakesTheMiddle", {300, 200, 250}, {3, 250, 250, 50, 200, 300}},
        FiguresCase{"EvenCountAveragesTheTwoMiddles",
                    {400, 200, 300, 250},
                    {4, 287.5, 275, 85.391256382996653, 200, 400}},
        // Large equal offsets would lose every digit in a sum of squares of the values.
        FiguresCase{"DeviationKeepsPrecisionFarFromZero",
                    {1e9 + 1, 1e9 + 2, 1e9 + 3},
                    {3, 1e9 + 2, 1e9 + 2, 1, 1e9 + 1, 1e9 + 3}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Reference values from Python's statistics module on the same numbers: quantiles(ms, n=4)
// with its default "exclusive" method, median() and stdev().
struct QuartilesCase {
    const char* name;
    std::vector<double> sorted;
    double first, median, third;
};

class QuartilesTest : public ::testing::TestWithParam<QuartilesCase> {};

TEST_P(QuartilesTest, MatchPythonsExclusiveMethod) {
    const store::Quartiles q = store::ComputeQuartiles(GetParam().sorted);
    EXPECT_DOUBLE_EQ(q.first, GetParam().first);
    EXPECT_DOUBLE_EQ(q.median, GetParam().median);
    EXPECT_DOUBLE_EQ(q.third, GetParam().third);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuartilesTest,
    ::testing::Values(QuartilesCase{"OneValue", {250}, 250, 250, 250},
                      // Beyond the ends the method extrapolates rather than clamping.
                      QuartilesCase{"TwoValuesExtrapolate", {1, 2}, 0.75, 1.5, 2.25},
                      QuartilesCase{"Three", {200, 250, 300}, 200, 250, 300},
                      QuartilesCase{"Four", {200, 250, 300, 400}, 212.5, 275, 375},
                      QuartilesCase{"Five", {100, 101, 102, 103, 104}, 100.5, 102, 103.5},
                      QuartilesCase{"Equal", {5, 5, 5, 5}, 5, 5, 5},
                      QuartilesCase{"TenTrials",
                                    {198, 199, 212, 221, 231, 244, 245, 260, 287, 305},
                                    208.75,
                                    237.5,
                                    266.75}),
    [](const auto& info) { return std::string(info.param.name); });

void ExpectFigures(const store::SessionFigures& f, const store::SessionFigures& e) {
    EXPECT_EQ(f.count, e.count);
    EXPECT_NEAR(f.mean, e.mean, 1e-9);
    EXPECT_DOUBLE_EQ(f.median, e.median);
    EXPECT_NEAR(f.deviation, e.deviation, 1e-9);
    EXPECT_DOUBLE_EQ(f.fastest, e.fastest);
    EXPECT_DOUBLE_EQ(f.slowest, e.slowest);
}

TEST(RunningFiguresTest, FollowAppendsEditsAndDeletes) {
    // Python: mean 240.2, median 237.5, stdev 35.81681789947907 of the ten trials.
    const std::vector<double> ten{212, 245, 198, 305, 260, 231, 199, 287, 244, 221};
    store::TRunningFigures running;
    std::vector<double> times;
    for (const double ms : ten) {
        times.push_back(ms);
        running.Set(times);
        ExpectFigures(running.Figures(), store::ComputeFigures(times));
    }
    ExpectFigures(running.Figures(), {10, 240.2, 237.5, 35.81681789947907, 198, 305});

    times[3] = 95; // an edit
    running.Set(times);
    ExpectFigures(running.Figures(), store::ComputeFigures(times));
    EXPECT_EQ(running.CountBelow(100), 1);
    times.erase(times.begin()); // a delete
    running.Set(times);
    ExpectFigures(running.Figures(), store::ComputeFigures(times));
    times.push_back(500); // appended after other changes, a lapse at the limit
    running.Set(times);
    ExpectFigures(running.Figures(), store::ComputeFigures(times));
    EXPECT_EQ(running.CountFrom(500), 1);
    EXPECT_EQ(running.CountFrom(501), 0);
    EXPECT_EQ(running.Sorted().size(), times.size());
    EXPECT_TRUE(std::is_sorted(running.Sorted().begin(), running.Sorted().end()));

    running.Set({});
    ExpectFigures(running.Figures(), {});
}

} // namespace
