#include "device/Canvas3D.h"

#include <algorithm>

TRect TCanvas3D::ProjectRect(const TRect& r, int z) const {
    const TPoint a = ProjectPoint(r.left, r.top, z);
    const TPoint b = ProjectPoint(r.right, r.bottom, z);
    return {a.x, a.y, b.x, b.y};
}

TQuad TCanvas3D::ProjectRectQuad(const TRect& r, int z) const {
    return {ProjectPoint(r.left, r.top, z), ProjectPoint(r.right, r.top, z),
            ProjectPoint(r.right, r.bottom, z), ProjectPoint(r.left, r.bottom, z)};
}

TRect QuadBounds(const TQuad& q) {
    TRect b{q[0].x, q[0].y, q[0].x, q[0].y};
    for (const TPoint& p : q) {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x);
        b.bottom = std::max(b.bottom, p.y);
    }
    b.right += 1;
    b.bottom += 1;
    return b;
}

TRect TCanvas3D::ProjectRectBounds(const TRect& r, int z) const {
    return QuadBounds(ProjectRectQuad(r, z));
}
