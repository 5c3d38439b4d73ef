#include "ChartSeries.h"

#include "ChartAxisBase.h"
#include "ChartException.h"
#include "CustomChartBase.h"

#include <cstdio>

TChartSeries::TChartSeries() {
    xValues_ = &AddValueList("X");
    xValues_->SetOrder(loAscending);
    yValues_ = &AddValueList("Y");
    marks_.OnChange = [this] { RequestRepaint(); };
}

TChartSeries::~TChartSeries() {
    // Handlers see the series as it is now; no user event fires from the destructor.
    auto notifications = std::move(freeNotifications_);
    for (auto& [key, handler] : notifications)
        handler(*this);
    if (auto* chart = ParentChart())
        chart->ExtractSeries(*this);
}

TChartValueList& TChartSeries::AddValueList(const std::string& name) {
    return valueLists_.Add(std::make_unique<TChartValueList>(this, name));
}

TChartValueList* TChartSeries::ValueListByName(const std::string& name) const {
    for (const auto& list : valueLists_)
        if (list->Name() == name)
            return list.get();
    return nullptr;
}

// --- points -----------------------------------------------------------------------------------

int TChartSeries::AddValue(double value, const std::string& label, TColor color) {
    // The count is taken before the point goes in: X numbers the values 0, 1, 2, ...
    if (yIsMandatory_)
        return AddPoint(static_cast<double>(xValues_->ValueCount()), value, label, color);
    return AddPoint(value, static_cast<double>(yValues_->ValueCount()), label, color);
}

std::vector<TColor>& TChartSeries::EnsurePointColors(int entries) {
    if (!pointColors_)
        pointColors_.emplace(static_cast<std::size_t>(entries), DefaultPointColor);
    return *pointColors_;
}

int TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color) {
    xValues_->SetPendingValue(x);
    yValues_->SetPendingValue(y);
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;

    const int index = xValues_->InsertPending();
    yValues_->InsertValueAt(index, yValues_->PendingValue());
    for (int i = 2; i < valueLists_.Count(); ++i)
        valueLists_[i].InsertValueAt(index, valueLists_[i].PendingValue());

    if (pointColors_ || color != DefaultPointColor) {
        // Every point that existed before this one has no colour of its own.
        auto& colors = EnsurePointColors(PointCount() - 1);
        colors.insert(colors.begin() + index, color);
    }
    if (!label.empty() || !labels_.Empty())
        labels_.Insert(index, label);

    if (updateDepth_ == 0)
        NotifyPointAdded(index);
    return index;
}

void TChartSeries::NotifyPointAdded(int index) {
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    NotifyLinkedSeries(TSeriesChange::Added, index);
    if (Active())
        RequestRepaint();
}

void TChartSeries::RemoveAllPoints() {
    firstVisible_ = lastVisible_ = -1;
    for (const auto& list : valueLists_)
        list->RemoveAllValues();
    pointColors_.reset();
    labels_.Clear();
    if (OnClearValues)
        OnClearValues(*this);
    NotifyLinkedSeries(TSeriesChange::Cleared, 0);
    if (Active() && ParentChart() && !ParentChart()->Destroying())
        RequestRepaint();
}

void TChartSeries::DeletePoint(int index) {
    // A negative index is refused like one past the end: it would otherwise corrupt the lists.
    if (index < 0 || index >= PointCount()) {
        char message[96];
        std::snprintf(message, sizeof message,
                      "Series Delete: ValueIndex %d out of bounds (0 to %d).", index,
                      PointCount() - 1);
        throw ChartException(message);
    }
    for (const auto& list : valueLists_)
        list->DeleteValue(index);
    if (pointColors_ && index < static_cast<int>(pointColors_->size()))
        pointColors_->erase(pointColors_->begin() + index);
    labels_.Delete(index);
    NotifyLinkedSeries(TSeriesChange::Deleted, index);
    if (Active())
        RequestRepaint();
}

TColor TChartSeries::PointColor(int index) const {
    TColor color = DefaultPointColor;
    if (pointColors_ && index >= 0 && index < static_cast<int>(pointColors_->size()))
        color = (*pointColors_)[static_cast<std::size_t>(index)];
    if (color != DefaultPointColor)
        return color;
    if (!colorEachPoint_)
        return SeriesColor();
    if (auto* chart = ParentChart())
        return chart->PaletteColorFor(index);
    return PaletteColor(DefaultPalette(), index);
}

