#include "axes/ChartAxis.h"

#include "NumberFormat.h"
#include "axes/AxisSteps.h"
#include "frame/CustomAxisPanel.h"

#include <QLocale>

#include <algorithm>

namespace {

TNumberSeparators LocaleSeparators() {
    const QLocale locale;
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

bool IsDepthSide(TAxisSide side) {
    return side == TAxisSide::Depth || side == TAxisSide::DepthTop;
}

} // namespace

TChartAxis::TChartAxis(TCustomAxisPanel* chart, TAxisSide side)
    : TAxisScale(side == TAxisSide::Bottom || side == TAxisSide::Top, IsDepthSide(side)),
      chart_(chart), side_(side), visible_(!IsDepthSide(side)),
      otherSide_(side == TAxisSide::Top || side == TAxisSide::Right || side == TAxisSide::Depth),
      grid_(side == TAxisSide::Top || side == TAxisSide::Right ? 100 : 0), items_(chart),
      title_(chart, side == TAxisSide::Left    ? 90
                    : side == TAxisSide::Right ? 270
                                               : 0) {
    if (side == TAxisSide::Top || side == TAxisSide::Right)
        SetZPosition(100);
    const auto repaint = [this] { RequestRepaint(); };
    OnChange = repaint;
    for (TChartPen* pen :
         {static_cast<TChartPen*>(&axisPen_), static_cast<TChartPen*>(&ticks_),
          static_cast<TChartPen*>(&ticksInner_), static_cast<TChartPen*>(&minorTicks_),
          static_cast<TChartPen*>(&grid_), static_cast<TChartPen*>(&minorGrid_)})
        pen->OnChange = repaint;
}

void TChartAxisTitle::Assign(const TChartAxisTitle& other) {
    SetAngle(other.Angle());
    SetCaption(other.Caption());
    SetVisible(other.Visible());
    Font().Assign(other.Font());
    Pen().Assign(other.Pen());
    Brush().Assign(other.Brush());
    Shadow().Assign(other.Shadow());
    SetColor(other.Color());
    SetTransparent(other.Transparent());
    SetBevel(other.Bevel());
    SetBevelWidth(other.BevelWidth());
    SetShapeStyle(other.ShapeStyle());
    SetTransparency(other.Transparency());
}

void TChartAxis::RequestRepaint() const {
    if (chart_)
        chart_->RequestRepaint();
}

bool TChartAxis::AxisIsShown() const {
    if (!chart_ || !chart_->AxisVisible() || !visible_)
        return false;
    if (IsDepthAxis())
        return chart_->View3D();
    return SeriesShowAxis(chart_->SeriesList(), *this);
}

double TChartAxis::SeriesExtreme(bool high) const {
    if (IsDepthAxis())
        return high ? chart_->MaxZIndex() + 0.5 : -0.5;
    return ::SeriesExtreme(chart_->SeriesList(), *this, high);
}

void TChartAxis::ComputeAutoRange() {
    TAxisScale::ComputeAutoRange(SeriesExtreme(false), SeriesExtreme(true));
}

void TChartAxis::UpdatePositions() {
    const TRect plot = chart_->PlotRect();
    if (IsDepthAxis())
        TAxisScale::UpdatePositions(0, chart_->ChartDepth(), chart_->PlotHeight());
    else if (Horizontal())
        TAxisScale::UpdatePositions(plot.left, chart_->PlotWidth(), chart_->ChartDepth());
    else
        TAxisScale::UpdatePositions(plot.top, chart_->PlotHeight(), chart_->ChartDepth());
}

void TChartAxis::ApplySeriesMargins() {
    const TAxisMargins m =
        SeriesMargins(chart_->SeriesList(), *this, AutomaticMinimum(), AutomaticMaximum());
    TAxisScale::ApplySeriesMargins(m.start, m.end);
}

void TChartAxis::ScrollRange(double offset, bool checkLimits) {
    const double low = checkLimits ? SeriesExtreme(false) : 0;
    const double high = checkLimits ? SeriesExtreme(true) : 0;
    TAxisScale::ScrollRange(offset, checkLimits, low, high);
}

std::string TChartAxis::LabelText(double value) const {
    std::string text = FormatNumber(value, valuesFormat_, LocaleSeparators());
    if (labelEvent_ && chart_ && chart_->OnGetAxisLabel)
        chart_->OnGetAxisLabel(*this, nullptr, -1, text);
    if (labelsMultiLine_)
        std::replace(text.begin(), text.end(), ' ', '\r');
    return text;
}

int TChartAxis::LabelSize(double value) const {
    const TChartCanvas& canvas = chart_->Canvas();
    return ::LabelSize(LabelText(value), Horizontal(), labelsAngle_, canvas.TextLineHeight(),
                       [&](const std::string& s) { return canvas.TextPixelWidth(s); });
}

double TChartAxis::LabelsIncrement() const {
    chart_->Canvas().SelectFont(LabelsFont());
    const int m = std::max(LabelSize(RangeMaximum()), LabelSize(RangeMinimum()));
    const TStepRule rule{RangeSpan(), Increment(), LabelsSeparation(),
                         FewestXPoints(chart_->SeriesList(), *this)};
    double step = IncrementForLabelSize(m, AxisLength(), rule);
    if (labelsAlternate_)
        step /= 2;
    return step;
}

TAxisLabelStyle TChartAxis::ResolveLabelStyle() const {
    return ::ResolveLabelStyle(labelStyle_, chart_->SeriesList(), *this);
}

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* chart, TAxisSide side)
    : TChartAxis(chart, side) {}

TAxisLabelStyle TChartDepthAxis::ResolveLabelStyle() const {
    // The program's series have no depth values: the labels would be the series' titles.
    return LabelStyle() != talAuto ? LabelStyle() : talText;
}

TChartAxes::TChartAxes(TCustomAxisPanel* chart) {
    for (TAxisSide side : {TAxisSide::Bottom, TAxisSide::Top, TAxisSide::Left, TAxisSide::Right})
        axes_.push_back(std::make_unique<TChartAxis>(chart, side));
    axes_.push_back(std::make_unique<TChartDepthAxis>(chart, TAxisSide::Depth));
    axes_.push_back(std::make_unique<TChartDepthAxis>(chart, TAxisSide::DepthTop));
}
