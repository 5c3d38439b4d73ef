#pragma once

#include "ChartColor.h"
#include "legend/LegendGeometry.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class TChartCanvas;
class TChartPen;
class TChartSeries;
class TSeriesDrawing;

// One item as the legend shows it: its two text columns and the series it stands for (null for
// a point item).
struct TLegendItemText {
    std::array<std::string, 2> columns;
    const TChartSeries* series = nullptr;
};

struct TLegendItemsInput {
    TLegendItemPlaceInput places;
    // In display order: position p shows items[p].
    std::vector<TLegendItemText> items;
    std::array<int, 2> columnWidths{};
    int blankWidth = 0;
    TColor legendColor = clWhite;
    // Replaces the series' pens in the symbols; null draws with their own.
    const TChartPen* symbolPen = nullptr;
    bool fontSeriesColor = false;
    // Called after each symbol with the item's series (null for a point) and its rectangle.
    std::function<void(const TChartSeries* series, const TRect& r)> onSymbolDrawn;
};

// Each item's texts at its place and its symbol beside them, with the legend font selected.
void DrawLegendItems(TChartCanvas& canvas, TSeriesDrawing& drawing, const TLegendItemsInput& in);