void TChartSeries::SetPointColor(int index, TColor color) {
    if (!pointColors_ && color == DefaultPointColor)
        return;
    auto& colors = EnsurePointColors(PointCount());
    assert(index >= 0 && index < static_cast<int>(colors.size()));
    colors[static_cast<std::size_t>(index)] = color;
    RequestRepaint();
}

void TChartSeries::SetPointLabel(int index, const std::string& label) {
    labels_.Set(index, label);
    RequestRepaint();
}

// --- colour, title, activity --------------------------------------------------------------------

TColor TChartSeries::SeriesColor() const {
    return seriesColor_ == DefaultPointColor ? autoSeriesColor_ : seriesColor_;
}

void TChartSeries::SetSeriesColor(TColor color) {
    if (seriesColor_ == DefaultPointColor && color == autoSeriesColor_)
        return;
    Change(seriesColor_, color);
    autoSeriesColor_ = color;
    if (auto* chart = ParentChart())
        chart->BroadcastSeriesEvent(TChartSeriesEventKind::ColorChanged, this);
}

void TChartSeries::SetActive(bool value) {
    TCustomChartSeries::SetActive(value);
    if (auto* chart = ParentChart())
        chart->BroadcastSeriesEvent(TChartSeriesEventKind::ActivityChanged, this);
}

void TChartSeries::SetTitle(const std::string& title) {
    TCustomChartSeries::SetTitle(title);
    if (auto* chart = ParentChart())
        chart->BroadcastSeriesEvent(TChartSeriesEventKind::TitleChanged, this);
}

std::string TChartSeries::DisplayTitle() const {
    if (!Title().empty())
        return Title();
    if (!Name().empty())
        return Name();
    if (auto* chart = ParentChart())
        return "Series" + std::to_string(chart->SeriesList().IndexOf(*this) + 1);
    return {};
}

void TChartSeries::SetParentChart(TCustomChartBase* chart) {
    if (chart == ParentChart())
        return;
    if (auto* old = ParentChart())
        old->ExtractSeries(*this);
    if (chart)
        chart->InsertSeries(*this);
}

void TChartSeries::AddedToChart() {
    if (seriesColor_ != DefaultPointColor)
        return;
    // The series is not in the chart's list yet, so it never blocks its own colour.
    autoSeriesColor_ = ParentChart()->PickFreeSeriesColor(true);
    ParentChart()->BroadcastSeriesEvent(TChartSeriesEventKind::ColorChanged, this);
}

// --- change notification ------------------------------------------------------------------------

void TChartSeries::EndPointBatch() {
    if (updateDepth_ <= 0)
        return;
    if (--updateDepth_ > 0)
        return;
    NotifyLinkedSeries(TSeriesChange::Refreshed, 0);
    if (auto* chart = ParentChart())
        chart->BroadcastSeriesEvent(TChartSeriesEventKind::DataChanged, this);
}

void TChartSeries::NotifyLinkedSeries(TSeriesChange /*kind*/, int /*index*/) {
    // No series takes another as its data source yet; derived-data series would refresh here
    // while updateDepth_ is 0.
}

void TChartSeries::AddFreeNotification(const void* key,
                                       std::function<void(TChartSeries&)> handler) {
    RemoveFreeNotification(key);
    freeNotifications_.emplace_back(key, std::move(handler));
}

void TChartSeries::RemoveFreeNotification(const void* key) {
    std::erase_if(freeNotifications_, [key](const auto& entry) { return entry.first == key; });
}

// --- axes and drawing services ------------------------------------------------------------------

TChartAxisBase* TChartSeries::GetHorizAxis() const {
    const auto* chart = ParentChart();
    if (!chart)
        return nullptr;
    return horizAxis_ == aTopAxis ? chart->TopAxis() : chart->BottomAxis();
}

TChartAxisBase* TChartSeries::GetVertAxis() const {
    const auto* chart = ParentChart();
    if (!chart)
        return nullptr;
    return vertAxis_ == aRightAxis ? chart->RightAxis() : chart->LeftAxis();
}

