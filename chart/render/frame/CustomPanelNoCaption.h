#pragma once

#include "CustomChartBase.h"

// A panel that never paints a caption: the size of the window a chart shows in. The window
// system (or a test) sets the size; a new size asks for a repaint at that size.
class TCustomPanelNoCaption : public TCustomChartBase {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int v) { SetSize(v, height_); }
    void SetHeight(int v) { SetSize(width_, v); }
    void SetSize(int width, int height) {
        if (width == width_ && height == height_)
            return;
        width_ = width;
        height_ = height;
        Invalidate();
    }

private:
    int width_ = 400;
    int height_ = 250;
};
