#include "legend/LegendPainting.h"

void PaintLegend(TCanvas3D& /*canvas*/, const TChartLegend& /*legend*/) {
    // No items are listed yet: nothing to draw.
}
