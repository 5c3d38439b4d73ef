#include "legend/LegendGeometry.h"

#include "ChartSeries.h"
#include "ChartSeriesList.h"

#include <algorithm>

namespace {

constexpr int MinCheckBoxItemHeight = 17;
// Item widths: the gaps around a symbol and its text, and what a check box adds.
constexpr int ItemPadding = 8;
constexpr int CheckBoxItemRoom = 27;
constexpr int BoxPadding = 12;
constexpr int ColumnGap = 6;
constexpr int CheckBoxColumnRoom = 13;
constexpr int CheckBoxBoxRoom = 8;
constexpr int CheckBoxColumnShift = 15;
constexpr int SideLegendPadding = 10;

} // namespace

TLegendStyle ResolveLegendStyle(TLegendStyle style, bool checkBoxes, int activeSeries) {
    if (style != lsAuto)
        return style;
    return checkBoxes || activeSeries > 1 ? lsSeries : lsValues;
}

void CheckLegendFirstValue(int firstValue) {
    if (firstValue < 0)
        throw LegendException("First Legend Value must be > 0");
}

std::vector<const TChartSeries*> LegendSeriesItems(const TChartSeriesList& series, bool checkBoxes,
                                                   int firstValue) {
    std::vector<const TChartSeries*> items;
    int skipped = 0;
    for (const TChartSeries* s : series) {
        if (!s->ShowInLegend() || (!s->Active() && !checkBoxes))
            continue;
        if (skipped++ < firstValue)
            continue;
        items.push_back(s);
    }
    return items;
}

std::array<std::string, 2> SplitLegendText(const std::string& text) {
    std::array<std::string, 2> columns;
    const std::size_t first = text.find(LegendColumnSeparator);
    columns[0] = text.substr(0, first);
    if (first != std::string::npos) {
        const std::size_t second = text.find(LegendColumnSeparator, first + 1);
        columns[1] =
            text.substr(first + 1, second == std::string::npos ? second : second - first - 1);
    }
    return columns;
}

int LegendItemHeight(int textLineHeight, bool checkBoxes, int vertSpacing, bool sideAligned,
                     int dividingLineWidth) {
    int h = checkBoxes ? std::max(textLineHeight, MinCheckBoxItemHeight) : textLineHeight;
    h += vertSpacing;
    if (sideAligned)
        h += dividingLineWidth;
    return h;
}

int LegendItemTextWidth(int blankWidth, int column0Width, int column1Width) {
    return 2 * blankWidth - 1 + column0Width + column1Width;
}

int LegendSymbolWidth(const TLegendSymbolSizing& symbol, int itemTextWidth, int itemHeight) {
    if (!symbol.visible)
        return 0;
    if (symbol.squared)
        return itemHeight - 5;
    if (symbol.units == lcsPixels)
        return symbol.width;
    return RoundToInt(symbol.width * itemTextWidth * 0.01);
}

