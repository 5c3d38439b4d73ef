#include "frame/TitleLayout.h"

#include "device/ChartCanvas.h"

#include <algorithm>

namespace {
// Pixels between a title's box and the plotting rectangle.
constexpr int TitleGap = 5;
} // namespace

int TitleFrameWidth(const TChartTitle& title) {
    if (title.Bevel() != bvNone)
        return title.BevelWidth();
    const TChartPen& frame = title.Frame();
    return frame.Visible() && frame.Color() != DefaultPointColor ? frame.Width() : 0;
}

TRoom LayoutTitle(TChartTitle& title, TChartCanvas& canvas, const TRect& plot) {
    const std::vector<std::string>& lines = title.Text();
    if (!title.Visible() || lines.empty())
        return {};
    const bool custom = title.CustomPosition();
    const bool foot = title.IsFoot();
    const int f = TitleFrameWidth(title);

    TRect& r = title.ShapeRect();
    if (custom) {
        r = {title.Left(), title.Top(), title.Left(), title.Top()};
    } else {
        r = plot;
        if (!foot)
            r.top += f;
    }

    canvas.SelectFont(title.Font());
    const int h = canvas.TextLineHeight();
    const int n = static_cast<int>(lines.size());
    if (!foot || custom)
        r.bottom = r.top + n * h;
    else
        r.top = r.bottom - n * h;
    if (!custom)
        r = {r.left - f, r.top - f, r.right + f, r.bottom + f};

    if (title.AdjustFrame()) {
        int widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, canvas.TextPixelWidth(line));
        const int w = canvas.TextPixelWidth("W") + f + widest;
        switch (title.Alignment()) {
        case TAlignment::taLeftJustify:
            r.right = r.left + w;
            break;
        case TAlignment::taRightJustify:
            r.left = r.right - w;
            break;
        case TAlignment::taCenter: {
            if (custom)
                r.right = r.left + w;
            const int c = (r.left + r.right) / 2;
            r.left = c - w / 2;
            r.right = c + w / 2;
            break;
        }
        }
    }

    if (custom)
        return {};
    const int g = TitleGap + f + (title.Transparent() ? 0 : title.Shadow().VertSize());
    TRoom room;
    if (foot)
        room.bottom = plot.bottom - (r.bottom - g - n * h);
    else
        room.top = r.bottom + g - plot.top;
    return room;
}
