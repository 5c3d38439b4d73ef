// Colour bands: the two-colour gradient fill the gradient drawing is built on.

#include "device/ChartCanvas.h"

#include "ColorOps.h"
#include "device/CanvasDevice.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

struct Rgb {
    int r = 0, g = 0, b = 0;
};
// extent × k ÷ n, truncated, without overflow for rectangles millions of pixels across.
int Share(int extent, int k, int n) {
    return int(std::int64_t(extent) * k / n);
}

Rgb ToRgb(TColor c) {
    return {RedOf(c), GreenOf(c), BlueOf(c)};
}

// Colour of band k of n: linear at balance 50, otherwise bent toward one end.
class BandColors {
public:
    BandColors(TColor c1, TColor c2, int balance) : base_(ToRgb(c1)), balance_(balance) {
        const Rgb end = ToRgb(c2);
        delta_ = {end.r - base_.r, end.g - base_.g, end.b - base_.b};
    }
    TColor At(int k, int n) const {
        if (balance_ == 50) {
            const int d = n - 1;
            return RGBColor(base_.r + delta_.r * k / d, base_.g + delta_.g * k / d,
                            base_.b + delta_.b * k / d);
        }
        const double f = std::pow(double(k + 1) / n, 0.015 * balance_ + 0.5);
        return RGBColor(base_.r + RoundToInt(delta_.r * f), base_.g + RoundToInt(delta_.g * f),
                        base_.b + RoundToInt(delta_.b * f));
    }

private:
    Rgb base_;
    Rgb delta_;
    int balance_;
};

} // namespace

// The part of r that can be written: a band far larger than the image costs only its rows on
// the image.
TRect TChartCanvas::WritablePart(const TRect& r) const {
    const TRasterSurface::TBox& box = surface_.WritableBox();
    return {std::max(r.left, box.left), std::max(r.top, box.top), std::min(r.right, box.right),
            std::min(r.bottom, box.bottom)};
}

void TChartCanvas::FillSolidRect(const TRect& rect, TColor color) {
    if (device_) {
        const TRect r = OrderedRect(rect);
        if (!r.IsEmpty()) {
            QPainterPath area;
            area.addRect(QRectF(r.left, r.top, r.Width(), r.Height()));
            DeviceFill(area, color);
        }
        return;
    }
    const TRect r = WritablePart(OrderedRect(rect));
    if (r.IsEmpty() || !surface_.HasTarget())
        return;
    surface_.Painter();
    const std::uint32_t argb = ToArgb(color);
    for (int y = r.top; y < r.bottom; ++y)
        surface_.FillSpan(y, r.left, r.right, argb);
}

