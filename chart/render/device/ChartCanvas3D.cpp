#include "device/ChartCanvas3D.h"

#include "ColorOps.h"
#include "device/ConvexHull.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double DegToRad = 0.017453292519943295;

void CopyImage(QImage& to, int x, int y, const QImage& from) {
    if (to.isNull() || from.isNull())
        return;
    QPainter p(&to);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, from);
}
} // namespace

// --- Buffering --------------------------------------------------------------------------------

void TChartCanvas3D::SetBufferedDisplay(bool v) {
    if (bufferedDisplay_ == v)
        return;
    bufferedDisplay_ = v;
    if (!v) {
        if (Target() == &buffer_)
            SetTarget(nullptr);
        buffer_ = QImage();
        imageOutOfDate_ = true;
    }
}

TRect TChartCanvas3D::BeginDrawing(QImage& window, const TView3DOptions& options, bool is3D,
                                   const TRect& r) {
    SetBounds(r);
    options_ = &options;
    SetFontZoom(options.FontZoom());
    is3D_ = is3D;
    flatCount_ = 0;
    orthogonal_ = false;
    zoomFactor_ = 1;
    orthoX_ = 1;
    orthoY_ = 1;
    if (is3D) {
        orthogonal_ = options.Orthogonal();
        // Rotated views are not drawn rotated: they get the same oblique projection.
        int a = options.OrthoAngle();
        if (a > 90) {
            orthoX_ = -1;
            a = 180 - a;
        }
        const double c = std::cos(a * DegToRad);
        orthoY_ = c < 0.01 ? 1 : std::sin(a * DegToRad) / c;
        zoomFactor_ = options.Zoom() * 0.01;
        zoomText_ = options.ZoomText();
    }
    ResetClip();

    // Recorded on a device, the paint leaves the buffer and the window as they are.
    if (Metafiling()) {
        SetTarget(nullptr);
        return {0, 0, std::max(0, r.Width()), std::max(0, r.Height())};
    }
    if (!bufferedDisplay_) {
        SetTarget(&window);
        return r;
    }
    const int w = std::max(0, r.Width());
    const int h = std::max(0, r.Height());
    if (buffer_.width() != w || buffer_.height() != h) {
        SetTarget(nullptr);
        buffer_ = QImage(w, h, QImage::Format_RGB32);
        buffer_.fill(Qt::white);
    }
    SetTarget(&buffer_);
    return {0, 0, w, h};
}

void TChartCanvas3D::EndDrawing(QImage& window, const TRect& r) {
    ResetClip();
    SetTarget(nullptr);
    if (!bufferedDisplay_ || Metafiling())
        return;
    CopyImage(window, r.left, r.top, buffer_);
    imageOutOfDate_ = false;
}

bool TChartCanvas3D::RepaintFromBuffer(QImage& window) {
    if (imageOutOfDate_ || buffer_.isNull())
        return false;
    SetTarget(nullptr);
    CopyImage(window, 0, 0, buffer_);
    return true;
}

bool TChartCanvas3D::DrawOnBuffer() {
    if (buffer_.isNull()) {
        SetTarget(nullptr);
        return false;
    }
    SetTarget(&buffer_);
    return true;
}

// --- Projection -------------------------------------------------------------------------------

void TChartCanvas3D::SetupProjection(int depth, const TRect& plot) {
    xc_ = (plot.left + plot.right) / 2 + RoundToInt(rotationX_);
    yc_ = (plot.top + plot.bottom) / 2 + RoundToInt(rotationY_);
    zc_ = RoundToInt(depth * 0.5 + rotationZ_);
    xco_ = xc_ + (options_ ? options_->HorizOffset() : 0);
    yco_ = yc_ + (options_ ? options_->VertOffset() : 0);
}

TPoint TChartCanvas3D::ProjectPoint(int x, int y, int z) const {
    // Flat drawing leaves the oblique view projecting: it only switches 3D off.
    if (!orthogonal_ && !is3D_)
        return {x, y};
    return {RoundToInt((z * orthoX_ + (x - xc_)) * zoomFactor_) + xco_,
            RoundToInt(((y - yc_) - z * orthoY_) * zoomFactor_) + yco_};
}

