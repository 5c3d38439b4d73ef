#pragma once

#include "ChangeNotifier.h"
#include <cmath>
#include <functional>

// How a chart is seen in 3D. Any change tells the owner, which repaints; moving the offsets also
// tells the owner that the view scrolled.
class TView3DOptions : public TChangeNotifier {
public:
    bool Orthogonal() const { return orthogonal_; }
    int OrthoAngle() const { return orthoAngle_; }
    int Elevation() const { return elevation_; }
    int Rotation() const { return rotation_; }
    int Tilt() const { return tilt_; }
    int Perspective() const { return perspective_; }
    int Zoom() const { return zoom_; }
    bool ZoomText() const { return zoomText_; }
    int FontZoom() const { return fontZoom_; }
    int HorizOffset() const { return horizOffset_; }
    int VertOffset() const { return vertOffset_; }

    void SetOrthogonal(bool v) { Set(orthogonal_, v); }
    void SetOrthoAngle(int v) { Set(orthoAngle_, v); }
    void SetElevation(int v) { Set(elevation_, v); }
    void SetRotation(int v) { Set(rotation_, v); }
    void SetTilt(int v) { Set(tilt_, v); }
    void SetPerspective(int v) { Set(perspective_, v); }
    void SetZoom(int v) { Set(zoom_, v); }
    void SetZoomText(bool v) { Set(zoomText_, v); }
    void SetFontZoom(int v) { Set(fontZoom_, v); }
    void SetHorizOffset(int v) { SetOffset(horizOffset_, v); }
    void SetVertOffset(int v) { SetOffset(vertOffset_, v); }

    // Screen slope of the depth direction: tan of the ortho angle (folded above 90 degrees),
    // 1 when the view is not orthogonal.
    double OrthoFactor() const {
        if (!orthogonal_)
            return 1;
        const int a = orthoAngle_ > 90 ? 180 - orthoAngle_ : orthoAngle_;
        const double rad = a * 0.017453292519943295;
        return std::sin(rad) / std::cos(rad);
    }

    std::function<void()> OnScroll;

private:
    void SetOffset(int& field, int value) {
        if (Set(field, value) && OnScroll)
            OnScroll();
    }

    bool orthogonal_ = true;
    int orthoAngle_ = 45;
    int elevation_ = 345;
    int rotation_ = 345;
    int tilt_ = 0;
    int perspective_ = 15;
    int zoom_ = 100;
    bool zoomText_ = true;
    int fontZoom_ = 100;
    int horizOffset_ = 0;
    int vertOffset_ = 0;
};
