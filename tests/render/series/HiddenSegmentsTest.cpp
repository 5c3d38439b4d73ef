#include "series/HiddenSegments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using testing::ElementsAre;

namespace {

std::vector<char> Hidden(std::vector<TColumnSegment> run, TSegmentShape shape) {
    std::vector<char> hidden;
    MarkHiddenSegments(run, shape, hidden);
    return hidden;
}

TEST(HiddenSegments, ASegmentInsideWhatFollowsIsHidden) {
    // 50 -> 60 lies inside 60 -> 20 drawn later; the last segment always shows.
    EXPECT_THAT(Hidden({{50, 60}, {60, 20}, {20, 30}}, TSegmentShape::Line), ElementsAre(1, 0, 0));
}

TEST(HiddenSegments, OnlyRibbonsCoverTheirEndRow) {
    // 60 -> 41 draws rows 42..60 as a line, 41..60 as a ribbon.
    const std::vector<TColumnSegment> run{{41, 50}, {50, 60}, {60, 41}};
    EXPECT_THAT(Hidden(run, TSegmentShape::Line), ElementsAre(0, 1, 0));
    EXPECT_THAT(Hidden(run, TSegmentShape::Ribbon), ElementsAre(1, 1, 0));
}

TEST(HiddenSegments, ZeroLengthSegmentsAreHiddenAndGapsAreNotBridged) {
    EXPECT_THAT(Hidden({{10, 10}, {10, 20}}, TSegmentShape::Line), ElementsAre(1, 0));
    // Rows 10..19 and 30..39 do not cover 15 -> 35.
    EXPECT_THAT(Hidden({{15, 35}, {10, 20}, {30, 40}}, TSegmentShape::Line), ElementsAre(0, 0, 0));
}

} // namespace
