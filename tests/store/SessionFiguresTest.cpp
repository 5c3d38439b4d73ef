#include "SessionFigures.h"

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
