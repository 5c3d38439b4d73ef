#pragma once

#include <cmath>

// Chart pixel coordinates: x to the right, y downward.
struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle whose right and bottom edges lie just outside it: it covers columns
// left..right-1 and rows top..bottom-1.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The same rectangle with left <= right and top <= bottom.
inline TRect OrderedRect(TRect r) {
    if (r.left > r.right) {
        const int t = r.left;
        r.left = r.right;
        r.right = t;
    }
    if (r.top > r.bottom) {
        const int t = r.top;
        r.top = r.bottom;
        r.bottom = t;
    }
    return r;
}

// Which way the screen path a -> corner -> b turns at corner: the cross product of a - corner and
// b - corner, zero when the three points lie on one line. For the projected corners of a face
// taken in a fixed order its sign tells whether the face turns toward the viewer.
inline long long FaceTurn(const TPoint& a, const TPoint& corner, const TPoint& b) {
    return static_cast<long long>(a.x - corner.x) * (b.y - corner.y) -
           static_cast<long long>(b.x - corner.x) * (a.y - corner.y);
}

// Rounds to the nearest integer, an exact half to the even neighbour: the chart engine's rounding.
inline int RoundToInt(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// a * b / c rounded half away from zero (the way font heights are derived from point sizes).
inline int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}