bool TChartCanvas3D::ShiftsAtDepth(int z) const {
    if (!orthogonal_ && !is3D_)
        return true;
    if (zoomFactor_ != 1)
        return false;
    // Round(n + d) = n + Round(d) for every whole n unless d ends in a half, where rounding to
    // even goes one way or the other with n's parity; a margin keeps far points, whose sums
    // lose low bits, on the safe side.
    const auto wholeShift = [](double d) {
        const double f = d - std::floor(d);
        return std::abs(f - 0.5) > 1e-6;
    };
    return wholeShift(z * orthoX_) && wholeShift(z * orthoY_);
}

// --- 3D primitives ----------------------------------------------------------------------------

void TChartCanvas3D::DrawBox(int left, int right, int top, int bottom, int z0, int z1,
                             bool darkSides) {
    const auto P = [this](int x, int y, int z) { return ProjectPoint(x, y, z); };
    // Which way a face turns to the viewer, from three of its projected corners.
    const auto v = [](const TQuad& q) { return FaceTurn(q[3], q[2], q[1]); };
    const TColor base = BrushStyle() == bsSolid ? BrushColor() : BackColor();
    const bool clear = BrushStyle() == bsClear;

    const TQuad front{P(left, top, z0), P(right, top, z0), P(right, bottom, z0),
                      P(left, bottom, z0)};
    if (clear || v(front) > 0)
        DrawQuad(front);
    else
        DrawQuad({P(left, top, z1), P(right, top, z1), P(right, bottom, z1), P(left, bottom, z1)});

    const TQuad rightSide{P(right, top, z0), P(right, top, z1), P(right, bottom, z1),
                          P(right, bottom, z0)};
    if (clear || v(rightSide) > 0) {
        if (darkSides)
            DarkenBrush(base, SideDarkenAmount);
        DrawQuad(rightSide);
    }

    const TQuad leftSide{P(left, top, z0), P(left, top, z1), P(left, bottom, z1),
                         P(left, bottom, z0)};
    if (clear || FaceTurn(leftSide[3], leftSide[0], leftSide[1]) > 0) {
        if (darkSides)
            DarkenBrush(base, SideDarkenAmount);
        DrawQuad(leftSide);
    }

    const TPoint a = P(left, top, z0);
    const TPoint c = P(right, top, z0);
    const TPoint d = P(right, top, z1);
    if (clear || FaceTurn(a, c, d) > 0) {
        if (darkSides)
            DarkenBrush(base, DarkenAmount);
        DrawQuad({a, c, d, P(left, top, z1)});
    }

    const TQuad bottomSide{P(left, bottom, z0), P(left, bottom, z1), P(right, bottom, z1),
                           P(right, bottom, z0)};
    if (clear || v(bottomSide) < 0) {
        if (darkSides)
            DarkenBrush(base, DarkenAmount);
        DrawQuad(bottomSide);
    }
}

void TChartCanvas3D::FillPlaneZ(const TRect& r, int z) {
    DrawQuad(ProjectRectQuad(r, z));
}

void TChartCanvas3D::FillPlaneX(int x, int y0, int y1, int z0, int z1) {
    DrawQuad({ProjectPoint(x, y0, z0), ProjectPoint(x, y0, z1), ProjectPoint(x, y1, z1),
              ProjectPoint(x, y1, z0)});
}

void TChartCanvas3D::FillPlaneY(int x0, int y, int x1, int z0, int z1) {
    DrawQuad({ProjectPoint(x0, y, z0), ProjectPoint(x1, y, z0), ProjectPoint(x1, y, z1),
              ProjectPoint(x0, y, z1)});
}

void TChartCanvas3D::FillDepthStrip(TPoint p0, TPoint p1, int z0, int z1) {
    DrawQuad(
        {ProjectPoint(p0, z0), ProjectPoint(p1, z0), ProjectPoint(p1, z1), ProjectPoint(p0, z1)});
}

void TChartCanvas3D::FillQuadAtDepths(TPoint q0, TPoint q1, TPoint q2, TPoint q3, int z0, int z1) {
    DrawQuad(
        {ProjectPoint(q0, z0), ProjectPoint(q1, z0), ProjectPoint(q2, z1), ProjectPoint(q3, z1)});
}

