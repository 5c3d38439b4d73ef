#include "axes/AxisLayout.h"
#include "axes/AxisPainting.h"
#include "frame/CustomAxisPanel.h"

// The axes' steps of the chart's paint: layout before the series take their depth, margins once
// the plotting rectangle is final, drawing before (or after) the series.

TRoom TCustomAxisPanel::LayoutAxes(const TRect& plot) {
    for (const auto& axis : axes_) {
        axis->SetIsShown(axis->AxisIsShown());
        axis->ComputeAutoRange();
    }
    PositionAxes();

    TRect r = plot;
    for (int j = 0; j < axes_.Count(); ++j) {
        TChartAxis& axis = axes_[j];
        if (!axis.IsShown())
            continue;
        // Every standard axis but the depth-top one takes its room.
        const int room = ReserveAxisSpace(axis, r, j < 5);
        const TRect rest = ShrinkSide(axis, r, room);
        if (!rest.IsEmpty())
            r = rest;
    }
    return {r.left - plot.left, r.top - plot.top, plot.right - r.right, plot.bottom - r.bottom};
}

void TCustomAxisPanel::PositionAxes() {
    for (const auto& axis : axes_)
        axis->UpdatePositions();
}

void TCustomAxisPanel::ApplySeriesMargins() {
    for (const auto& axis : axes_)
        axis->ApplySeriesMargins();
}

void TCustomAxisPanel::DrawAxes() {
    if (!AxisVisible())
        return;
    for (const auto& axis : axes_) {
        if (!axis->IsShown())
            continue;
        // A front plane seen from behind: the walls draw the bottom axis.
        if (axis->Side() == TAxisSide::Bottom && BackIsCulled(0))
            continue;
        DrawAxis(*axis, true);
    }
}
