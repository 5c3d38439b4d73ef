// The canvas answers "is this pixel inside the clip" and "may this whole box be written
// unchecked" from its own row table; a wrong yes writes outside the clip, so both are checked
// against the region itself, pixel by pixel.

#include "device/ClipRows.h"

#include <gtest/gtest.h>

#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <random>
#include <string>

namespace {

constexpr int W = 40;
constexpr int H = 32;

QRegion RandomRegion(std::mt19937& rng) {
    std::uniform_int_distribution<int> x(-5, W + 5);
    std::uniform_int_distribution<int> y(-5, H + 5);
    std::uniform_int_distribution<int> kind(0, 2);
    switch (kind(rng)) {
    case 0: { // the outline of a 3D chart's box: a different span on nearly every row
        QPolygon p;
        for (int i = 0; i < 6; ++i)
            p << QPoint(x(rng), y(rng));
        return QRegion(p);
    }
    case 1: // two boxes side by side: rows of two spans
        return QRegion(x(rng), y(rng), 8, 12) + QRegion(x(rng), y(rng), 6, 20);
    default:
        return QRegion(x(rng), y(rng), x(rng) / 2 + 1, y(rng) / 2 + 1);
    }
}

bool AllInside(const QRegion& region, int left, int top, int right, int bottom) {
    for (int yy = top; yy <= bottom; ++yy)
        for (int xx = left; xx <= right; ++xx)
            if (!region.contains(QPoint(xx, yy)))
                return false;
    return true;
}

bool RowsAreSingleSpans(const QRegion& region, int top, int bottom) {
    for (int yy = top; yy <= bottom; ++yy) {
        int spans = 0;
        for (const QRect& r : region)
            spans += r.top() <= yy && yy <= r.bottom();
        if (spans != 1)
            return false;
    }
    return true;
}

} // namespace

TEST(ClipRows, AnswerAsTheRegionDoes) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> x(-3, W + 3);
    std::uniform_int_distribution<int> y(-3, H + 3);
    for (int i = 0; i < 300 && !HasFailure(); ++i) {
        const QRegion region = RandomRegion(rng);
        const TClipRows rows(region);
        for (int yy = -4; yy < H + 4; ++yy)
            for (int xx = -4; xx < W + 4; ++xx)
                ASSERT_EQ(rows.Contains(xx, yy), region.contains(QPoint(xx, yy)))
                    << "region " << i << " at " << xx << "," << yy;
        for (int k = 0; k < 200; ++k) {
            // minmax of a list: the pair of two arguments would refer to the temporaries.
            const auto [left, right] = std::minmax({x(rng), x(rng)});
            const auto [top, bottom] = std::minmax({y(rng), y(rng)});
            const bool inside = AllInside(region, left, top, right, bottom);
            const bool covers = rows.Covers(left, top, right, bottom);
            // Never a yes for a box that leaves the region; a yes wherever every row is one span.
            ASSERT_TRUE(!covers || inside) << "region " << i << ", box " << left << "," << top
                                           << " .. " << right << "," << bottom;
            if (inside && RowsAreSingleSpans(region, top, bottom)) {
                ASSERT_TRUE(covers) << "region " << i << ", box " << left << "," << top << " .. "
                                    << right << "," << bottom;
            }
        }
    }
}

TEST(ClipRows, AnEmptyRegionHoldsNothing) {
    const TClipRows rows{QRegion()};
    EXPECT_FALSE(rows.Contains(0, 0));
    EXPECT_FALSE(rows.Covers(0, 0, 0, 0));
}
