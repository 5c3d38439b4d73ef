#include "device/ConvexHull.h"

#include <algorithm>

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
        while (k >= 2 && FaceTurn(hull[k - 1], hull[k - 2], p) <= 0)
            --k;
        hull[k++] = p;
    }
    const std::size_t lower = k + 1;
    for (std::size_t i = points.size() - 1; i-- > 0;) {
        while (k >= lower && FaceTurn(hull[k - 1], hull[k - 2], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}
