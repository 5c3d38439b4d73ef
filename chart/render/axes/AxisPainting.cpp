#include "axes/AxisPainting.h"

#include "ChartSeries.h"
#include "axes/AxisLayout.h"
#include "axes/AxisSteps.h"
#include "axes/ChartAxis.h"
#include "frame/CustomAxisPanel.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// More labels than this across the range draw none.
constexpr double MaxLabelSteps = 10000;

// A number as the general format writes it (up to 15 significant digits): two label values
// with the same text are one label.
std::string DefaultText(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", v);
    return buffer;
}

bool IsBottom(const TChartAxis& a) {
    return a.Side() == TAxisSide::Bottom;
}
bool IsLeft(const TChartAxis& a) {
    return a.Side() == TAxisSide::Left;
}

// One paint of one axis: the chart's canvas and the axis, and the steps that draw them.
class AxisPainter {
public:
    AxisPainter(TChartAxis& axis, TGridParts grid)
        : axis_(axis), chart_(*axis.Chart()), canvas_(chart_.Canvas()), grid_(grid) {}

    void Title();
    void Labels();
    void LinesAndTicks();

private:
    void CustomLabels();
    void ValueLabels(double step);
    void PointTextLabels();
    void DrawLabel(double value, const std::string* text = nullptr);
    void PlaceLabel(int p, const std::string& text);
    // Writes a label or title with the axis' alignment rules for `angle`.
    void WriteText(int x, int y, const std::string& text, int angle, int depth, bool label);
    // A stroke across the axis at p, `c` pixels outward from the axis line, `length` long.
    void Tick(int p, int c, int length);
    void GridLine(int p);

    TChartAxis& axis_;
    TCustomAxisPanel& chart_;
    TChartCanvas3D& canvas_;
    TGridParts grid_;
};

void AxisPainter::Title() {
    const TChartAxisTitle& title = axis_.Title();
    if (!title.Visible() || title.Caption().empty())
        return;
    canvas_.SelectFont(title.Font());
    canvas_.SetBackMode(cbmTransparent);
    if (axis_.IsDepthAxis()) {
        canvas_.TextAtDepth(axis_.TitlePos(), axis_.CenterPixel(), chart_.ChartDepth() / 2,
                            title.Caption());
        return;
    }
    const int c = axis_.CenterPixel();
    const int t = axis_.TitlePos();
    if (axis_.Horizontal())
        WriteText(c, t, title.Caption(), title.Angle(), axis_.DepthOffset(), false);
    else
        WriteText(t, c, title.Caption(), title.Angle(), axis_.DepthOffset(), false);
}

void AxisPainter::Labels() {
    axis_.TickPositions().clear();
    if (!axis_.Items().Items().empty()) {
        CustomLabels();
        return;
    }
    const TAxisLabelStyle style = axis_.ResolveLabelStyle();
    if (style == talNone)
        return;
    canvas_.SelectFont(axis_.LabelsFont());
    const double step = axis_.LabelsIncrement();
    if (!(step > 0) || axis_.RangeMaximum() < axis_.RangeMinimum())
        return;
    if (style == talValue)
        ValueLabels(step);
    else
        PointTextLabels();
}

void AxisPainter::CustomLabels() {
    for (const TAxisItem& item : axis_.Items().Items()) {
        if (item.value < axis_.Minimum() || item.value > axis_.Maximum())
            continue;
        const int p = axis_.ValueToPixel(item.value);
        axis_.TickPositions().push_back(p);
        if (item.visible)
            PlaceLabel(p, item.text.empty() ? axis_.LabelText(item.value) : item.text);
    }
}

void AxisPainter::ValueLabels(double step) {
    for (const double v :
         AxisLabelValues(axis_.RangeMinimum(), axis_.RangeMaximum(), step, axis_.RoundFirstLabel()))
        DrawLabel(v);
}

