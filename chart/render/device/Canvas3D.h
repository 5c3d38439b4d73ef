#pragma once

#include "View3DOptions.h"
#include "device/ChartCanvas.h"

#include <QImage>

#include <array>
#include <span>
#include <string>

using TQuad = std::array<TPoint, 4>;

// The smallest rectangle holding the four corners, right and bottom one past them.
TRect QuadBounds(const TQuad& q);

// A canvas that also takes a depth z (0 at the front plane, growing toward the back) and
// projects (x, y, z) to the screen. The concrete projection and buffering are in TChartCanvas3D.
class TCanvas3D : public TChartCanvas {
public:
    const TView3DOptions* View3DOptions() const { return options_; }
    // The paint is 3D; off while flat drawing is active.
    bool Is3D() const { return is3D_; }

    // Panels, titles and legends are drawn flat; the calls nest.
    void BeginFlatDrawing() {
        if (flatCount_++ == 0) {
            savedIs3D_ = is3D_;
            is3D_ = false;
        }
    }
    void EndFlatDrawing() {
        if (flatCount_ > 0 && --flatCount_ == 0)
            is3D_ = savedIs3D_;
    }
    int FlatDrawingCount() const { return flatCount_; }

    // --- Paint frame ------------------------------------------------------------------------
    virtual TRect BeginDrawing(QImage& window, const TView3DOptions& options, bool is3D,
                               const TRect& r) = 0;
    virtual void EndDrawing(QImage& window, const TRect& r) = 0;
    virtual bool RepaintFromBuffer(QImage& window) = 0;
    virtual void SetupProjection(int depth, const TRect& plot) = 0;

    // --- Projection -------------------------------------------------------------------------
    virtual TPoint ProjectPoint(int x, int y, int z) const = 0;
    TPoint ProjectPoint(TPoint p, int z) const { return ProjectPoint(p.x, p.y, z); }
    TRect ProjectRect(const TRect& r, int z) const;
    TQuad ProjectRectQuad(const TRect& r, int z) const;
    TRect ProjectRectBounds(const TRect& r, int z) const;

    // --- 3D primitives ----------------------------------------------------------------------
    virtual void DrawBox(int left, int right, int top, int bottom, int z0, int z1,
                         bool darkSides) = 0;
    virtual void FillPlaneZ(const TRect& r, int z) = 0;
    virtual void FillPlaneX(int x, int y0, int y1, int z0, int z1) = 0;
    virtual void FillPlaneY(int x0, int y, int x1, int z0, int z1) = 0;
    virtual void FillDepthStrip(TPoint p0, TPoint p1, int z0, int z1) = 0;
    virtual void FillQuadAtDepths(TPoint q0, TPoint q1, TPoint q2, TPoint q3, int z0, int z1) = 0;
    virtual void PlaneAtDepth(const TQuad& corners, int z) = 0;
    virtual void PolygonAtDepth(std::span<const TPoint> points, int z) = 0;
    virtual void PolylineAtDepth(std::span<const TPoint> points, int z) = 0;
    virtual void HLineAtDepth(int x0, int x1, int y, int z) = 0;
    virtual void VLineAtDepth(int x, int y0, int y1, int z) = 0;
    virtual void DepthLine(int x, int y, int z0, int z1) = 0;
    virtual void LineAtDepth(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void MoveToAtDepth(int x, int y, int z) = 0;
    virtual void LineToAtDepth(int x, int y, int z) = 0;
    virtual void TextAtDepth(int x, int y, int z, const std::string& text) = 0;
    virtual void RotatedTextAtDepth(int x, int y, int z, const std::string& text,
                                    double degrees) = 0;
    virtual void SetPixelAtDepth(int x, int y, int z, TColor color) = 0;
    virtual TColor GetPixelAtDepth(int x, int y, int z) const = 0;
    virtual void ClipToBox(const TRect& r, int z0, int z1) = 0;

protected:
    const TView3DOptions* options_ = nullptr;
    bool is3D_ = false;
    bool savedIs3D_ = false;
    int flatCount_ = 0;
    // Centre of rotation for rotated views; stays at the origin.
    double rotationX_ = 0, rotationY_ = 0, rotationZ_ = 0;
};
