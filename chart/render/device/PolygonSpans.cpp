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

    const std::int64_t width = surface.Width();
    std::array<std::int64_t, 4> cross{};
    for (int y = top; y < bottom; ++y) {
        std::size_t crossings = 0;
        for (std::size_t i = 0; i < count; ++i) {
            EdgeWalk& e = edges[i];
            if (!e.Crosses(y))
                continue;
            // Insertion in order: at most four crossings.
            const std::int64_t c = e.Column();
            std::size_t k = crossings++;
            for (; k > 0 && cross[k - 1] > c; --k)
                cross[k] = cross[k - 1];
            cross[k] = c;
            e.Step();
        }
        for (std::size_t i = 0; i + 1 < crossings; i += 2) {
            const std::int64_t x0 = std::max<std::int64_t>(cross[i], 0);
            const std::int64_t x1 = std::min<std::int64_t>(cross[i + 1], width);
            if (x0 < x1)
                surface.FillSpan(y, int(x0), int(x1), argb);
        }
    }
    return true;
}