void TChartCanvas3D::PlaneAtDepth(const TQuad& corners, int z) {
    DrawQuad({ProjectPoint(corners[0], z), ProjectPoint(corners[1], z), ProjectPoint(corners[2], z),
              ProjectPoint(corners[3], z)});
}

void TChartCanvas3D::PolygonAtDepth(std::span<const TPoint> points, int z) {
    std::vector<TPoint> projected;
    projected.reserve(points.size());
    for (const TPoint& p : points)
        projected.push_back(ProjectPoint(p, z));
    Polygon(projected);
}

void TChartCanvas3D::PolylineAtDepth(std::span<const TPoint> points, int z) {
    std::vector<TPoint> projected;
    projected.reserve(points.size());
    for (const TPoint& p : points)
        projected.push_back(ProjectPoint(p, z));
    Polyline(projected);
}

void TChartCanvas3D::HLineAtDepth(int x0, int x1, int y, int z) {
    LineAtDepth(x0, y, x1, y, z);
}

void TChartCanvas3D::VLineAtDepth(int x, int y0, int y1, int z) {
    LineAtDepth(x, y0, x, y1, z);
}

void TChartCanvas3D::DepthLine(int x, int y, int z0, int z1) {
    const TPoint a = ProjectPoint(x, y, z0);
    const TPoint b = ProjectPoint(x, y, z1);
    Line(a.x, a.y, b.x, b.y);
}

void TChartCanvas3D::LineAtDepth(int x0, int y0, int x1, int y1, int z) {
    const TPoint a = ProjectPoint(x0, y0, z);
    const TPoint b = ProjectPoint(x1, y1, z);
    Line(a.x, a.y, b.x, b.y);
}

void TChartCanvas3D::MoveToAtDepth(int x, int y, int z) {
    const TPoint p = ProjectPoint(x, y, z);
    MoveTo(p.x, p.y);
}

void TChartCanvas3D::LineToAtDepth(int x, int y, int z) {
    const TPoint p = ProjectPoint(x, y, z);
    LineTo(p.x, p.y);
}

int TChartCanvas3D::ZoomedFontSize() const {
    if (!zoomText_ || zoomFactor_ == 1)
        return 0;
    const int zoomed = std::max(1, RoundToInt(FontSize() * zoomFactor_));
    return zoomed != FontSize() ? zoomed : 0;
}

void TChartCanvas3D::TextAtDepth(int x, int y, int z, const std::string& text) {
    const TPoint p = ProjectPoint(x, y, z);
    DrawText(p.x, p.y, text, 0, ZoomedFontSize());
}

void TChartCanvas3D::RotatedTextAtDepth(int x, int y, int z, const std::string& text,
                                        double degrees) {
    while (degrees > 360)
        degrees -= 360;
    SetBrushStyle(bsClear);
    const TPoint p = ProjectPoint(x, y, z);
    // The device turns text in whole tenths of a degree.
    DrawText(p.x, p.y, text, RoundToInt(degrees * 10) / 10.0, ZoomedFontSize());
}

void TChartCanvas3D::SetPixelAtDepth(int x, int y, int z, TColor color) {
    const TPoint p = ProjectPoint(x, y, z);
    SetPixel(p.x, p.y, color);
}

TColor TChartCanvas3D::GetPixelAtDepth(int x, int y, int z) const {
    const TPoint p = ProjectPoint(x, y, z);
    return GetPixel(p.x, p.y);
}

void TChartCanvas3D::ClipToBox(const TRect& r, int z0, int z1) {
    if (!orthogonal_ && !is3D_) {
        ClipToRect({r.left + 1, r.top + 1, r.right, r.bottom - 1});
        return;
    }
    std::vector<TPoint> corners;
    corners.reserve(8);
    for (const int z : {z0, z1})
        for (const TPoint& p : ProjectRectQuad(r, z))
            corners.push_back(p);
    const std::vector<TPoint> hull = ConvexHull(std::move(corners));
    ClipToPolygon(hull);
}
