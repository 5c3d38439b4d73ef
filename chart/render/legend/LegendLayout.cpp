#include "legend/LegendLayout.h"

#include "ChartSeries.h"
#include "ChartSeriesList.h"
#include "NumberFormat.h"
#include "device/ChartCanvas.h"

#include <algorithm>
#include <utility>

namespace {

// A point item worded by the text style; the column separator splits value and label.
std::string PointItemText(const TChartSeries& series, int index, TLegendTextStyle style) {
    const std::string value = FormatNumber(series.YValues().ValueAt(index), series.ValueFormat());
    const std::string& label = series.PointLabel(index);
    const std::string sep(1, LegendColumnSeparator);
    switch (style) {
    case ltsPlain:
        return label.empty() ? value : label;
    case ltsRightValue:
        return label + sep + value;
    case ltsValue:
        return value;
    case ltsXValue:
        return FormatNumber(series.XValues().ValueAt(index), series.ValueFormat());
    case ltsXAndValue:
        return FormatNumber(series.XValues().ValueAt(index), series.ValueFormat()) + sep + value;
    default:
        return value + sep + label;
    }
}

// The first active series shown in the legend: the one whose points a value legend lists.
const TChartSeries* ValueLegendSeries(const TChartSeriesList& list) {
    for (const TChartSeries* s : list)
        if (s->Active() && s->ShowInLegend())
            return s;
    return nullptr;
}

// Every item the legend could list from FirstValue on, in item order.
std::vector<TLegendItemText> LegendItems(const TChartLegend& legend, const TChartSeriesList& list) {
    std::vector<TLegendItemText> items;
    if (legend.EffectiveStyle() == lsValues) {
        if (const TChartSeries* s = ValueLegendSeries(list))
            for (int i = legend.FirstValue(); i < s->PointCount(); ++i)
                items.push_back(
                    {SplitLegendText(PointItemText(*s, i, legend.TextStyle())), nullptr});
        return items;
    }
    for (const TChartSeries* s : LegendSeriesItems(list, legend.CheckBoxes(), legend.FirstValue()))
        items.push_back({SplitLegendText(s->DisplayTitle()), s});
    return items;
}

} // namespace

int LegendFrameWidth(const TChartLegend& legend) {
    if (legend.Bevel() != bvNone)
        return legend.BevelWidth();
    return legend.Frame().Visible() ? legend.Frame().Width() : 0;
}

TRoom LayoutLegend(TChartLegend& legend, TChartCanvas& canvas, const TLegendChart& chart) {
    TLegendPaintState& state = legend.PaintState();
    state = {};
    legend.ResolveLegendStyle();
    if (legend.CustomPosition())
        return {};

    std::vector<TLegendItemText> items = LegendItems(legend, chart.series);
    state.totalItems = static_cast<int>(items.size());

    canvas.SelectFont(legend.Font());
    const int blank = canvas.TextPixelWidth(" ");
    const TChartPen& dividing = legend.DividingLines();
    const int itemHeight =
        LegendItemHeight(canvas.TextLineHeight(), legend.CheckBoxes(), legend.VertSpacing(),
                         legend.SideAligned(), dividing.Visible() ? dividing.Width() : 0);
    std::array<int, 2> widths{};
    for (const TLegendItemText& item : items)
        for (std::size_t c = 0; c < widths.size(); ++c)
            if (!item.columns[c].empty())
                widths[c] = std::max(widths[c], canvas.TextPixelWidth(item.columns[c]));
    const int itemTextWidth = LegendItemTextWidth(blank, widths[0], widths[1]);
    const int symbolWidth = LegendSymbolWidth(legend.Symbol().Sizing(), itemTextWidth, itemHeight);

    TLegendLayoutInput in;
    in.alignment = legend.Alignment();
    in.plot = chart.plot;
    in.panel = chart.panel;
    in.frame = LegendFrameWidth(legend);
    in.chartShadowV = chart.shadowV;
    in.legendShadowH = std::as_const(legend).Shadow().HorizSize();
    in.firstValue = legend.FirstValue();
    in.totalItems = state.totalItems;
    in.itemHeight = itemHeight;
    in.itemTextWidth = itemTextWidth;
    in.symbolWidth = symbolWidth;
    in.maxNumRows = legend.MaxNumRows();
    in.topPos = legend.TopPos();
    in.horizMargin = legend.HorizMargin();
    in.vertMargin = legend.VertMargin();
    in.checkBoxes = legend.CheckBoxes();
    in.resizeChart = legend.ResizeChart();
    state.layout = LayoutLegendBox(in);
    if (!state.layout.drawn)
        return {};

    // Only the items that fit are shown, the last one first when inverted.
    items.resize(std::size_t(state.layout.lastItem - in.firstValue + 1));
    if (legend.Inverted())
        std::reverse(items.begin(), items.end());

    TLegendItemsInput& shown = state.items;
    shown.places.alignment = in.alignment;
    shown.places.box = state.layout.box;
    shown.places.columns = state.layout.columns;
    shown.places.itemHeight = itemHeight;
    shown.places.itemTextWidth = itemTextWidth;
    shown.places.symbolWidth = symbolWidth;
    shown.places.vertSpacing = legend.VertSpacing();
    shown.places.positions = static_cast<int>(items.size());
    shown.places.symbolPosition = legend.Symbol().Position();
    shown.places.continuous = legend.Symbol().Continuous();
    shown.places.checkBoxes = legend.CheckBoxes();
    shown.items = std::move(items);
    shown.columnWidths = widths;
    shown.blankWidth = blank;
    shown.legendColor = legend.Color();
    shown.symbolPen = legend.Symbol().DefaultPen() ? nullptr : &legend.Symbol().Pen();
    shown.fontSeriesColor = legend.FontSeriesColor();
    shown.onSymbolDrawn = legend.Symbol().OnDraw;
    legend.ShapeRect() = state.layout.box;

    const TRect& before = chart.plot;
    const TRect& after = state.layout.plot;
    return {after.left - before.left, after.top - before.top, before.right - after.right,
            before.bottom - after.bottom};
}
