#pragma once

#include "device/ChartCanvas3D.h"

#include <gtest/gtest.h>

#include <QImage>

// A chart canvas painting into a white 200 x 150 window image, buffered, 2D unless a test
// starts a 3D paint. Pixels are read back from the buffer.
class CanvasFixture : public ::testing::Test {
protected:
    static constexpr int W = 200;
    static constexpr int H = 150;

    CanvasFixture() : window(W, H, QImage::Format_RGB32) { window.fill(Qt::white); }

    void Begin2D() { Begin(false); }
    // The default 3D view around a plot rectangle centred at (100, 75) with depth 20.
    void Begin3D() {
        Begin(true);
        canvas.SetupProjection(20, {50, 25, 150, 125});
    }
    void Begin(bool is3D) {
        canvas.BeginDrawing(window, options, is3D, {0, 0, W, H});
        canvas.SetBrushColor(clWhite);
        canvas.FillRect({0, 0, W, H});
        canvas.ResetCanvas();
    }

    TColor Px(int x, int y) const { return canvas.GetPixel(x, y); }
    // How many pixels of the buffer have colour c inside r.
    int Count(const TRect& r, TColor c) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += Px(x, y) == c;
        return n;
    }

    QImage window;
    TView3DOptions options;
    TChartCanvas3D canvas;
};
