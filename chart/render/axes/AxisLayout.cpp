#include "axes/AxisLayout.h"

#include "ChartSeries.h"
#include "axes/AxisSteps.h"
#include "axes/ChartAxis.h"
#include "frame/CustomAxisPanel.h"

#include <algorithm>
#include <cmath>

namespace {

// +1 when outward is toward growing coordinates (down, right), -1 otherwise.
int Outward(const TChartAxis& axis) {
    return axis.Side() == TAxisSide::Bottom || axis.Side() == TAxisSide::Right ? 1 : -1;
}

int RawEdge(const TChartAxis& axis, const TRect& r) {
    switch (axis.Side()) {
    case TAxisSide::Bottom:
        return r.bottom;
    case TAxisSide::Top:
        return r.top;
    case TAxisSide::Right:
        return r.right;
    default:
        return r.left;
    }
}

// How far PositionPercent moves the axis' positions.
int PositionShift(const TChartAxis& axis, const TRect& r) {
    const double p = axis.PositionPercent();
    if (p == 0)
        return 0;
    int d = axis.PositionUnits() == muPixels
                ? RoundToInt(p)
                : RoundToInt(p * 0.01 * (axis.Horizontal() ? r.Height() : r.Width()));
    if (axis.OtherSide())
        d = -d;
    return axis.Horizontal() ? -d : d;
}

// Room across the axis for a text in `font`: its line height when it runs along the axis, else
// its width (the widest label when there is no text).
int TextSize(TChartAxis& axis, const TChartFont& font, int angle, int fixed,
             const std::string* text) {
    if (fixed != 0)
        return fixed;
    TChartCanvas& canvas = axis.Chart()->Canvas();
    canvas.SelectFont(font);
    const bool along = axis.Horizontal() ? angle == 0 || angle == 180 : angle == 90 || angle == 270;
    if (along)
        return canvas.TextLineHeight();
    if (!text)
        return MaxLabelsWidth(axis);
    return canvas.TextPixelWidth(*text);
}

// The chart's label event is not asked while the labels are measured.
class LabelEventOff {
public:
    explicit LabelEventOff(TChartAxis& axis) : axis_(axis), saved_(axis.LabelEventEnabled()) {
        axis_.SetLabelEventEnabled(false);
    }
    ~LabelEventOff() { axis_.SetLabelEventEnabled(saved_); }
    LabelEventOff(const LabelEventOff&) = delete;
    LabelEventOff& operator=(const LabelEventOff&) = delete;

private:
    TChartAxis& axis_;
    bool saved_;
};

} // namespace

int TickAndLineSize(const TChartAxis& axis) {
    int size = axis.Axis().Visible() ? axis.Axis().Width() + 1 : 0;
    if (axis.Ticks().Visible())
        size += axis.TickLength();
    if (axis.MinorTicks().Visible())
        size = std::max(size, axis.MinorTickLength());
    return size;
}

int MaxLabelsWidth(TChartAxis& axis) {
    TChartCanvas& canvas = axis.Chart()->Canvas();
    const auto width = [&](const std::string& s) { return canvas.TextPixelWidth(s); };
    int widest = 0;
    if (!axis.Items().Items().empty()) {
        for (const TAxisItem& item : axis.Items().Items())
            widest = std::max(widest, TextBlockWidth(item.text, width).width);
        return widest;
    }
    switch (axis.ResolveLabelStyle()) {
    case talValue: {
        double low = axis.RangeMinimum();
        double high = axis.RangeMaximum();
        if (axis.RoundFirstLabel()) {
            const double step = axis.LabelsIncrement();
            low = step * std::trunc(low / step);
            high = step * std::trunc(high / step);
        }
        canvas.SelectFont(axis.LabelsFont());
        const LabelEventOff measuring(axis);
        widest = std::max(TextBlockWidth(axis.LabelText(low), width).width,
                          TextBlockWidth(axis.LabelText(high), width).width);
        return widest + canvas.TextPixelWidth(" ");
    }
    case talMark:
    case talText:
        for (const TChartSeries* series : axis.Chart()->SeriesList())
            for (int i = 0; i < series->Labels().Count(); ++i)
                widest = std::max(widest, TextBlockWidth(series->Labels().Label(i), width).width);
        return widest;
    default:
        return 0;
    }
}

int LabelsRowSize(TChartAxis& axis) {
    const int size =
        TextSize(axis, axis.LabelsFont(), axis.LabelsAngle(), axis.LabelsSize(), nullptr);
    return axis.LabelsAlternate() ? 2 * size : size;
}

int AxisEdge(const TChartAxis& axis, const TRect& r) {
    return RawEdge(axis, r) + PositionShift(axis, r);
}

TRect ShrinkSide(const TChartAxis& axis, TRect r, int room) {
    switch (axis.Side()) {
    case TAxisSide::Bottom:
        r.bottom -= room;
        break;
    case TAxisSide::Top:
        r.top += room;
        break;
    case TAxisSide::Right:
        r.right -= room;
        break;
    default:
        r.left += room;
        break;
    }
    return r;
}

int ReserveAxisSpace(TChartAxis& axis, const TRect& r, bool inflate) {
    const int out = Outward(axis);
    if (!inflate) {
        axis.SetAxisLinePos(AxisEdge(axis, r));
        axis.SetLabelsPos(axis.AxisLinePos() + out * TickAndLineSize(axis));
        axis.SetTitlePos(axis.LabelsPos() + out * LabelsRowSize(axis));
        return 0;
    }
    if (axis.IsDepthAxis()) {
        axis.SetTitlePos(axis.OtherSide() ? r.right : r.left);
        return 0;
    }
    const int edge = RawEdge(axis, r);
    const int shift = PositionShift(axis, r);
    int room = 0;
    const TChartAxisTitle& title = axis.Title();
    if (title.Visible() && !title.Caption().empty()) {
        room += TextSize(axis, title.Font(), title.Angle(), axis.TitleSize(), &title.Caption());
        axis.SetTitlePos(edge - out * room + shift);
    }
    if (axis.Labels()) {
        room += LabelsRowSize(axis);
        axis.SetLabelsPos(edge - out * room + shift);
    }
    const int lineAndTicks = axis.Chart()->WallThickness(axis.Side()) + TickAndLineSize(axis);
    if (lineAndTicks > 0)
        room += lineAndTicks;
    return room;
}
