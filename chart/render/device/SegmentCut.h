#pragma once

#include <QPointF>
#include <QRectF>

#include <algorithm>

// The part [t0, t1] of a + t (b - a) inside r (Liang-Barsky); false when none is. A segment
// that only touches r keeps t0 == t1.
inline bool CutSegmentToRect(QPointF a, QPointF b, const QRectF& r, double& t0, double& t1) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    t0 = 0;
    t1 = 1;
    const auto keep = [&](double q, double s) {
        // The segment keeps q * t <= s.
        if (q == 0)
            return s >= 0;
        const double t = s / q;
        if (q < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    return keep(-dx, a.x() - r.left()) && keep(dx, r.right() - a.x()) &&
           keep(-dy, a.y() - r.top()) && keep(dy, r.bottom() - a.y());
}
