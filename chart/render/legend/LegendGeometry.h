#pragma once

#include "ChartGeometry.h"
#include "legend/LegendTypes.h"

#include <array>
#include <string>
#include <vector>

class TChartSeriesList;
class TChartSeries;

// The legend's arithmetic, free of canvas and chart: what is listed, how wide and high an item
// is, how items fill columns and rows, where the box stands and how much of the plotting
// rectangle it takes. Pixel sizes of texts come in measured.

// What the legend lists: an explicit style, or for lsAuto the series when there are check boxes
// or more than one active series, else the points of the one series.
TLegendStyle ResolveLegendStyle(TLegendStyle style, bool checkBoxes, int activeSeries);

// Raises LegendException for a negative number of skipped items.
void CheckLegendFirstValue(int firstValue);

// The series a series legend lists, in list order: those shown in the legend and active (with
// check boxes also the inactive ones), less the first `firstValue`.
std::vector<const TChartSeries*> LegendSeriesItems(const TChartSeriesList& series, bool checkBoxes,
                                                   int firstValue);

// An item text cut at the first two column separators; anything after a second one is dropped.
std::array<std::string, 2> SplitLegendText(const std::string& text);

// Height of one item: a line of text (at least 17 beside a check box), the extra spacing, and
// the dividing line between items stacked in one column.
int LegendItemHeight(int textLineHeight, bool checkBoxes, int vertSpacing, bool sideAligned,
                     int dividingLineWidth);

// Width of the widest item text with a blank before each column and the blanks between.
int LegendItemTextWidth(int blankWidth, int column0Width, int column1Width);

struct TLegendSymbolSizing {
    bool visible = true;
    bool squared = false;
    TLegendSymbolSize units = lcsPercent;
    int width = 20;
};
// Width of an item's symbol for an item text width.
int LegendSymbolWidth(const TLegendSymbolSizing& symbol, int itemTextWidth, int itemHeight);

// Everything the placement of the box needs.
struct TLegendLayoutInput {
    TLegendAlignment alignment = laRight;
    TRect plot;            // the plotting rectangle before the legend takes its room
    TRect panel;           // the chart's full bounds
    int frame = 0;         // frame pen width (or bevel width), 0 without a frame
    int chartShadowV = 0;  // the chart's shadow, vertical size
    int legendShadowH = 0; // the legend's own shadow, horizontal size (right legends)
    int firstValue = 0;
    int totalItems = 0;
    int itemHeight = 0;
    int itemTextWidth = 0;
    int symbolWidth = 0;
    int maxNumRows = 10;
    int topPos = 10;
    int horizMargin = 0;
    int vertMargin = 0;
    bool checkBoxes = false;
    bool resizeChart = true;
};

struct TLegendLayout {
    int columns = 0;
    int rows = 0;
    int lastItem = -1;
    TRect box;
    // The plotting rectangle once the legend has taken its room (unchanged when not drawn or
    // when the legend does not resize the chart).
    TRect plot;
    bool drawn = false;
};

TLegendLayout LayoutLegendBox(const TLegendLayoutInput& in);

// Where an item at display position p is drawn inside the box.
struct TLegendItemPlace {
    int textX = 0;
    int symbolX = 0;
    int y = 0;
    TRect symbol;
    int columnShift = 0; // from the box's left, for the dividing line
};

struct TLegendItemPlaceInput {
    TLegendAlignment alignment = laRight;
    TRect box;
    int columns = 1;
    int itemHeight = 0;
    int itemTextWidth = 0;
    int symbolWidth = 0;
    int vertSpacing = 0;
    int titleHeight = 0; // room the title takes at the top of the box, 0 without a title
    int positions = 0;   // items shown
    TLegendSymbolPosition symbolPosition = spLeft;
    bool continuous = false;
    bool checkBoxes = false;
};

TLegendItemPlace PlaceLegendItem(const TLegendItemPlaceInput& in, int position);

// The item shown at display position p: in order, or from the last item backwards.
inline int LegendItemAtPosition(int position, int firstValue, int lastItem, bool inverted) {
    return inverted ? lastItem - position : firstValue + position;
}
