#pragma once

#include "ChangeNotifier.h"
#include "axes/AxisMapping.h"

// The scaling side of an axis, without the chart: the range settings, the range and pixels of
// the last paint, both mappings and the range operations. The chart feeds it the series
// extremes and margins and the plotting rectangle's side; TChartAxis adds the drawing.
//
// Setters store a new value and tell OnChange (the axis asks its chart to repaint) only when it
// differs; the checking setters raise AxisException and keep the old value.
class TAxisScale : public TChangeNotifier {
public:
    explicit TAxisScale(bool horizontal = false, bool depth = false)
        : horizontal_(horizontal), depth_(depth) {}

    // --- settings ---------------------------------------------------------------------------
    bool Horizontal() const { return horizontal_; }
    bool IsDepthAxis() const { return depth_; }

    bool Automatic() const { return automatic_; }
    // Also sets both automatic ends, except while the settings are being loaded.
    void SetAutomatic(bool v);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool v);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool v);
    double Minimum() const { return minimum_; }
    // Refuses a minimum above the maximum, except while loading.
    void SetMinimum(double v);
    double Maximum() const { return maximum_; }
    void SetMaximum(double v);
    double Increment() const { return increment_; }
    void SetIncrement(double v);
    int MinimumOffset() const { return minimumOffset_; }
    void SetMinimumOffset(int v) { Set(minimumOffset_, v); }
    int MaximumOffset() const { return maximumOffset_; }
    void SetMaximumOffset(int v) { Set(maximumOffset_, v); }
    bool Inverted() const { return inverted_; }
    void SetInverted(bool v) { Set(inverted_, v); }
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int v);
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double v) { Set(startPosition_, v); }
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double v) { Set(endPosition_, v); }
    double ZPosition() const { return zPosition_; }
    void SetZPosition(double v) { Set(zPosition_, v); }

    // While set, Minimum and Maximum accept any value and Automatic leaves the ends alone.
    bool Loading() const { return loading_; }
    void SetLoading(bool v) { loading_ = v; }

    // --- state of the last paint -------------------------------------------------------------
    double RangeMinimum() const { return rangeMinimum_; }
    double RangeMaximum() const { return rangeMaximum_; }
    double RangeSpan() const { return rangeSpan_; }
    bool RangeIsZero() const { return rangeIsZero_; }
    double PixelsPerUnit() const { return pixelsPerUnit_; }
    int StartPixel() const { return startPixel_; }
    int EndPixel() const { return endPixel_; }
    int AxisLength() const { return axisLength_; }
    int CenterPixel() const { return centerPixel_; }
    int DepthOffset() const { return depthOffset_; }

    // --- scaling steps -----------------------------------------------------------------------
    // The automatic ends take the series extremes (no checks, no repaint); the range follows.
    void ComputeAutoRange(double seriesLow, double seriesHigh);
    // Places the axis on its side: `start` and `size` of the plotting rectangle along the axis
    // (0 and the chart depth for a depth axis), `depthBase` the chart depth (the plotting
    // height for a depth axis) for DepthOffset.
    void UpdatePositions(int start, int size, int depthBase);
    // Widens the range so the data land `startMargin` pixels inside the start pixel (left or
    // top) and `endMargin` inside the end pixel; the offsets are added here. Minimum and Maximum
    // keep the data extremes.
    void ApplySeriesMargins(int startMargin, int endMargin);

    int ValueToPixel(double value) const { return Mapping().Pixel(value); }
    double PixelToValue(int pixel) const;
    // The value-to-pixel mapping of the current range and pixels.
    TAxisMapping Mapping() const;

    // --- range operations ----------------------------------------------------------------------
    // A fixed range: the automatic switches go off; the ends are put in order, at least 1e-10
    // apart.
    void SetRange(double low, double high);
    // Shifts the fixed range by `offset`. With `checkLimits` only toward data beyond the range:
    // up when seriesHigh is above Maximum, down when seriesLow is below Minimum.
    void ScrollRange(double offset, bool checkLimits, double seriesLow, double seriesHigh);

private:
    void RecalcRange();
    void SetAutomaticSwitches(bool automatic, bool low, bool high);

    bool horizontal_;
    bool depth_;
    bool automatic_ = true;
    bool automaticMinimum_ = true;
    bool automaticMaximum_ = true;
    double minimum_ = 0;
    double maximum_ = 0;
    double increment_ = 0;
    int minimumOffset_ = 0;
    int maximumOffset_ = 0;
    bool inverted_ = false;
    int labelsSeparation_ = 10;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double zPosition_ = 0;
    bool loading_ = false;

    double rangeMinimum_ = 0;
    double rangeMaximum_ = 0;
    double rangeSpan_ = 0;
    bool rangeIsZero_ = true;
    double pixelsPerUnit_ = 0;
    int start_ = 0; // the side the pixels were last placed on
    int size_ = 0;
    int depthBase_ = 0;
    int startPixel_ = 0;
    int endPixel_ = 0;
    int axisLength_ = 0;
    int centerPixel_ = 0;
    int depthOffset_ = 0;
};
