#include "axes/AxisSteps.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NextStep, ClimbsThroughOneTwoFiveTimesAPowerOfTen) {
    const struct {
        double x, next;
    } cases[] = {{1, 2},     {1.99, 2},  {2, 5},        {4.9, 5},   {5, 10},          {9.99, 10},
                 {12.5, 20}, {0.3, 0.5}, {66.666, 100}, {150, 200}, {0.00017, 0.0002}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(NextStep(c.x), c.next) << c.x;
}

struct StepCase {
    const char* name;
    int count;
    TStepRule rule;
    double step;
    friend void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }
};

class LabelStep : public testing::TestWithParam<StepCase> {};

TEST_P(LabelStep, IsTheFirstOneTwoFiveStepWhoseLabelsFit) {
    const StepCase& c = GetParam();
    EXPECT_DOUBLE_EQ(IncrementForCount(c.count, c.rule), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelStep,
    testing::Values(
        // 1000/15 climbs once to 100: ten labels, no more than the 14 that fit.
        StepCase{"Thousand", 14, {1000, 0, 10, -1}, 100},
        // 10 gives 15 labels > 14, so one more climb to 20.
        StepCase{"Results250To400", 14, {150, 0, 10, -1}, 20},
        // Ten points on 450 pixels: 9/51 is raised to 1 and kept.
        StepCase{"FewPoints", 50, {9, 0, 10, 10}, 1},
        // More points than labels fit: the rule does not apply, 9/51 climbs to 0.2.
        StepCase{"ManyPoints", 50, {9, 0, 10, 60}, 0.2},
        // A set increment is a lower bound that still climbs until the labels fit.
        StepCase{"IncrementThree", 10, {100, 3, 10, -1}, 10},
        StepCase{"IncrementLargeEnough", 10, {100, 25, 10, -1}, 25},
        // Without a separation the first estimate stands, off the 1-2-5 sequence.
        StepCase{"NoSeparation", 14, {1000, 0, 0, -1}, 1000.0 / 15},
        StepCase{"NothingFits", 0, {1000, 0, 10, -1}, SmallestStep},
        StepCase{"ZeroRange", 14, {0, 0, 10, -1}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabelCount, DividesTheAxisByTheLabelSizeAndItsSeparation) {
    EXPECT_EQ(LabelCountForSize(16, 250, 10), 14); // 250 / (16 + 2)
    EXPECT_EQ(LabelCountForSize(8, 450, 10), 50);  // 450 / (8 + 1)
    EXPECT_EQ(LabelCountForSize(16, 250, 0), 16);
    EXPECT_EQ(LabelCountForSize(0, 250, 10), 1);
    EXPECT_EQ(LabelCountForSize(16, 7, 10), 0); // shorter than half a label
}

int SevenPerChar(const std::string& s) {
    return 7 * int(s.size());
}

TEST(LabelSize, IsTheWidthAlongAHorizontalAxisAndTheLineHeightsAlongAVerticalOne) {
    EXPECT_EQ(TextBlockWidth("", SevenPerChar).lines, 0);
    const TTextBlock block = TextBlockWidth("12\r12345\r", SevenPerChar);
    EXPECT_EQ(block.width, 35);
    EXPECT_EQ(block.lines, 2);

    EXPECT_EQ(LabelSize("1,250", true, 0, 16, SevenPerChar), 35);
    EXPECT_EQ(LabelSize("1,250", true, 90, 16, SevenPerChar), 16);
    EXPECT_EQ(LabelSize("1,250", false, 0, 16, SevenPerChar), 16);
    EXPECT_EQ(LabelSize("1\r250", false, 180, 16, SevenPerChar), 32);
    EXPECT_EQ(LabelSize("1,250", false, 90, 16, SevenPerChar), 35);
}

} // namespace