void AxisPainter::PointTextLabels() {
    for (const TChartSeries* series : chart_.SeriesList()) {
        if (!series->Active() || !series->AssociatedToAxis(axis_))
            continue;
        const TChartValueList& values = axis_.Horizontal() ? series->XValues() : series->YValues();
        for (int i = 0; i < series->PointCount(); ++i)
            if (!series->PointLabel(i).empty())
                DrawLabel(values.ValueAt(i), &series->PointLabel(i));
    }
}

void AxisPainter::DrawLabel(double value, const std::string* text) {
    const int p = axis_.ValueToPixel(value);
    if (!axis_.LabelsOnAxis() && !(axis_.StartPixel() < p && p < axis_.EndPixel()))
        return;
    if (!axis_.TickOnLabelsOnly())
        axis_.TickPositions().push_back(p);
    if (!axis_.Labels())
        return;
    const std::string label = text ? *text : axis_.LabelText(value);
    if (axis_.TickOnLabelsOnly())
        axis_.TickPositions().push_back(p);
    PlaceLabel(p, label);
}

void AxisPainter::PlaceLabel(int p, const std::string& text) {
    canvas_.SelectFont(axis_.LabelsFont());
    canvas_.SetBrushStyle(bsClear);
    const int pos = axis_.LabelsPos();
    if (axis_.Horizontal())
        WriteText(p, pos, text, axis_.LabelsAngle(), axis_.DepthOffset(), true);
    else
        WriteText(pos, p, text, axis_.LabelsAngle(), axis_.DepthOffset(), true);
}

