#include "tools/AxisLinesTool.h"

#include "frame/CustomAxisPanel.h"

void TAxisLinesTool::SetLines(std::vector<Line> lines) {
    lines_ = std::move(lines);
    if (chart_)
        chart_->Invalidate();
}

void TAxisLinesTool::Draw(TCustomAxisPanel& chart) {
    const TChartAxis& axis = *chart.BottomAxis();
    const TRect plot = chart.PlotRect();
    TChartCanvas3D& canvas = chart.Canvas();
    for (const Line& line : lines_) {
        if (line.value < axis.Minimum() || line.value > axis.Maximum())
            continue;
        const int x = axis.ValueToPixel(line.value);
        canvas.SetPenColor(line.color);
        canvas.SetPenStyle(line.style);
        canvas.SetPenWidth(line.width);
        canvas.SetPenMode(pmCopy);
        canvas.VLineAtDepth(x, plot.top, plot.bottom, 0);
    }
}
