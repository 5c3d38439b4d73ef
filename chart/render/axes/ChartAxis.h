#pragma once

#include "ChartAxisBase.h"
#include "ChartPen.h"
#include "SetIfChanged.h"
#include "axes/AxisScale.h"
#include "axes/AxisSeries.h"
#include "frame/ChartShape.h"
#include "frame/PanelTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomAxisPanel;

// The axis line: 2 pixels wide unless told otherwise.
class TChartAxisPen : public TChartPen {
public:
    TChartAxisPen() { SetWidth(2); }
};

// Grid lines: dotted grey, at the labels or halfway between them, reaching from the back wall to
// ZPosition percent of the depth along the side walls.
class TAxisGridPen : public TDottedGrayPen {
public:
    explicit TAxisGridPen(double zPosition = 0) : zPosition_(zPosition) {}
    bool Centered() const { return centered_; }
    void SetCentered(bool v) { Set(centered_, v); }
    double ZPosition() const { return zPosition_; }
    void SetZPosition(double v) { Set(zPosition_, v); }

private:
    bool centered_ = false;
    double zPosition_;
};

// The caption written along an axis; upright on the left (90 degrees) and right (270) axes.
class TChartAxisTitle : public TChartCustomShape {
public:
    TChartAxisTitle(TCustomChartBase* chart, int angle) : TChartCustomShape(chart), angle_(angle) {}
    int Angle() const { return angle_; }
    // Stored modulo 360.
    void SetAngle(int v) { Change(angle_, ((v % 360) + 360) % 360); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { Change(caption_, v); }
    // Copies the angle and caption, then the shape's settings.
    void Assign(const TChartAxisTitle& other);

private:
    int angle_;
    std::string caption_;
};

// A label placed by hand at a value (none in this program).
struct TAxisItem {
    double value = 0;
    std::string text; // empty: the value's label text
    bool visible = true;
};

// The axis' custom labels and the format of all its labels: the labels font, the Labels switch
// (the format's visibility) and a frame that is transparent by default.
class TAxisItems {
public:
    explicit TAxisItems(TCustomChartBase* chart) : format_(chart) { format_.SetTransparent(true); }
    TChartCustomShape& Format() { return format_; }
    const TChartCustomShape& Format() const { return format_; }
    std::vector<TAxisItem>& Items() { return items_; }
    const std::vector<TAxisItem>& Items() const { return items_; }

private:
    TChartCustomShape format_;
    std::vector<TAxisItem> items_;
};

enum TAxisLabelAlign { alDefault, alOpposite };

// One axis of a chart: its scaling (TAxisScale), how it looks and where the last paint put its
// line, labels, title and ticks. The chart that owns it lays it out and paints it
// (ReserveAxisSpace, DrawAxis); series map their points through it.
class TChartAxis : public TChartAxisBase, public TAxisScale {
public:
    TChartAxis(TCustomAxisPanel* chart, TAxisSide side);
    ~TChartAxis() override = default;
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;

    TCustomAxisPanel* Chart() const { return chart_; }
    TAxisSide Side() const { return side_; }
    // Top, right and depth axes stand on the far side of the plotting rectangle.
    bool OtherSide() const { return otherSide_; }

    // --- the series' view ---------------------------------------------------------------------
    bool Horizontal() const override { return TAxisScale::Horizontal(); }
    bool Inverted() const override { return TAxisScale::Inverted(); }
    int ValueToPixel(double value) const override { return TAxisScale::ValueToPixel(value); }
    double PixelToValue(int pixel) const override { return TAxisScale::PixelToValue(pixel); }
    int AxisLength() const override { return TAxisScale::AxisLength(); }

