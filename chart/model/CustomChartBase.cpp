#include "CustomChartBase.h"

#include "ChartSeries.h"

TCustomChartBase::~TCustomChartBase() {
    destroying_ = true;
    for (TChartEventListener* listener : listeners_.TakeAll())
        listener->ChartGoing(*this);
    for (TChartSeries* series : seriesList_.items_)
        series->StoreParentChart(nullptr);
    seriesList_.items_.clear();
}

void TCustomChartBase::AddSeries(TChartSeries& series) {
    series.SetParentChart(this);
}

void TCustomChartBase::RemoveSeries(TChartSeries& series) {
    if (series.ParentChart() == this)
        series.SetParentChart(nullptr);
}

void TCustomChartBase::InsertSeries(TChartSeries& series) {
    if (seriesList_.Contains(series))
        return;
    series.StoreParentChart(this);
    series.AddedToChart();
    seriesList_.items_.push_back(&series);
    BroadcastSeriesEvent(TChartSeriesEventKind::SeriesAdded, &series);
    Invalidate();
}

void TCustomChartBase::ExtractSeries(TChartSeries& series) {
    BroadcastSeriesEvent(TChartSeriesEventKind::SeriesRemoved, &series);
    series.StoreParentChart(nullptr);
    std::erase(seriesList_.items_, &series);
    Invalidate();
}

void TCustomChartBase::SetColorPaletteIndex(int index) {
    if (index == colorPaletteIndex_)
        return;
    colorPaletteIndex_ = index;
    const auto palette = ColorPalette(index);
    chartPalette_.assign(palette.begin(), palette.end());
    for (TChartSeries* series : seriesList_)
        if (series->seriesColor_ == DefaultPointColor)
            series->autoSeriesColor_ = PickFreeSeriesColor(true, series);
    Invalidate();
}

TColor TCustomChartBase::PaletteColorFor(int index) const {
    if (chartPalette_.empty())
        return PaletteColor(DefaultPalette(), index);
    return PaletteColor(chartPalette_, index);
}

TColor TCustomChartBase::PickFreeSeriesColor(bool checkBackground,
                                             const TChartSeries* exclude) const {
    const int highest =
        static_cast<int>(chartPalette_.empty() ? DefaultPalette().size() : chartPalette_.size()) -
        1;
    for (int i = 0; i <= highest; ++i) {
        const TColor color = PaletteColorFor(i);
        if (ColorIsUnused(color, checkBackground, exclude))
            return color;
    }
    return PaletteColorFor(highest);
}

bool TCustomChartBase::ColorIsUnused(TColor color, bool checkBackground,
                                     const TChartSeries* exclude) const {
    for (const TChartSeries* series : seriesList_)
        if (series != exclude && series->SeriesColor() == color)
            return false;
    if (checkBackground && (color == color_ || color == BackWallColor()))
        return false;
    return true;
}

void TCustomChartBase::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Invalidate();
}

void TCustomChartBase::BroadcastEvent(TChartEvent& event) {
    if (destroying_)
        return;
    event.Sender = this;
    // A listener may unregister itself (or another) while it handles the event.
    const int count = listeners_.Count();
    std::vector<TChartEventListener*> snapshot;
    snapshot.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        snapshot.push_back(listeners_[i]);
    for (TChartEventListener* listener : snapshot)
        if (listeners_.Contains(listener))
            listener->ChartEvent(event);
}

void TCustomChartBase::BroadcastSeriesEvent(TChartSeriesEventKind kind, TChartSeries* series) {
    TChartSeriesEvent event(kind, series);
    BroadcastEvent(event);
}

void TCustomChartBase::Invalidate() {
    if (!repaintEnabled_ || destroying_)
        return;
    ++invalidateCount_;
    DoInvalidate();
    if (OnInvalidate)
        OnInvalidate();
}
