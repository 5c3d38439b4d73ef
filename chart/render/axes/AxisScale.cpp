#include "axes/AxisScale.h"

#include "ChartGeometry.h"
#include "axes/AxisException.h"

#include <utility>

namespace {
// Closest two ends of a fixed range may come.
constexpr double MinimumFixedSpan = 1e-10;
} // namespace

void TAxisScale::SetAutomaticSwitches(bool automatic, bool low, bool high) {
    if (automatic == automatic_ && low == automaticMinimum_ && high == automaticMaximum_)
        return;
    automatic_ = automatic;
    automaticMinimum_ = low;
    automaticMaximum_ = high;
    Changed();
}

void TAxisScale::SetAutomatic(bool v) {
    if (loading_)
        SetAutomaticSwitches(v, automaticMinimum_, automaticMaximum_);
    else
        SetAutomaticSwitches(v, v, v);
}

void TAxisScale::SetAutomaticMinimum(bool v) {
    const bool automatic = !v ? false : automaticMaximum_ ? true : automatic_;
    SetAutomaticSwitches(automatic, v, automaticMaximum_);
}

void TAxisScale::SetAutomaticMaximum(bool v) {
    const bool automatic = !v ? false : automaticMinimum_ ? true : automatic_;
    SetAutomaticSwitches(automatic, automaticMinimum_, v);
}

void TAxisScale::SetMinimum(double v) {
    if (!loading_ && v > maximum_)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    Set(minimum_, v);
}

void TAxisScale::SetMaximum(double v) {
    if (!loading_ && v < minimum_)
        throw AxisException("Axis Maximum Value must be >= Minimum");
    Set(maximum_, v);
}

void TAxisScale::SetIncrement(double v) {
    if (v < 0)
        throw AxisException("Axis increment must be >= 0");
    Set(increment_, v);
}

void TAxisScale::SetLabelsSeparation(int v) {
    if (v < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    Set(labelsSeparation_, v);
}

void TAxisScale::ComputeAutoRange(double seriesLow, double seriesHigh) {
    if (automatic_ || automaticMaximum_)
        maximum_ = seriesHigh;
    if (automatic_ || automaticMinimum_)
        minimum_ = seriesLow;
    rangeMaximum_ = maximum_;
    rangeMinimum_ = minimum_;
    RecalcRange();
}

void TAxisScale::RecalcRange() {
    rangeSpan_ = rangeMaximum_ - rangeMinimum_;
    rangeIsZero_ = rangeSpan_ == 0;
    pixelsPerUnit_ = rangeIsZero_ ? 0 : axisLength_ / rangeSpan_;
    depthOffset_ = RoundToInt(zPosition_ * depthBase_ * 0.01);
}

void TAxisScale::UpdatePositions(int start, int size, int depthBase) {
    start_ = start;
    size_ = size;
    depthBase_ = depthBase;
    startPixel_ = start + RoundToInt(size * 0.01 * startPosition_);
    endPixel_ = start + RoundToInt(size * 0.01 * endPosition_);
    axisLength_ = endPixel_ - startPixel_;
    centerPixel_ = (startPixel_ + endPixel_) / 2;
    RecalcRange();
}

void TAxisScale::ApplySeriesMargins(int startMargin, int endMargin) {
    // The offsets belong to the low and high values; on a vertical axis the low values are at
    // the end (bottom), and an inverted axis turns that round.
    int lowOffset = minimumOffset_;
    int highOffset = maximumOffset_;
    if (inverted_)
        std::swap(lowOffset, highOffset);
    if (horizontal_) {
        startMargin += lowOffset;
        endMargin += highOffset;
    } else {
        startMargin += highOffset;
        endMargin += lowOffset;
    }
    if (startMargin == 0 && endMargin == 0)
        return;

    const int s0 = startPixel_;
    const int e0 = endPixel_;
    startPixel_ = s0 + startMargin;
    endPixel_ = e0 - endMargin;
    axisLength_ = endPixel_ - startPixel_;
    const double startValue = PixelToValue(s0);
    const double endValue = PixelToValue(e0);

    UpdatePositions(start_, size_, depthBase_);
    rangeMinimum_ = startValue;
    rangeMaximum_ = endValue;
    if (rangeMinimum_ > rangeMaximum_)
        std::swap(rangeMinimum_, rangeMaximum_);
    RecalcRange();
}

double TAxisScale::PixelToValue(int pixel) const {
    if (axisLength_ < 1)
        return 0;
    const double a = inverted_ ? (endPixel_ - pixel) * rangeSpan_ / axisLength_
                               : (pixel - startPixel_) * rangeSpan_ / axisLength_;
    return horizontal_ ? rangeMinimum_ + a : rangeMaximum_ - a;
}

TAxisMapping TAxisScale::Mapping() const {
    TAxisMapping m;
    m.zeroRange = rangeIsZero_;
    if (rangeIsZero_) {
        m.offset = centerPixel_;
        return m;
    }
    m.origin = rangeMinimum_;
    if (depth_) {
        // Depth pixels count from the front, not from StartPixel.
        m.offset = 0;
        m.scale = inverted_ ? -pixelsPerUnit_ : pixelsPerUnit_;
        if (inverted_)
            m.origin = rangeMaximum_;
        return m;
    }
    // X form: StartPixel + a, EndPixel - a when inverted; the Y form the other way round.
    const bool fromStart = horizontal_ != inverted_;
    m.offset = fromStart ? startPixel_ : endPixel_;
    m.scale = fromStart ? pixelsPerUnit_ : -pixelsPerUnit_;
    return m;
}

void TAxisScale::SetRange(double low, double high) {
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    if (low > high)
        std::swap(low, high);
    minimum_ = low;
    maximum_ = high;
    if (maximum_ - minimum_ < MinimumFixedSpan)
        maximum_ = minimum_ + MinimumFixedSpan;
    Changed();
}

void TAxisScale::ScrollRange(double offset, bool checkLimits, double seriesLow, double seriesHigh) {
    if (checkLimits) {
        const bool more = offset > 0 ? seriesHigh > maximum_ : offset < 0 && seriesLow < minimum_;
        if (!more)
            return;
    }
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    maximum_ += offset;
    minimum_ += offset;
    Changed();
}
