#include "device/LineWalk.h"

#include <algorithm>
#include <cstdlib>

TLineWalk::TLineWalk(int x0, int y0, int x1, int y1)
    : x0_(x0), y0_(y0), sx_(x1 < x0 ? -1 : 1), sy_(y1 < y0 ? -1 : 1) {
    const std::int64_t dx = std::llabs(std::int64_t(x1) - x0);
    const std::int64_t dy = std::llabs(std::int64_t(y1) - y0);
    xMajor_ = dx >= dy;
    major_ = std::max(dx, dy);
    minor_ = std::min(dx, dy);
    steps_ = major_;
}

TLineWalk::TStep TLineWalk::At(std::int64_t i) const {
    const std::int64_t k = MinorOffset(i);
    const std::int64_t err =
        std::int64_t(2 * minor_ - major_ + __int128(2) * minor_ * i - __int128(2) * major_ * k);
    if (xMajor_)
        return {int(x0_ + sx_ * i), int(y0_ + sy_ * k), err};
    return {int(x0_ + sx_ * k), int(y0_ + sy_ * i), err};
}

namespace {
// The steps i in [lo, hi) with start + sign * f(i) in [low, high] for a non-decreasing f, as
// one run [first, last).
template <class F>
TLineWalk::TRange RunWithin(std::int64_t lo, std::int64_t hi, std::int64_t start, int sign,
                            std::int64_t low, std::int64_t high, F f) {
    // start + sign * f in [low, high]  <=>  f in [fLow, fHigh]
    const std::int64_t fLow = sign > 0 ? low - start : start - high;
    const std::int64_t fHigh = sign > 0 ? high - start : start - low;
    const auto firstWhere = [&](auto pred) {
        std::int64_t a = lo, b = hi;
        while (a < b) {
            const std::int64_t m = a + (b - a) / 2;
            if (pred(f(m)))
                b = m;
            else
                a = m + 1;
        }
        return a;
    };
    const std::int64_t first = firstWhere([&](std::int64_t v) { return v >= fLow; });
    const std::int64_t last = firstWhere([&](std::int64_t v) { return v > fHigh; });
    return last > first ? TLineWalk::TRange{first, last} : TLineWalk::TRange{first, first};
}
} // namespace

TLineWalk::TRange TLineWalk::StepsInside(int left, int top, int right, int bottom) const {
    if (steps_ == 0 || left >= right || top >= bottom)
        return {};
    const int majorStart = xMajor_ ? x0_ : y0_;
    const int minorStart = xMajor_ ? y0_ : x0_;
    const int majorSign = xMajor_ ? sx_ : sy_;
    const int minorSign = xMajor_ ? sy_ : sx_;
    const std::int64_t majorLow = xMajor_ ? left : top;
    const std::int64_t majorHigh = std::int64_t(xMajor_ ? right : bottom) - 1;
    const std::int64_t minorLow = xMajor_ ? top : left;
    const std::int64_t minorHigh = std::int64_t(xMajor_ ? bottom : right) - 1;

    // The major coordinate moves one pixel a step: its run is known outright.
    const std::int64_t fromLow = majorSign > 0 ? majorLow - majorStart : majorStart - majorHigh;
    const std::int64_t toHigh = majorSign > 0 ? majorHigh - majorStart : majorStart - majorLow;
    const TRange byMajor{std::clamp<std::int64_t>(fromLow, 0, steps_),
                         std::clamp<std::int64_t>(toHigh + 1, 0, steps_)};
    if (byMajor.first >= byMajor.last)
        return {};
    return RunWithin(byMajor.first, byMajor.last, minorStart, minorSign, minorLow, minorHigh,
                     [this](std::int64_t i) { return MinorOffset(i); });
}
