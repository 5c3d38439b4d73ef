#pragma once

#include <QRegion>

#include <cstdint>
#include <utility>
#include <vector>

// A clip region as the spans of each row, kept in one block of memory, with range tables that
// answer whether a whole box lies inside in constant time. A 3D chart clips its series to the
// outline of its box, a region with a different span on nearly every row, and asks that for
// every line it draws.
class TClipRows {
public:
    TClipRows() = default;
    explicit TClipRows(const QRegion& region);

    // The [x0, x1) spans of row y, left to right; none outside the region's rows.
    std::pair<const std::pair<int, int>*, const std::pair<int, int>*> Row(int y) const {
        if (y < top_ || y >= top_ + rows_)
            return {nullptr, nullptr};
        const std::size_t r = std::size_t(y - top_);
        return {spans_.data() + rowStart_[r], spans_.data() + rowStart_[r + 1]};
    }
    bool Contains(int x, int y) const;
    // Whether columns left..right of every row top..bottom (inclusive) lie inside. Rows made of
    // more than one span answer no: the caller then tests pixel by pixel.
    bool Covers(int left, int top, int right, int bottom) const;

private:
    int top_ = 0;
    int rows_ = 0;
    std::vector<std::uint32_t> rowStart_; // rows + 1 offsets into spans_
    std::vector<std::pair<int, int>> spans_;
    // Level k holds, for each row r, the largest single-span left edge and the smallest right
    // edge over rows r .. r + 2^k - 1.
    std::vector<std::vector<int>> maxLeft_;
    std::vector<std::vector<int>> minRight_;
};
