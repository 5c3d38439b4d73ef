#include "CustomBarSeries.h"

#include "BarLayout.h"
#include "ChartAxisBase.h"
#include "CustomChartBase.h"

#include <algorithm>
#include <cassert>

bool TCustomBarSeries::HoldsClassOf(const TChartSeries& other) const {
    return dynamic_cast<const TCustomBarSeries*>(&other) != nullptr;
}

bool TCustomBarSeries::SameBarFamily(const TChartSeries& other) const {
    if (HoldsClassOf(other))
        return true;
    const auto* bar = dynamic_cast<const TCustomBarSeries*>(&other);
    return bar != nullptr && bar->HoldsClassOf(*this);
}

void TCustomBarSeries::PrepareForDrawing() {
    barOrder_ = 1;
    pointsBefore_ = 0;
    barCount_ = 0;
    slotCount_ = -1;
    const TCustomChartBase* chart = ParentChart();
    if (!chart)
        return;
    bool beforeThis = true;
    for (const TChartSeries* s : chart->SeriesList()) {
        if (s == this)
            beforeThis = false;
        if (!s->Active() || !SameBarFamily(*s))
            continue;
        const int n = s->PointCount();
        if (slotCount_ == -1 || slotCount_ < n)
            slotCount_ = n + (SideMargins() ? 1 : 0);
        switch (MultiBar()) {
        case TMultiBar::mbSide:
        case TMultiBar::mbSideAll:
            ++barCount_;
            if (beforeThis) {
                ++barOrder_;
                pointsBefore_ += n;
            }
            break;
        default:
            // Stacked arrangements are not drawn by this program; one bar per slot.
            barCount_ = 1;
            break;
        }
    }
}

void TCustomBarSeries::CalcHorizMargins(int& left, int& right) {
    const TChartAxisBase* axis = GetHorizAxis();
    barSize_ = BarSizeFor(axis ? axis->AxisLength() : 0, slotCount_, BarWidthPercent(), barCount_,
                          CustomBarWidth());
    const int margin = MultiBar() == TMultiBar::mbSideAll ? barSize_ : barSize_ * barCount_;
    left = right = SideMargins() ? margin : margin / 2;
}

int TCustomBarSeries::XPixel(int index) const {
    int x = TChartSeries::XPixel(index);
    if (MultiBar() == TMultiBar::mbNone)
        x -= barSize_ / 2;
    else
        x += RoundToInt((barOrder_ - barCount_ * 0.5 - 1) * barSize_);
    if (OffsetPercent() != 0)
        x += RoundToInt(OffsetPercent() * barSize_ * 0.01);
    return x;
}

double TCustomBarSeries::MinY() const {
    const double m = TChartSeries::MinY();
    return UseYOrigin() ? std::min(m, YOrigin()) : m;
}

double TCustomBarSeries::MaxY() const {
    const double m = TChartSeries::MaxY();
    return UseYOrigin() ? std::max(m, YOrigin()) : m;
}

void TCustomBarSeries::CalcZOrder(int& maxZIndex) {
    if (MultiBar() != TMultiBar::mbNone && ParentChart()) {
        for (TChartSeries* s : ParentChart()->SeriesList()) {
            if (s == this)
                break;
            if (s->Active() && SameBarFamily(*s)) {
                SetZIndex(s->ZIndex());
                return;
            }
        }
    }
    TChartSeries::CalcZOrder(maxZIndex);
}

void TCustomBarSeries::CalcDepthPositions() {
    TChartSeries::CalcDepthPositions();
    const int d = BarDepthInset(DepthPercent(), FrontZ(), BackZ());
    if (d != 0) {
        // The centre stays where the whole slot puts it.
        const int centre = CentreZ();
        SetFrontBackZ(FrontZ() + d, BackZ() - d);
        SetCentreZ(centre);
    }
}

TRect TCustomBarSeries::BarBounds(int index) const {
    TRect r;
    r.left = XPixel(index);
    const int plain = r.left + barSize_ + 1;
    if (BarWidthPercent() != 100 || CustomBarWidth() != 0) {
        r.right = plain;
    } else {
        // Full-width bars touch their neighbour.
        const TChartAxisBase* axis = GetHorizAxis();
        const bool inverted = axis && axis->Inverted();
        if (inverted)
            r.right = index > 0 ? XPixel(index - 1) : plain;
        else
            r.right = index + 1 < PointCount() ? XPixel(index + 1) : plain;
    }
    r.top = YPixel(index);
    if (UseYOrigin()) {
        const TChartAxisBase* axis = GetVertAxis();
        assert(axis);
        r.bottom = axis->ValueToPixel(OriginValue(index));
    } else {
        r.bottom = ParentChart() ? ParentChart()->PlotRect().bottom : 0;
    }
    if (!Pen().Visible()) {
        (r.top > r.bottom ? r.top : r.bottom) += 1;
        ++r.right;
    }
    return r;
}
