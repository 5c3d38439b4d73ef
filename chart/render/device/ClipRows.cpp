#include "device/ClipRows.h"

#include <algorithm>
#include <bit>
#include <climits>

TClipRows::TClipRows(const QRegion& region) {
    const QRect box = region.boundingRect();
    if (box.isEmpty())
        return;
    top_ = box.top();
    rows_ = box.height();
    const int rows = rows_;
    std::vector<std::vector<std::pair<int, int>>> byRow(static_cast<std::size_t>(rows));
    // A region's rectangles come in bands, left to right within each.
    for (const QRect& r : region)
        for (int y = r.top(); y <= r.bottom(); ++y)
            byRow[std::size_t(y - top_)].emplace_back(r.left(), r.right() + 1);

    rowStart_.reserve(std::size_t(rows) + 1);
    std::vector<int> left(std::size_t(rows), INT_MAX);
    std::vector<int> right(std::size_t(rows), INT_MIN);
    for (std::size_t r = 0; r < byRow.size(); ++r) {
        rowStart_.push_back(std::uint32_t(spans_.size()));
        spans_.insert(spans_.end(), byRow[r].begin(), byRow[r].end());
        if (byRow[r].size() == 1) {
            left[r] = byRow[r].front().first;
            right[r] = byRow[r].front().second;
        }
    }
    rowStart_.push_back(std::uint32_t(spans_.size()));

    maxLeft_.push_back(std::move(left));
    minRight_.push_back(std::move(right));
    for (int width = 2; width <= rows; width *= 2) {
        const std::vector<int>& l = maxLeft_.back();
        const std::vector<int>& r = minRight_.back();
        const std::size_t count = std::size_t(rows - width + 1);
        std::vector<int> nextLeft(count), nextRight(count);
        for (std::size_t i = 0; i < count; ++i) {
            nextLeft[i] = std::max(l[i], l[i + std::size_t(width / 2)]);
            nextRight[i] = std::min(r[i], r[i + std::size_t(width / 2)]);
        }
        maxLeft_.push_back(std::move(nextLeft));
        minRight_.push_back(std::move(nextRight));
    }
}

bool TClipRows::Contains(int x, int y) const {
    const auto [begin, end] = Row(y);
    for (auto s = begin; s != end; ++s)
        if (x >= s->first && x < s->second)
            return true;
    return false;
}

bool TClipRows::Covers(int left, int top, int right, int bottom) const {
    if (top < top_ || bottom >= top_ + rows_ || top > bottom)
        return false;
    const unsigned count = unsigned(bottom - top + 1);
    const int level = std::bit_width(count) - 1;
    const std::size_t a = std::size_t(top - top_);
    const std::size_t b = std::size_t(bottom - top_ + 1) - (std::size_t(1) << level);
    const auto& l = maxLeft_[std::size_t(level)];
    const auto& r = minRight_[std::size_t(level)];
    return std::max(l[a], l[b]) <= left && std::min(r[a], r[b]) > right;
}
