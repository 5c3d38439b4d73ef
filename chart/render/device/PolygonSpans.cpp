#include "device/PolygonSpans.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Within this the fixed-point edge arithmetic below neither overflows nor needs the painter's
// own clipping of far-out outlines, so the two agree.
constexpr int CoordinateLimit = 1 << 13;

// One edge walked down the rows it crosses, in the painter's 16.16 fixed point and with its
// rounding, so that a pixel centre on or next to an edge falls on the same side: the crossing
// starts at the first row (never above the image) from a truncated slope, steps by that slope,
// and the first pixel right of the edge is the crossing plus a half, floored.
struct EdgeWalk {
    int top = 0;    // first row crossed
    int bottom = 0; // row after the last
    std::int64_t x = 0;
    std::int64_t slope = 0;

    EdgeWalk() = default;
    EdgeWalk(TPoint a, TPoint b) {
        if (a.y > b.y)
            std::swap(a, b);
        top = std::max(a.y, 0);
        bottom = b.y;
        constexpr std::int64_t One = 1 << 16;
        slope = std::int64_t(b.x - a.x) * One / (b.y - a.y);
        x = One / 2 + a.x * One + ((slope * (std::int64_t(top - a.y) * One + One / 2)) >> 16);
    }
    bool Crosses(int row) const { return row >= top && row < bottom; }
    std::int64_t Column() const { return x >> 16; }
    void Step() { x += slope; }
};

} // namespace

bool FillPolygonSpans(TRasterSurface& surface, std::span<const TPoint> points, std::uint32_t argb) {
    const std::size_t n = points.size();
    if (n < 3 || n > 4)
        return false;
    int top = points[0].y;
    int bottom = points[0].y;
    for (const TPoint& p : points) {
        if (std::abs(p.x) > CoordinateLimit || std::abs(p.y) > CoordinateLimit)
            return false;
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, surface.Height());
    if (top >= bottom)
        return true;

    std::array<EdgeWalk, 4> edges;
    std::size_t count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TPoint a = points[i];
        const TPoint b = points[(i + 1) % n];
        if (a.y != b.y && std::max(a.y, b.y) > top)
            edges[count++] = EdgeWalk(a, b);
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

    const std::int64_t width = surface.Width();
    const auto fill = [&](int row, std::int64_t left, std::int64_t right) {
        const std::int64_t x0 = std::max<std::int64_t>(left, 0);
        const std::int64_t x1 = std::min<std::int64_t>(right, width);
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
