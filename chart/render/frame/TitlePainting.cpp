#include "device/Canvas3D.h"
#include "frame/ShapePainting.h"
#include "frame/TitleLayout.h"

void PaintTitle(TCanvas3D& canvas, const TChartTitle& title) {
    const std::vector<std::string>& lines = title.Text();
    if (!title.Visible() || lines.empty())
        return;
    const TRect& r = title.ShapeRect();
    PaintShape(canvas, title, r, 0, 0);

    canvas.SelectFont(title.Font());
    canvas.SetTextAlign(taLeft | taTop);
    canvas.SetBackMode(cbmTransparent);
    const int f = TitleFrameWidth(title);
    const int h = canvas.TextLineHeight();
    const int wW = canvas.TextPixelWidth("W");
    // Foot titles write from the bottom up, also when placed by hand.
    const bool foot = title.IsFoot();
    for (int i = 0; i < int(lines.size()); ++i) {
        const std::string& line = lines[std::size_t(i)];
        const int y = foot ? r.bottom - h - (i * h + f) : r.top + i * h + f;
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
}
