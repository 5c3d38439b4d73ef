#include "frame/CustomChart.h"
#include "frame/ShapePainting.h"

#include <algorithm>

namespace {
// Pixels between a title's box and the plotting rectangle.
constexpr int TitleGap = 5;
} // namespace

void TCustomChart::PaintTitle(TChartTitle& title) {
    const std::vector<std::string>& lines = title.Text();
    if (!title.Visible() || lines.empty())
        return;
    TChartCanvas3D& canvas = Canvas();
    const bool custom = title.CustomPosition();
    const bool foot = title.IsFoot();

    const TChartPen& frame = title.Frame();
    int f = frame.Visible() && frame.Color() != DefaultPointColor ? frame.Width() : 0;
    if (title.Bevel() != bvNone)
        f = title.BevelWidth();

    TRect& r = title.ShapeRect();
    if (custom) {
        r = {title.Left(), title.Top(), title.Left(), title.Top()};
    } else {
        r = PlotRect();
        if (!foot)
            r.top += f;
    }

    canvas.SelectFont(title.Font());
    canvas.SetTextAlign(taLeft | taTop);
    const int h = canvas.TextLineHeight();
    const int n = static_cast<int>(lines.size());
    if (!foot || custom)
        r.bottom = r.top + n * h;
    else
        r.top = r.bottom - n * h;
    if (!custom)
        r = {r.left - f, r.top - f, r.right + f, r.bottom + f};

    const int wW = canvas.TextPixelWidth("W");
    if (title.AdjustFrame()) {
        int widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, canvas.TextPixelWidth(line));
        const int w = wW + f + widest;
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

    PaintShape(canvas, title, r, 0, 0);

    canvas.SetBackMode(cbmTransparent);
    for (int i = 0; i < n; ++i) {
        const std::string& line = lines[std::size_t(i)];
        const int y = foot && !custom ? r.bottom - h - (i * h + f) : r.top + i * h + f;
        int x = 0;
        switch (title.Alignment()) {
        case TAlignment::taCenter:
            x = (r.left + r.right) / 2 - canvas.TextPixelWidth(line) / 2;
            break;
        case TAlignment::taRightJustify:
            x = r.right - canvas.TextPixelWidth(line) - wW / 2;
            break;
        case TAlignment::taLeftJustify:
            x = r.left + wW / 2;
            break;
        }
        canvas.TextOut(x, y, line);
    }

    if (custom)
        return;
    const int g = TitleGap + f + (title.Transparent() ? 0 : title.Shadow().VertSize());
    TRect plot = PlotRect();
    if (foot)
        plot.bottom = r.bottom - g - n * h;
    else
        plot.top = r.bottom + g;
    SetPlotRect(plot);
    NormalizePlotRect();
}