namespace {

TLegendLayout LayoutTopBottom(const TLegendLayoutInput& in) {
    TLegendLayout out;
    out.plot = in.plot;
    const int plotWidth = in.plot.Width();
    const int plotHeight = in.plot.Height();
    const bool bottom = in.alignment == laBottom;
    if (bottom)
        out.box.bottom = in.plot.bottom - (in.chartShadowV + in.frame + 1);
    else
        out.box.top = in.plot.top + in.frame + 1;

    const int itemWidth =
        in.symbolWidth + in.itemTextWidth + ItemPadding + (in.checkBoxes ? CheckBoxItemRoom : 0);
    if (in.plot.right > ItemPadding && itemWidth > 0)
        out.columns = std::min((plotWidth - 2 * in.frame - ItemPadding) / itemWidth, in.totalItems);
    if (out.columns >= 1) {
        out.rows = in.totalItems / out.columns + (in.totalItems % out.columns != 0 ? 1 : 0);
        out.rows = std::min(out.rows, in.maxNumRows);
    }
    out.lastItem = in.firstValue + std::min(in.totalItems, out.columns * out.rows) - 1;
    if (out.lastItem < in.firstValue)
        return out;
    out.drawn = true;

    const int h = in.itemHeight * out.rows + 2;
    if (bottom)
        out.box.top = out.box.bottom - h;
    else
        out.box.bottom = out.box.top + h;

    int width = out.columns * (in.itemTextWidth + in.symbolWidth) + BoxPadding +
                ColumnGap * (out.columns - 1);
    if (in.checkBoxes)
        width += CheckBoxColumnRoom * out.columns + CheckBoxBoxRoom;
    const int half = std::min(plotWidth, width) / 2;
    const int plotXCenter = (in.plot.left + in.plot.right) / 2;
    out.box.left =
        RoundToInt(in.topPos * (in.panel.Width() - 2 * half) * 0.01) + plotXCenter - half;
    out.box.right = out.box.left + 2 * half;

    if (in.resizeChart) {
        const int margin = in.vertMargin != 0 ? in.vertMargin : 4 * plotHeight / 100;
        if (bottom)
            out.plot.bottom = out.box.top - margin;
        else
            out.plot.top = out.box.bottom + in.chartShadowV + margin;
    }
    return out;
}

TLegendLayout LayoutLeftRight(const TLegendLayoutInput& in) {
    TLegendLayout out;
    out.plot = in.plot;
    out.box.top = in.panel.top + RoundToInt(in.topPos * in.panel.Height() * 0.01);
    out.columns = 1;
    const int fit = in.itemHeight > 0 ? (in.plot.bottom - out.box.top) / in.itemHeight : 0;
    out.rows = std::clamp(fit, 0, in.totalItems);
    out.lastItem = in.firstValue + out.rows - 1;
    if (out.lastItem < in.firstValue)
        return out;
    out.drawn = true;
    out.box.bottom = out.box.top + in.itemHeight * out.rows + 2;
    const int width = in.itemTextWidth + in.symbolWidth + SideLegendPadding;
    const int plotWidth = in.plot.Width();
    if (in.alignment == laRight) {
        out.box.right = in.plot.right - (in.legendShadowH + in.frame + 1);
        out.box.left = out.box.right - width;
    } else {
        out.box.left = in.plot.left + in.frame + 1;
        out.box.right = out.box.left + width;
    }
    if (in.resizeChart) {
        const int margin = in.horizMargin != 0 ? in.horizMargin : 3 * plotWidth / 100;
        if (in.alignment == laRight)
            out.plot.right = out.box.left - margin;
        else
            out.plot.left = out.box.right + margin;
    }
    return out;
}

} // namespace

TLegendLayout LayoutLegendBox(const TLegendLayoutInput& in) {
    if (in.alignment == laTop || in.alignment == laBottom)
        return LayoutTopBottom(in);
    return LayoutLeftRight(in);
}

TLegendItemPlace PlaceLegendItem(const TLegendItemPlaceInput& in, int position) {
    TLegendItemPlace place;
    int row = position;
    if (in.alignment == laTop || in.alignment == laBottom) {
        const int columns = std::max(1, in.columns);
        row = position / columns;
        place.columnShift = (position % columns) * (in.itemTextWidth + in.symbolWidth + ColumnGap +
                                                    (in.checkBoxes ? CheckBoxColumnShift : 0));
    }
    place.y = in.box.top + in.titleHeight + 1 + row * in.itemHeight + in.vertSpacing / 2;
    const int x0 = in.box.left + place.columnShift;
    if (in.symbolPosition == spLeft) {
        place.symbolX = x0 + ColumnGap;
        place.textX = x0 + in.symbolWidth + SideLegendPadding;
    } else {
        place.textX = x0 + ColumnGap;
        place.symbolX = x0 + in.itemTextWidth + ColumnGap;
    }
    const bool joinsAbove = in.continuous && position > 0;
    const bool joinsBelow = in.continuous && position < in.positions - 1;
    place.symbol.left = place.symbolX;
    place.symbol.right = place.symbolX + in.symbolWidth;
    place.symbol.top = joinsAbove ? place.y : place.y + 2;
    place.symbol.bottom = place.y + in.itemHeight + 1 - (joinsBelow ? 0 : in.vertSpacing + 3);
    return place;
}
