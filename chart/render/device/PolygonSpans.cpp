#include "device/PolygonSpans.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Edges whose ends both lie within this are walked as the painter walks them, in 16.16 fixed
// point, so that the two agree pixel for pixel; the arithmetic cannot overflow here.
constexpr int CoordinateLimit = 1 << 13;

// n / d rounded down, for d > 0; in 64 bits when n fits, as it does for all but corners
// beyond a billion pixels.
std::int64_t FloorDiv(__int128 n, std::int64_t d) {
    constexpr __int128 Reach = __int128(1) << 62;
    if (n > -Reach && n < Reach) {
        const std::int64_t m = std::int64_t(n);
        const std::int64_t q = m / d;
        return q - (m % d < 0 ? 1 : 0);
    }
    const __int128 q = n / d;
    return std::int64_t(q - (n % d < 0 ? 1 : 0));
}

// One edge walked down the rows it crosses, one addition a row.
//
// Near the image the walk is the painter's: 16.16 fixed point, the crossing started at the
// first row from a truncated slope, the pixel the crossing plus a half, floored, so that a
// pixel centre on or next to an edge falls on the same side. A truncated slope started from a
// corner millions of pixels away would drift by many pixels, and the painter itself clips such
// outlines first; there the crossing is exact instead: the column is floor(x + 1/2) for the
// edge's x at the row's centre, kept as a whole part and a remainder over twice the edge's
// height. Either way only the rows from `first` on are walked, so a corner far outside costs
// nothing.
struct EdgeWalk {
    int top = 0;    // first row walked
    int bottom = 0; // row after the last
    bool exact = false;
    std::int64_t x = 0;     // 16.16, or the whole column when exact
    std::int64_t slope = 0; // 16.16, or whole columns a row when exact
    std::int64_t rest = 0;
    std::int64_t denominator = 1;
    std::int64_t stepRest = 0;

    EdgeWalk() = default;
    EdgeWalk(TPoint a, TPoint b, int first) {
        if (a.y > b.y)
            std::swap(a, b);
        top = std::max(a.y, first);
        bottom = b.y;
        const std::int64_t dx = std::int64_t(b.x) - a.x;
        const std::int64_t dy = std::int64_t(b.y) - a.y;
        const std::int64_t rows = std::int64_t(top) - a.y;
        if (std::abs(a.x) <= CoordinateLimit && std::abs(a.y) <= CoordinateLimit &&
            std::abs(b.x) <= CoordinateLimit && std::abs(b.y) <= CoordinateLimit) {
            constexpr std::int64_t One = 1 << 16;
            slope = dx * One / dy;
            x = One / 2 + a.x * One + ((slope * (rows * One + One / 2)) >> 16);
            return;
        }
        exact = true;
        denominator = 2 * dy;
        const __int128 n = __int128(2) * a.x * dy + __int128(dx) * (2 * rows + 1) + dy;
        x = FloorDiv(n, denominator);
        rest = std::int64_t(n - __int128(x) * denominator);
        slope = FloorDiv(2 * dx, denominator);
        stepRest = 2 * dx - slope * denominator;
    }
    bool Crosses(int row) const { return row >= top && row < bottom; }
    std::int64_t Column() const { return exact ? x : x >> 16; }
    void Step() {
        x += slope;
        if (exact) {
            rest += stepRest;
            if (rest >= denominator) {
                rest -= denominator;
                ++x;
            }
        }
    }
};

} // namespace

bool FillPolygonSpans(TRasterSurface& surface, std::span<const TPoint> points, std::uint32_t argb) {
    const std::size_t n = points.size();
    if (n < 3 || n > 4)
        return false;
    int top = points[0].y;
    int bottom = points[0].y;
    for (const TPoint& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    // Nothing outside the writable box is ever set: only its rows are walked.
    const TRasterSurface::TBox& box = surface.WritableBox();
    top = std::max(top, box.top);
    bottom = std::min(bottom, box.bottom);
    if (top >= bottom)
        return true;

    std::array<EdgeWalk, 4> edges;
    std::size_t count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TPoint a = points[i];
        const TPoint b = points[(i + 1) % n];
        if (a.y != b.y && std::max(a.y, b.y) > top)
            edges[count++] = EdgeWalk(a, b, top);
    }

    // Between two rows where an edge starts or ends the same edges cross every row. Two of them,
    // as for every convex shape, make one span a row; more are sorted row by row.
    std::array<int, 9> events{};
    std::size_t eventCount = 0;
    events[eventCount++] = bottom;
    for (std::size_t i = 0; i < count; ++i) {
        events[eventCount++] = std::clamp(edges[i].top, top, bottom);
        events[eventCount++] = std::clamp(edges[i].bottom, top, bottom);
    }
    std::sort(events.begin(), events.begin() + std::ptrdiff_t(eventCount));

    const auto fill = [&](int row, std::int64_t left, std::int64_t right) {
        const std::int64_t x0 = std::max<std::int64_t>(left, box.left);
        const std::int64_t x1 = std::min<std::int64_t>(right, box.right);
        if (x0 < x1)
            surface.FillSpan(row, int(x0), int(x1), argb);
    };
    int y = top;
    for (std::size_t e = 0; e < eventCount; ++e) {
        const int bandEnd = events[e];
        if (bandEnd <= y)
            continue;
        std::array<EdgeWalk*, 4> active{};
        std::size_t activeCount = 0;
        for (std::size_t i = 0; i < count; ++i)
            if (edges[i].Crosses(y))
                active[activeCount++] = &edges[i];
        if (activeCount == 2) {
            EdgeWalk& a = *active[0];
            EdgeWalk& b = *active[1];
            for (; y < bandEnd; ++y) {
                const std::int64_t ca = a.Column();
                const std::int64_t cb = b.Column();
                fill(y, std::min(ca, cb), std::max(ca, cb));
                a.Step();
                b.Step();
            }
            continue;
        }
        for (; y < bandEnd; ++y) {
            std::array<std::int64_t, 4> cross{};
            for (std::size_t i = 0; i < activeCount; ++i) {
                // Insertion in order: at most four crossings.
                const std::int64_t c = active[i]->Column();
                std::size_t k = i;
                for (; k > 0 && cross[k - 1] > c; --k)
                    cross[k] = cross[k - 1];
                cross[k] = c;
                active[i]->Step();
            }
            for (std::size_t i = 0; i + 1 < activeCount; i += 2)
                fill(y, cross[i], cross[i + 1]);
        }
    }
    return true;
}
