#pragma once

#include "device/Canvas3D.h"

#include <QImage>

// The canvas a chart panel owns: draws into an off-screen image kept from paint to paint and
// copies it to the window at the end, and projects 3D points in the oblique (orthogonal) view.
// Rotated views are drawn with the oblique projection as well.
class TChartCanvas3D : public TCanvas3D {
public:
    TChartCanvas3D() = default;
    // The painter must let go of the buffer before the buffer goes.
    ~TChartCanvas3D() override { SetTarget(nullptr); }

    // --- Buffering --------------------------------------------------------------------------
    bool BufferedDisplay() const { return bufferedDisplay_; }
    // Switching buffering off frees the image and marks it out of date.
    void SetBufferedDisplay(bool v);
    bool ImageOutOfDate() const { return imageOutOfDate_; }
    void InvalidateImage() { imageOutOfDate_ = true; }
    // The off-screen image (null before the first buffered paint).
    const QImage& Buffer() const { return buffer_; }

    // Starts a paint into the buffer sized to r (answers (0, 0, width, height)), or straight
    // into the window when not buffered (answers r).
    TRect BeginDrawing(QImage& window, const TView3DOptions& options, bool is3D,
                       const TRect& r) override;
    // Copies the buffer to the window with its top-left corner at r's and marks the image
    // up to date. Drawing afterwards needs a new BeginDrawing or an explicit SetTarget.
    void EndDrawing(QImage& window, const TRect& r) override;
    // Copies an up-to-date buffer to the window at (0, 0); false when a redraw is needed.
    bool RepaintFromBuffer(QImage& window) override;
    // Draws onto the image of the last paint from now on, to mark it between paints; false
    // (drawing nowhere) when there is no image. SetTarget(nullptr) ends it.
    bool DrawOnBuffer();
    void SetupProjection(int depth, const TRect& plot) override;

    // --- Projection state -------------------------------------------------------------------
    bool IsOrthogonal() const { return orthogonal_; }
    double ZoomFactor() const { return zoomFactor_; }
    bool ZoomText() const { return zoomText_; }
    double OrthoX() const { return orthoX_; }
    double OrthoY() const { return orthoY_; }
    TPoint ProjectionCenter() const { return {xc_, yc_}; }

    TPoint ProjectPoint(int x, int y, int z) const override;
    using TCanvas3D::ProjectPoint;
    // Whether ProjectPoint(x, y, z) is (x, y) plus one offset for every x and y.
    bool ShiftsAtDepth(int z) const;

    // --- 3D primitives ----------------------------------------------------------------------
    void DrawBox(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) override;
    void FillPlaneZ(const TRect& r, int z) override;
    void FillPlaneX(int x, int y0, int y1, int z0, int z1) override;
    void FillPlaneY(int x0, int y, int x1, int z0, int z1) override;
    void FillDepthStrip(TPoint p0, TPoint p1, int z0, int z1) override;
    void FillQuadAtDepths(TPoint q0, TPoint q1, TPoint q2, TPoint q3, int z0, int z1) override;
    void PlaneAtDepth(const TQuad& corners, int z) override;
    void PolygonAtDepth(std::span<const TPoint> points, int z) override;
    void PolylineAtDepth(std::span<const TPoint> points, int z) override;
    void HLineAtDepth(int x0, int x1, int y, int z) override;
    void VLineAtDepth(int x, int y0, int y1, int z) override;
    void DepthLine(int x, int y, int z0, int z1) override;
    void LineAtDepth(int x0, int y0, int x1, int y1, int z) override;
    void MoveToAtDepth(int x, int y, int z) override;
    void LineToAtDepth(int x, int y, int z) override;
    void TextAtDepth(int x, int y, int z, const std::string& text) override;
    void RotatedTextAtDepth(int x, int y, int z, const std::string& text, double degrees) override;
    void SetPixelAtDepth(int x, int y, int z, TColor color) override;
    TColor GetPixelAtDepth(int x, int y, int z) const override;
    // In 3D the clip is the outline of the projected box; in 2D the rectangle one pixel in at
    // the left and top (so series never cover the wall outline there).
    void ClipToBox(const TRect& r, int z0, int z1) override;

private:
    void DrawQuad(const TQuad& q) { Polygon(q); }
    // Point size for texts under the 3D zoom, or 0 when the font's own size applies.
    int ZoomedFontSize() const;

    bool bufferedDisplay_ = true;
    bool imageOutOfDate_ = true;
    QImage buffer_;

    bool orthogonal_ = false;
    double zoomFactor_ = 1;
    bool zoomText_ = true;
    double orthoX_ = 1;
    double orthoY_ = 1;
    int xc_ = 0, yc_ = 0, zc_ = 0;
    int xco_ = 0, yco_ = 0;
};
