#include "legend/ChartLegend.h"

#include "ChartSeries.h"
#include "ChartSeriesList.h"
#include "CustomChartBase.h"

#include <algorithm>

TLegendSymbol::TLegendSymbol(TCustomChartBase* chart) : chart_(chart) {
    pen_.OnChange = [this] { Changed(); };
}

void TLegendSymbol::Changed() const {
    if (chart_)
        chart_->RequestRepaint();
}

TLegendTitle::TLegendTitle(TCustomChartBase* chart) : TChartCustomShape(chart) {
    SetTransparent(true);
    Font().SetStyle(fsBold);
    TChartCustomShape::Shadow().SetColor(clSilver);
    TChartCustomShape::Shadow().SetSize(2);
}

TCustomChartLegend::TCustomChartLegend(TCustomChartBase* chart)
    : TChartCustomShapePosition(chart), symbol_(chart), title_(chart) {
    // No shadow until it is asked for (see Shadow()).
    TChartCustomShape::Shadow().SetSize(0);
    dividingLines_.OnChange = [this] { Changed(); };
}

TChartShadow& TCustomChartLegend::Shadow() {
    TChartShadow& shadow = TChartCustomShape::Shadow();
    if (!shadowMade_) {
        shadowMade_ = true;
        shadow.SetColor(clBlack);
        shadow.SetSize(3);
    }
    return shadow;
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle v) {
    Change(legendStyle_, v);
    ResolveLegendStyle();
}

void TCustomChartLegend::ResolveLegendStyle() {
    state_.effectiveStyle = ::ResolveLegendStyle(legendStyle_, checkBoxes_, ActiveSeriesCount());
}

void TCustomChartLegend::SetFirstValue(int v) {
    CheckLegendFirstValue(v);
    Change(firstValue_, v);
}

void TCustomChartLegend::SetCheckBoxesStyle(TCheckBoxesStyle v) {
    Change(checkBoxesStyle_, v);
    if (v != cbsRadio || !ParentChart())
        return;
    bool first = true;
    for (TChartSeries* s : ParentChart()->SeriesList())
        if (s->Active() && s->ShowInLegend()) {
            if (!first)
                s->SetActive(false);
            first = false;
        }
}

int TCustomChartLegend::ActiveSeriesCount() const {
    int n = 0;
    if (ParentChart())
        for (const TChartSeries* s : ParentChart()->SeriesList())
            n += s->Active() ? 1 : 0;
    return n;
}

bool TCustomChartLegend::ShouldDraw() const {
    if (!Visible())
        return false;
    const TLegendStyle style = ::ResolveLegendStyle(legendStyle_, checkBoxes_, ActiveSeriesCount());
    return (checkBoxes_ && style != lsValues) || ActiveSeriesCount() > 0;
}

int TCustomChartLegend::LegendItemAt(int x, int y) const {
    const TLegendLayout& layout = state_.layout;
    if (!ShouldDraw() || !layout.drawn || !layout.box.Contains(x, y))
        return -1;
    const TLegendItemPlaceInput& places = state_.items.places;
    const int positions = static_cast<int>(state_.items.items.size());
    const int itemWidth = places.itemTextWidth + places.symbolWidth;
    for (int p = 0; p < positions; ++p) {
        const TLegendItemPlace place = PlaceLegendItem(places, p);
        const int left = std::min(place.symbolX, place.textX);
        const TRect r{left, place.y, left + itemWidth, place.y + places.itemHeight};
        if (r.Contains(x, y))
            return LegendItemAtPosition(p, firstValue_, layout.lastItem, inverted_);
    }
    return -1;
}