    // --- settings -------------------------------------------------------------------------------
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Set(visible_, v); }
    TChartAxisPen& Axis() { return axisPen_; }
    const TChartAxisPen& Axis() const { return axisPen_; }
    TDarkGrayPen& Ticks() { return ticks_; }
    const TDarkGrayPen& Ticks() const { return ticks_; }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int v) { Set(tickLength_, v); }
    TDarkGrayPen& TicksInner() { return ticksInner_; }
    const TDarkGrayPen& TicksInner() const { return ticksInner_; }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int v) { Set(tickInnerLength_, v); }
    TDarkGrayPen& MinorTicks() { return minorTicks_; }
    const TDarkGrayPen& MinorTicks() const { return minorTicks_; }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int v) { Set(minorTickLength_, v); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int v) { Set(minorTickCount_, v); }
    TAxisGridPen& Grid() { return grid_; }
    const TAxisGridPen& Grid() const { return grid_; }
    bool GridCentered() const { return grid_.Centered(); }
    void SetGridCentered(bool v) { grid_.SetCentered(v); }
    TChartHiddenPen& MinorGrid() { return minorGrid_; }
    const TChartHiddenPen& MinorGrid() const { return minorGrid_; }
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool v) { Set(tickOnLabelsOnly_, v); }

    TAxisItems& Items() { return items_; }
    const TAxisItems& Items() const { return items_; }
    bool Labels() const { return items_.Format().Visible(); }
    void SetLabels(bool v) { items_.Format().SetVisible(v); }
    TChartFont& LabelsFont() { return items_.Format().Font(); }
    const TChartFont& LabelsFont() const { return items_.Format().Font(); }
    // Stored modulo 360.
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int v) { Set(labelsAngle_, ((v % 360) + 360) % 360); }
    TAxisLabelAlign LabelsAlign() const { return labelsAlign_; }
    void SetLabelsAlign(TAxisLabelAlign v) { Set(labelsAlign_, v); }
    bool LabelsAlternate() const { return labelsAlternate_; }
    void SetLabelsAlternate(bool v) { Set(labelsAlternate_, v); }
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool v) { Set(labelsOnAxis_, v); }
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool v) { Set(labelsMultiLine_, v); }
    // Fixed room for the labels (the title) in pixels; 0 measures it.
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int v) { Set(labelsSize_, v); }
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int v) { Set(titleSize_, v); }
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle v) { Set(labelStyle_, v); }
    const std::string& AxisValuesFormat() const { return valuesFormat_; }
    void SetAxisValuesFormat(const std::string& v) { Set(valuesFormat_, v); }
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool v) { Set(roundFirstLabel_, v); }
    // Shift of the axis line away from its side.
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double v) { Set(positionPercent_, v); }
    TChartUnits PositionUnits() const { return positionUnits_; }
    void SetPositionUnits(TChartUnits v) { Set(positionUnits_, v); }
    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }

    // May move or change a label, or cancel it by answering false.
    std::function<bool(TChartAxis& sender, int& x, int& y, std::string& text)> OnDrawLabel;

    // --- scaling through the chart -------------------------------------------------------------
    // Shown this paint: the chart's and the axis' switches, then the series (depth axes: 3D).
    bool AxisIsShown() const;
    void ComputeAutoRange();
    // Places the pixels on the plotting rectangle's side (the depth for a depth axis).
    void UpdatePositions();
    void ApplySeriesMargins();
    void ScrollRange(double offset, bool checkLimits);
    double SeriesExtreme(bool high) const;

    // The value in the labels' number format with the user's locale's separators, after the
    // chart's OnGetAxisLabel.
    virtual std::string LabelText(double value) const;
    // Room one label of `value` needs along the axis, in the labels font.
    int LabelSize(double value) const;
    // The step between labels for the current range and pixels.
    double LabelsIncrement() const;
    virtual TAxisLabelStyle ResolveLabelStyle() const;

    // --- state of the last paint ---------------------------------------------------------------
    bool IsShown() const { return isShown_; }
    void SetIsShown(bool v) { isShown_ = v; }
    int AxisLinePos() const { return axisLinePos_; }
    int LabelsPos() const { return labelsPos_; }
    int TitlePos() const { return titlePos_; }
    void SetAxisLinePos(int v) { axisLinePos_ = v; }
    void SetLabelsPos(int v) { labelsPos_ = v; }
    void SetTitlePos(int v) { titlePos_ = v; }
    // Where ticks and grid lines go, in the order the labels were drawn (highest value first).
    std::vector<int>& TickPositions() { return tickPositions_; }
    const std::vector<int>& TickPositions() const { return tickPositions_; }
    // While off the chart's OnGetAxisLabel is not asked (measuring the widest label).
    bool LabelEventEnabled() const { return labelEvent_; }
    void SetLabelEventEnabled(bool v) { labelEvent_ = v; }

protected:
    // Asks the chart for one later repaint.
    void RequestRepaint() const;
    template <class T> void Set(T& field, const T& value) {
        SetIfChanged(field, value, [this] { RequestRepaint(); });
    }

private:
    TCustomAxisPanel* chart_;
    TAxisSide side_;
    bool visible_;
    bool otherSide_;

    TChartAxisPen axisPen_;
    TDarkGrayPen ticks_;
    TDarkGrayPen ticksInner_;
    TDarkGrayPen minorTicks_;
    TAxisGridPen grid_;
    TChartHiddenPen minorGrid_;
    TAxisItems items_;
    TChartAxisTitle title_;
    int tickLength_ = 4;
    int tickInnerLength_ = 0;
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    bool tickOnLabelsOnly_ = true;
    int labelsAngle_ = 0;
    TAxisLabelAlign labelsAlign_ = alDefault;
    bool labelsAlternate_ = false;
    bool labelsOnAxis_ = true;
    bool labelsMultiLine_ = false;
    int labelsSize_ = 0;
    int titleSize_ = 0;
    TAxisLabelStyle labelStyle_ = talAuto;
    std::string valuesFormat_ = "#,##0.###";
    bool roundFirstLabel_ = true;
    double positionPercent_ = 0;
    TChartUnits positionUnits_ = muPercent;

    bool isShown_ = false;
    bool labelEvent_ = true;
    int axisLinePos_ = 0;
    int labelsPos_ = 0;
    int titlePos_ = 0;
    std::vector<int> tickPositions_;
};

// The axes of depth: hidden by default; their labels are the series' depth slots or values.
class TChartDepthAxis : public TChartAxis {
public:
    TChartDepthAxis(TCustomAxisPanel* chart, TAxisSide side);
    TAxisLabelStyle ResolveLabelStyle() const override;
};

// The chart's axes in creation order: bottom, top, left, right, depth, depth-top.
class TChartAxes {
public:
    explicit TChartAxes(TCustomAxisPanel* chart);

    int Count() const { return static_cast<int>(axes_.size()); }
    TChartAxis& operator[](int index) const { return *axes_[std::size_t(index)]; }
    TChartAxis& Bottom() const { return *axes_[0]; }
    TChartAxis& Top() const { return *axes_[1]; }
    TChartAxis& Left() const { return *axes_[2]; }
    TChartAxis& Right() const { return *axes_[3]; }
    TChartAxis& Depth() const { return *axes_[4]; }
    TChartAxis& DepthTop() const { return *axes_[5]; }

    auto begin() const { return axes_.begin(); }
    auto end() const { return axes_.end(); }

private:
    std::vector<std::unique_ptr<TChartAxis>> axes_;
};