bool TChartSeries::AssociatedToAxis(const TChartAxisBase& axis) const {
    if (!UsesAxes())
        return false;
    if (axis.Horizontal())
        return horizAxis_ == aBothHorizAxis || GetHorizAxis() == &axis;
    return vertAxis_ == aBothVertAxis || GetVertAxis() == &axis;
}

TChartValueList* TChartSeries::ValueListOfAxis(const TChartAxisBase& axis) const {
    if (!AssociatedToAxis(axis))
        return nullptr;
    return axis.Horizontal() ? xValues_ : yValues_;
}

void TChartSeries::ComputeVisibleRange() {
    firstVisible_ = lastVisible_ = -1;
    const int count = PointCount();
    if (count == 0)
        return;
    const int last = count - 1;
    const TChartValueList& list = NonMandatoryList();
    const TChartAxisBase* axis = yIsMandatory_ ? GetHorizAxis() : GetVertAxis();
    // Without an axis there is no range to limit to: every point is visible.
    if (!limitToVisible_ || list.Order() == loNone || !axis) {
        firstVisible_ = 0;
        lastVisible_ = last;
        return;
    }

    const TRect plot = ParentChart()->PlotRect();
    int startPixel, endPixel;
    if (yIsMandatory_) {
        startPixel = axis->Inverted() ? plot.right : plot.left;
        endPixel = axis->Inverted() ? plot.left : plot.right;
    } else {
        startPixel = axis->Inverted() ? plot.top : plot.bottom;
        endPixel = axis->Inverted() ? plot.bottom : plot.top;
    }
    const double lo = axis->PixelToValue(startPixel);
    const double hi = axis->PixelToValue(endPixel);

    int first = 0;
    while (first <= last && list.ValueAt(first) < lo)
        ++first;
    if (first > last)
        return;
    firstVisible_ = first;

    if (list.ValueAt(last) <= hi) {
        lastVisible_ = last;
        return;
    }
    int end = first;
    while (end < last && list.ValueAt(end) < hi)
        ++end;
    if (!endBeyondEdge_ && list.ValueAt(end) > hi)
        --end;
    lastVisible_ = end;
}

bool TChartSeries::DrawsForward() const {
    if (!yIsMandatory_) {
        const auto* axis = GetVertAxis();
        return !(axis && axis->Inverted());
    }
    const auto* axis = GetHorizAxis();
    const bool inverted = axis && axis->Inverted();
    const bool reversed = ParentChart() && ParentChart()->ReverseSeriesOrder();
    return reversed ? inverted : !inverted;
}

void TChartSeries::DrawVisiblePoints(TSeriesDrawing& drawing) {
    if (DrawsForward()) {
        for (int i = firstVisible_; i <= lastVisible_; ++i)
            DrawValue(drawing, i);
    } else {
        for (int i = lastVisible_; i >= firstVisible_; --i)
            DrawValue(drawing, i);
    }
}

void TChartSeries::DoBeforeDrawValues() {
    if (BeforeDrawValues)
        BeforeDrawValues(*this);
}

void TChartSeries::DoAfterDrawValues() {
    if (AfterDrawValues)
        AfterDrawValues(*this);
}

int TChartSeries::XPixel(int index) const {
    const auto* axis = GetHorizAxis();
    assert(axis);
    return axis->ValueToPixel(xValues_->ValueAt(index));
}

int TChartSeries::YPixel(int index) const {
    const auto* axis = GetVertAxis();
    assert(axis);
    return axis->ValueToPixel(yValues_->ValueAt(index));
}

// --- depth --------------------------------------------------------------------------------------

void TChartSeries::CalcZOrder(int& maxZIndex) {
    if (zOrder_ == -1) {
        ++maxZIndex;
        zIndex_ = maxZIndex;
    } else if (zOrder_ > maxZIndex) {
        maxZIndex = zOrder_;
    }
}

void TChartSeries::CalcDepthPositions() {
    const int seriesDepth = ParentChart() ? ParentChart()->SeriesDepth() : 0;
    const int front = seriesDepth * zIndex_;
    SetFrontBackZ(front, front + (depth_ != -1 ? depth_ : seriesDepth));
}