// Vertical directions stack the bands from the bottom edge up, horizontal ones from the right
// edge leftward, so the first colour lands on the bottom (or right) edge. At most 256 bands.
void TChartCanvas::GradientBands(TRect rect, TColor color1, TColor color2,
                                 TGradientDirection direction, int balance) {
    const TRect r = OrderedRect(rect);
    switch (direction) {
    case gdBottomTop:
    case gdRightLeft:
    case gdFromCenter:
    case gdFromTopLeft:
    case gdFromBottomLeft:
        std::swap(color1, color2);
        break;
    default:
        break;
    }
    const BandColors colors(Resolve(color1), Resolve(color2), balance);

    // On a device the bands along a line become one smooth gradient through the same colours.
    if (device_ && !r.IsEmpty()) {
        const double w = r.Width();
        const double h = r.Height();
        QLinearGradient g;
        int n = 0;
        switch (direction) {
        case gdTopBottom:
        case gdBottomTop:
            g = QLinearGradient(r.left, r.bottom, r.left, r.top);
            n = std::min(r.Height(), 256);
            break;
        case gdLeftRight:
        case gdRightLeft:
            g = QLinearGradient(r.right, r.top, r.left, r.top);
            n = std::min(r.Width(), 256);
            break;
        case gdDiagonalUp:
            g = QLinearGradient(r.left, r.bottom, r.left + (w + h) / 2, r.bottom - (w + h) / 2);
            n = std::min(r.Width() + r.Height() - 1, 255);
            break;
        case gdDiagonalDown:
            g = QLinearGradient(r.left, r.top, r.left + (w + h) / 2, r.top + (w + h) / 2);
            n = std::min(r.Width() + r.Height() - 1, 255);
            break;
        default:
            break;
        }
        if (n >= 2) {
            // Enough stops to follow a balance that bends the colours toward one end.
            constexpr int Stops = 16;
            for (int i = 0; i <= Stops; ++i) {
                const TColor c = colors.At((n - 1) * i / Stops, n);
                g.setColorAt(double(i) / Stops, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
            }
            device_->FillGradient(QRectF(r.left, r.top, w, h), g);
            return;
        }
        if (n != 0)
            return;
    }

    switch (direction) {
    case gdTopBottom:
    case gdBottomTop: {
        const int extent = r.Height();
        const int n = std::min(extent, 256);
        if (n - 1 <= 0)
            return;
        for (int k = 0; k < n; ++k)
            FillSolidRect({r.left, r.bottom - Share(extent, k + 1, n), r.right,
                           r.bottom - Share(extent, k, n)},
                          colors.At(k, n));
        return;
    }
    case gdLeftRight:
    case gdRightLeft: {
        const int extent = r.Width();
        const int n = std::min(extent, 256);
        if (n - 1 <= 0)
            return;
        for (int k = 0; k < n; ++k)
            FillSolidRect(
                {r.right - Share(extent, k + 1, n), r.top, r.right - Share(extent, k, n), r.bottom},
                colors.At(k, n));
        return;
    }
    case gdFromCenter: {
        // One-pixel frames stepping in from the edges toward the middle.
        const int steps = std::min(std::min(r.Width(), r.Height()) / 2 + 1, 256);
        if (steps - 1 <= 0)
            return;
        for (int k = 0; k < steps; ++k) {
            const TRect f{r.left + k, r.top + k, r.right - k, r.bottom - k};
            if (f.IsEmpty())
                break;
            const TColor c = colors.At(k, steps);
            FillSolidRect({f.left, f.top, f.right, f.top + 1}, c);
            FillSolidRect({f.left, f.bottom - 1, f.right, f.bottom}, c);
            FillSolidRect({f.left, f.top, f.left + 1, f.bottom}, c);
            FillSolidRect({f.right - 1, f.top, f.right, f.bottom}, c);
        }
        return;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
        // Shrinking rectangles anchored at the corner: a staircase toward it.
        const int n = std::min(std::max(r.Width(), r.Height()), 256);
        if (n - 1 <= 0)
            return;
        for (int k = 0; k < n; ++k) {
            const int w = Share(r.Width(), n - k, n);
            const int h = Share(r.Height(), n - k, n);
            const TColor c = colors.At(k, n);
            if (direction == gdFromTopLeft)
                FillSolidRect({r.left, r.top, r.left + w, r.top + h}, c);
            else
                FillSolidRect({r.left, r.bottom - h, r.left + w, r.bottom}, c);
        }
        return;
    }
    case gdDiagonalUp:
    case gdDiagonalDown: {
        // One-pixel diagonals across the rectangle.
        const int span = r.Width() + r.Height() - 1;
        const int n = std::min(span, 255);
        if (n - 1 <= 0 || !surface_.HasTarget())
            return;
        surface_.Painter();
        const TRect visible = WritablePart(r);
        for (int y = visible.top; y < visible.bottom; ++y)
            for (int x = visible.left; x < visible.right; ++x) {
                const int diag = direction == gdDiagonalUp ? (x - r.left) + (r.bottom - 1 - y)
                                                           : (x - r.left) + (y - r.top);
                const TColor c = colors.At(
                    int(static_cast<long long>(diag) * (n - 1) / std::max(span - 1, 1)), n);
                surface_.FillSpan(y, x, x + 1, ToArgb(c));
            }
        return;
    }
    case gdRadial:
        // Drawn by the gradient fill, which knows the centre offsets.
        return;
    }
}
