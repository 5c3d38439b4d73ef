#include "legend/LegendLayout.h"

TRoom LayoutLegend(TChartLegend& /*legend*/, TChartCanvas& /*canvas*/, const TRect& /*plot*/) {
    // No items are listed yet: the legend takes no room.
    return {};
}
