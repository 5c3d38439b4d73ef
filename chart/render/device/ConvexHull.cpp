#include "device/ConvexHull.h"

#include <algorithm>

namespace {
long long Cross(const TPoint& o, const TPoint& a, const TPoint& b) {
    return static_cast<long long>(a.x - o.x) * (b.y - o.y) -
           static_cast<long long>(a.y - o.y) * (b.x - o.x);
}
} // namespace

// Andrew's monotone chain.
std::vector<TPoint> ConvexHull(std::vector<TPoint> points) {
    std::sort(points.begin(), points.end(),
              [](const TPoint& a, const TPoint& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return points;
    std::vector<TPoint> hull(2 * points.size());
    std::size_t k = 0;
    for (const TPoint& p : points) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    const std::size_t lower = k + 1;
    for (std::size_t i = points.size() - 1; i-- > 0;) {
        while (k >= lower && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}
