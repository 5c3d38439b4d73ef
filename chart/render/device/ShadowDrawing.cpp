#include "device/ShadowDrawing.h"

#include "ColorOps.h"

#include <algorithm>
#include <vector>

namespace {

// The pixels a translucent shadow covers, kept to blend the shadow with them afterwards.
class Backdrop {
public:
    Backdrop(const TCanvas3D& canvas, const TRect& area) : area_(area) {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                pixels_.push_back(canvas.GetPixel(x, y));
    }
    void BlendBack(TCanvas3D& canvas, int transparency) const {
        std::size_t i = 0;
        const auto mix = [transparency](int now, int was) {
            return (now * (100 - transparency) + was * transparency) / 100;
        };
        for (int y = area_.top; y < area_.bottom; ++y)
            for (int x = area_.left; x < area_.right; ++x, ++i) {
                const TColor was = pixels_[i];
                const TColor now = canvas.GetPixel(x, y);
                if (now != was)
                    canvas.SetPixel(x, y,
                                    RGBColor(mix(RedOf(now), RedOf(was)),
                                             mix(GreenOf(now), GreenOf(was)),
                                             mix(BlueOf(now), BlueOf(was))));
            }
    }

private:
    TRect area_;
    std::vector<TColor> pixels_;
};

} // namespace

void DrawShadow(const TChartShadow& shadow, TCanvas3D& canvas, const TRect& r, int z) {
    const int h = shadow.HorizSize();
    const int v = shadow.VertSize();
    if (shadow.Color() == clNone || (h == 0 && v == 0))
        return;
    const TColor color = ColorToRGB(shadow.Color()) & 0xFFFFFF;
    const bool flat = canvas.FlatDrawingCount() > 0;

    canvas.SetBrushColor(color);
    canvas.SetBrushStyle(bsSolid);
    canvas.SetPenStyle(psClear);

    // Only flat translucent shadows can be blended pixel by pixel in screen space.
    const TRect area{r.left + std::min(h, 0), r.top + std::min(v, 0), r.right + std::max(h, 0),
                     r.bottom + std::max(v, 0)};
    std::vector<Backdrop> backdrop;
    if (shadow.Transparency() > 0 && flat)
        backdrop.emplace_back(canvas, area);

    const auto hline = [&](int x0, int x1, int y) {
        if (flat)
            canvas.HorizLine(x0, x1, y);
        else
            canvas.HLineAtDepth(x0, x1, y, z);
    };
    const auto vline = [&](int x, int y0, int y1) {
        if (flat)
            canvas.VertLine(x, y0, y1);
        else
            canvas.VLineAtDepth(x, y0, y1, z);
    };
    const auto band = [&](const TRect& b) {
        if (flat)
            canvas.FillRect(b);
        else
            canvas.FillPlaneZ(b, z);
    };

    if (shadow.Smooth() && std::max(h, v) > 1) {
        // One line per pixel of shadow, each a step lighter, from the colour toward white.
        canvas.SetPenStyle(psSolid);
        canvas.SetPenWidth(1);
        canvas.SetPenSmallDots(false);
        canvas.SetPenMode(pmCopy);
        const double average = (RedOf(color) + GreenOf(color) + BlueOf(color)) / 3.0;
        if (v > 0) {
            canvas.SetPenColor(color);
            const int step = RoundToInt((255 - average) / v);
            for (int i = 1; i <= v; ++i) {
                hline(r.left + h, r.right + h + i - v - 1, r.bottom + i - 1);
                canvas.SetPenColor(Brighten(canvas.PenColor(), step));
            }
        }
        if (h > 0) {
            canvas.SetPenColor(color);
            const int step = RoundToInt((255 - average) / h);
            for (int i = 0; i < h; ++i) {
                vline(r.right + i, r.top + v, r.bottom + v - h + i);
                const int px = r.right + i - 1, py = r.bottom + v - h + i - 1;
                if (flat)
                    canvas.SetPixel(px, py, canvas.PenColor());
                else
                    canvas.SetPixelAtDepth(px, py, z, canvas.PenColor());
                canvas.SetPenColor(Brighten(canvas.PenColor(), step));
            }
        }
    } else {
        band({r.left + h, r.bottom, r.right + h, r.bottom + v});
        band({r.right, r.top + v, r.right + h, r.bottom + v});
    }

    if (!backdrop.empty())
        backdrop.front().BlendBack(canvas, shadow.Transparency());
}
