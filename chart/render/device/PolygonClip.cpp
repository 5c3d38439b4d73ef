#include "device/PolygonClip.h"

#include <cmath>
#include <cstdint>

namespace {

// One side of the box: a point is kept when inside(p) holds; crossing(a, b) is where the edge
// from a (inside) to b (outside), or the other way, meets the side.
template <class Inside, class Crossing>
std::vector<TPoint> ClipToSide(const std::vector<TPoint>& in, Inside inside, Crossing crossing) {
    std::vector<TPoint> out;
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TPoint& a = in[i];
        const TPoint& b = in[(i + 1) % n];
        const bool aIn = inside(a);
        const bool bIn = inside(b);
        if (aIn)
            out.push_back(a);
        if (aIn != bIn)
            out.push_back(crossing(a, b));
    }
    return out;
}

int Nearest(double v) {
    return int(std::floor(v + 0.5));
}

// The point of the edge a-b at x (upright side) or at y (level side).
TPoint AtX(TPoint a, TPoint b, int x) {
    const double t = (double(x) - a.x) / (double(b.x) - a.x);
    return {x, Nearest(a.y + t * (double(b.y) - a.y))};
}
TPoint AtY(TPoint a, TPoint b, int y) {
    const double t = (double(y) - a.y) / (double(b.y) - a.y);
    return {Nearest(a.x + t * (double(b.x) - a.x)), y};
}

} // namespace

std::vector<TPoint> ClipPolygonToBox(std::span<const TPoint> points, int left, int top, int right,
                                     int bottom) {
    std::vector<TPoint> p(points.begin(), points.end());
    p = ClipToSide(
        p, [&](TPoint q) { return q.x >= left; },
        [&](TPoint a, TPoint b) { return AtX(a, b, left); });
    p = ClipToSide(
        p, [&](TPoint q) { return q.x <= right; },
        [&](TPoint a, TPoint b) { return AtX(a, b, right); });
    p = ClipToSide(
        p, [&](TPoint q) { return q.y >= top; },
        [&](TPoint a, TPoint b) { return AtY(a, b, top); });
    p = ClipToSide(
        p, [&](TPoint q) { return q.y <= bottom; },
        [&](TPoint a, TPoint b) { return AtY(a, b, bottom); });
    return p;
}
