#pragma once

#include "ChartPen.h"
#include "tools/ChartTool.h"

#include <vector>

class TCustomChartBase;

// Vertical lines across the plotting box at values of the bottom axis, such as a median and
// quartiles over a histogram's bars. A line outside the axis' range is left out.
class TAxisLinesTool final : public TChartTool {
public:
    struct Line {
        double value = 0;
        TColor color = clBlack;
        TPenStyle style = psSolid;
        int width = 1;
    };

    // The chart that shows the lines, asked to repaint when they change.
    void SetChart(TCustomChartBase* chart) { chart_ = chart; }
    const std::vector<Line>& Lines() const { return lines_; }
    void SetLines(std::vector<Line> lines);

    void Draw(TCustomAxisPanel& chart) override;

private:
    TCustomChartBase* chart_ = nullptr;
    std::vector<Line> lines_;
};