void AxisPainter::WriteText(int x, int y, const std::string& text, int a, int depth, bool label) {
    const int lineHeight = canvas_.TextLineHeight();
    const int h = a == 180 || a == 270 ? -lineHeight : lineHeight;
    const int n = TextBlockWidth(text, [](const std::string&) { return 0; }).lines;
    const int half = lineHeight / 2;
    const bool horizontal = axis_.Horizontal();
    // The bottom axis and the left axis; the top and right axes mirror them.
    const bool near = horizontal ? IsBottom(axis_) : IsLeft(axis_);

    unsigned align = taLeft | taTop;
    if (horizontal) {
        if (a == 0 || a == 180)
            align = taCenter | ((a == 0) == near ? taTop : taBottom);
        else {
            align = ((a == 90) == near ? taRight : taLeft) | taTop;
            x += a == 90 ? -half : half;
        }
    } else if (a == 0 || a == 180) {
        const bool rightAligned = (a == 0) == near;
        align = (rightAligned ? taRight : taLeft) | taTop;
        if (axis_.LabelsAlign() == alOpposite && label) {
            const int row = LabelsRowSize(axis_);
            canvas_.SelectFont(axis_.LabelsFont());
            align = (rightAligned ? taLeft : taRight) | taTop;
            x += rightAligned ? -row : row;
        }
        y -= half;
    } else {
        align = taCenter | ((a == 90) == near ? taBottom : taTop);
    }

    if (horizontal) {
        if (a == 0 || a == 180)
            y -= near ? h : n * h;
        else
            x -= RoundToInt(h * 0.5 * (n + 1));
    } else if (a == 0 || a == 180) {
        y -= RoundToInt(h * 0.5 * (n + 1));
    } else if (a == 90) {
        x -= near ? n * h : h;
    } else {
        x -= near ? h : n * h;
    }

    std::string shown = text;
    if (label && axis_.OnDrawLabel && !axis_.OnDrawLabel(axis_, x, y, shown))
        return;

    canvas_.SetTextAlign(align);
    // A clear brush writes text without a background box.
    canvas_.SetBackMode(cbmTransparent);
    std::size_t start = 0;
    while (start < shown.size()) {
        const std::size_t end = shown.find('\r', start);
        const std::string line = shown.substr(start, end == std::string::npos ? end : end - start);
        if (a == 0) {
            y += h;
            canvas_.TextAtDepth(x, y, depth, line);
        } else if (a == 180) {
            y += h;
            canvas_.RotatedTextAtDepth(x, y, depth, line, a);
        } else {
            x += h;
            canvas_.RotatedTextAtDepth(x, y, depth, line, a);
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    canvas_.SetTextAlign(taLeft | taTop);
}

void AxisPainter::Tick(int p, int c, int length) {
    const int line = axis_.AxisLinePos();
    const int z = axis_.DepthOffset();
    switch (axis_.Side()) {
    case TAxisSide::Bottom:
        canvas_.VLineAtDepth(p, line + c, line + c + length, z);
        break;
    case TAxisSide::Top:
        canvas_.VLineAtDepth(p, line - c, line - c - length, z);
        break;
    case TAxisSide::Left:
        canvas_.HLineAtDepth(line - c, line - c - length, p, z);
        break;
    case TAxisSide::Right:
        canvas_.HLineAtDepth(line + c, line + c + length, p, z);
        break;
    default:
        break;
    }
}

void AxisPainter::GridLine(int p) {
    if (!(axis_.StartPixel() < p && p < axis_.EndPixel()))
        return;
    const TRect plot = chart_.PlotRect();
    const bool horizontal = axis_.Horizontal();
    if (!chart_.View3D()) {
        if (horizontal)
            canvas_.VertLine(p, plot.top + 1, plot.bottom);
        else
            canvas_.HorizLine(plot.left + 1, plot.right, p);
        return;
    }
    if (axis_.IsDepthAxis()) {
        // Across the left wall and the floor at depth p.
        canvas_.VLineAtDepth(plot.left, plot.top, plot.bottom, p);
        canvas_.HLineAtDepth(plot.left, plot.right, plot.bottom, p);
        return;
    }
    const bool behind = chart_.AxisBehind();
    const int depth = behind ? chart_.ChartDepth() : 0;
    if (grid_.back || !behind) {
        if (horizontal)
            canvas_.VLineAtDepth(p, plot.top, plot.bottom, depth);
        else
            canvas_.HLineAtDepth(plot.left, plot.right, p, depth);
    }
    if (!behind || !grid_.side)
        return;
    const int g = RoundToInt(depth * axis_.Grid().ZPosition() * 0.01);
    if (g == depth)
        return;
    if (horizontal)
        canvas_.DepthLine(p, axis_.AxisLinePos(), depth, g);
    else
        canvas_.DepthLine(axis_.AxisLinePos(), p, depth, g);
}

void AxisPainter::LinesAndTicks() {
    const int w = chart_.WallThickness(axis_.Side());
    const std::vector<int>& ticks = axis_.TickPositions();
    canvas_.SetBrushStyle(bsClear);
    canvas_.SetBackMode(cbmTransparent);

    if (axis_.Axis().Visible()) {
        canvas_.SelectPen(axis_.Axis());
        const int line = axis_.AxisLinePos();
        const int z = axis_.DepthOffset();
        const int start = axis_.StartPixel();
        const int end = axis_.EndPixel();
        switch (axis_.Side()) {
        case TAxisSide::Left:
            canvas_.VLineAtDepth(line - w, start, end + chart_.WallThickness(TAxisSide::Bottom), z);
            break;
        case TAxisSide::Right:
            canvas_.VLineAtDepth(line + w, start, end + chart_.WallThickness(TAxisSide::Bottom), z);
            break;
        case TAxisSide::Bottom:
            canvas_.HLineAtDepth(start - chart_.WallThickness(TAxisSide::Left),
                                 end + chart_.WallThickness(TAxisSide::Right), line + w, z);
            break;
        case TAxisSide::Top:
            canvas_.HLineAtDepth(start, end, line, z);
            break;
        default:
            break;
        }
    }
    if (axis_.Ticks().Visible()) {
        canvas_.SelectPen(axis_.Ticks());
        for (const int p : ticks)
            Tick(p, 1 + w, axis_.TickLength());
    }
    if (axis_.Grid().Visible()) {
        const TAxisGridPen& pen = axis_.Grid();
        canvas_.SetBackMode(cbmTransparent);
        canvas_.SelectPen(pen, pen.Color() == DefaultPointColor ? clGray : pen.Color());
        if (pen.Centered()) {
            for (std::size_t i = 1; i < ticks.size(); ++i)
                GridLine(RoundToInt((ticks[i] + ticks[i - 1]) * 0.5));
        } else {
            for (const int p : ticks)
                GridLine(p);
        }
    }
    if (axis_.TicksInner().Visible()) {
        canvas_.SelectPen(axis_.TicksInner());
        for (const int p : ticks)
            Tick(p, -1 + w, -axis_.TickInnerLength());
    }
    if (!ticks.empty() && (axis_.MinorTicks().Visible() || axis_.MinorGrid().Visible())) {
        const std::vector<int> minor =
            MinorTickPositions(ticks, axis_.MinorTickCount(), axis_.StartPixel(), axis_.EndPixel());
        canvas_.SetBackMode(cbmTransparent);
        canvas_.SetBrushStyle(bsClear);
        if (axis_.MinorTicks().Visible()) {
            canvas_.SelectPen(axis_.MinorTicks());
            for (const int p : minor)
                Tick(p, 1 + w, axis_.MinorTickLength());
        }
        if (axis_.MinorGrid().Visible()) {
            canvas_.SelectPen(axis_.MinorGrid());
            for (const int p : minor)
                GridLine(p);
        }
    }
    canvas_.SetBackMode(cbmOpaque);
}

} // namespace

std::vector<double> AxisLabelValues(double rangeMinimum, double rangeMaximum, double step,
                                    bool roundFirstLabel) {
    std::vector<double> values;
    // Also refuses a range or step that is not finite.
    if (!(std::fabs((rangeMaximum - rangeMinimum) / step) < MaxLabelSteps))
        return values;
    double t = rangeMaximum;
    if (roundFirstLabel && DefaultText(rangeMinimum) != DefaultText(rangeMaximum))
        t = std::trunc(rangeMaximum / step) * step;
    // A step too small to change t ends the descent (then t and t - step read the same).
    while (t > rangeMaximum && t - step < t)
        t -= step;
    if (std::fabs(rangeMaximum - rangeMinimum) < 1e-10 || DefaultText(t) == DefaultText(t - step)) {
        values.push_back(t);
        return values;
    }
    const double limit = rangeMinimum >= 0 ? (rangeMinimum - 1e-12) / (1 + 1e-12) : rangeMinimum;
    for (; t >= limit && values.size() <= MaxLabelSteps; t -= step)
        values.push_back(t);
    return values;
}

std::vector<int> MinorTickPositions(const std::vector<int>& ticks, int count, int start, int end) {
    std::vector<int> minor;
    if (ticks.size() < 2 || count < 1)
        return minor;
    const auto keep = [&](int p) {
        if (start < p && p < end)
            minor.push_back(p);
    };
    const double outer = double(ticks[1] - ticks[0]) / (count + 1);
    for (int i = 1; i <= count; ++i) {
        keep(ticks.front() - RoundToInt(i * outer));
        keep(ticks.back() + RoundToInt(i * outer));
    }
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const double f = double(ticks[i] - ticks[i - 1]) / (count + 1);
        for (int j = 1; j <= count; ++j)
            keep(ticks[i] - RoundToInt(j * f));
    }
    return minor;
}

void DrawAxis(TChartAxis& axis, bool recompute, TGridParts grid) {
    if (recompute)
        axis.SetAxisLinePos(AxisEdge(axis, axis.Chart()->PlotRect()));
    // Pens, brush and fonts the axis selects do not outlive its drawing.
    const TCanvasStateSaver saved(axis.Chart()->Canvas());
    AxisPainter painter(axis, grid);
    painter.Title();
    painter.Labels();
    painter.LinesAndTicks();
}
