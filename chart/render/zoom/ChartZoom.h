#pragma once

#include "ChartBrush.h"
#include "ChartPen.h"
#include "frame/ChartPanelEvents.h"

#include <memory>
#include <utility>

// Which ways the right button may scroll a chart.
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// Which ways a zoom rectangle may zoom; one-way zooms span the whole plotting rectangle the
// other way.
enum TZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };

// One mouse drag in progress: where it began and where the mouse is now, in chart pixels.
class TZoomPanning {
public:
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;

    // Starts a drag at (x, y).
    void Activate(int x, int y) {
        X0 = X1 = x;
        Y0 = Y1 = y;
        active_ = true;
    }
    // Swaps the ends so that X0 <= X1 and Y0 <= Y1.
    void Normalize() {
        if (X1 < X0)
            std::swap(X0, X1);
        if (Y1 < Y0)
            std::swap(Y0, Y1);
    }

private:
    bool active_ = false;
};

// Outline of the zoom rectangle: white, one pixel.
class TChartZoomPen : public TChartPen {
public:
    TChartZoomPen() : TChartPen(clWhite) {}
};

// Fill of the zoom rectangle: white, but clear, so nothing is filled until the style is set.
class TChartZoomBrush : public TChartBrush {
public:
    TChartZoomBrush() : TChartBrush(clWhite, bsClear) {}
};

// The chart's mouse zoom: its settings and the zoom drag in progress. Changing a setting
// repaints nothing: the settings only take effect at the next drag.
class TChartZoom : public TZoomPanning {
public:
    bool Allow() const { return allow_; }
    void SetAllow(bool v) { allow_ = v; }
    TMouseButton MouseButton() const { return mouseButton_; }
    void SetMouseButton(TMouseButton v) { mouseButton_ = v; }
    // Modifier keys that must all be held to start a zoom.
    TShiftState KeyShift() const { return keyShift_; }
    void SetKeyShift(TShiftState v) { keyShift_ = v; }
    // A drag must be wider and taller than this to zoom or undo.
    int MinimumPixels() const { return minimumPixels_; }
    void SetMinimumPixels(int v) { minimumPixels_ = v; }
    TZoomDirection Direction() const { return direction_; }
    void SetDirection(TZoomDirection v) { direction_ = v; }
    // A leftward drag zooms as well, instead of undoing.
    bool UpLeftZooms() const { return upLeftZooms_; }
    void SetUpLeftZooms(bool v) { upLeftZooms_ = v; }
    // Kept for the settings; the axes always take the new range at once.
    bool Animated() const { return animated_; }
    void SetAnimated(bool v) { animated_ = v; }
    int AnimatedSteps() const { return animatedSteps_; }
    void SetAnimatedSteps(int v) { animatedSteps_ = v; }

    // Made when first asked for.
    TChartZoomPen& Pen() {
        if (!pen_)
            pen_ = std::make_unique<TChartZoomPen>();
        return *pen_;
    }
    // The rectangle is filled only once the brush exists (and has a style other than clear).
    TChartZoomBrush& Brush() {
        if (!brush_)
            brush_ = std::make_unique<TChartZoomBrush>();
        return *brush_;
    }
    const TChartZoomBrush* BrushIfAny() const { return brush_.get(); }

private:
    bool allow_ = true;
    TMouseButton mouseButton_ = mbLeft;
    TShiftState keyShift_ = 0;
    int minimumPixels_ = 16;
    TZoomDirection direction_ = tzdBoth;
    bool upLeftZooms_ = false;
    bool animated_ = false;
    int animatedSteps_ = 8;
    std::unique_ptr<TChartZoomPen> pen_;
    std::unique_ptr<TChartZoomBrush> brush_;
};
