#pragma once

#include "ChartGeometry.h"
#include "ChartGradient.h"
#include "ChartSeries.h"

enum class TBarStyle {
    bsRectangle,
    bsPyramid,
    bsInvPyramid,
    bsCilinder,
    bsEllipse,
    bsArrow,
    bsRectGradient,
    bsCone,
    bsBevel
};
enum class TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack };

// Base of the series drawn as bars rising from an origin; its data-side settings. The pen is
// the bar outline, the brush the bar fill. Bars show their marks by default.
class TCustomBarSeries : public TChartSeries {
public:
    TCustomBarSeries() {
        Marks().SetVisible(true);
        Marks().SetCallOutLength(20);
        gradient_.SetVisible(true);
        gradient_.SetStartColor(clWhite);
        gradient_.OnChange = [this] { RequestRepaint(); };
    }

    TChartPen& BarPen() { return Pen(); }
    TChartBrush& BarBrush() { return Brush(); }

    TBarStyle BarStyle() const { return barStyle_; }
    void SetBarStyle(TBarStyle v) { Change(barStyle_, v); }
    int BarWidthPercent() const { return barWidthPercent_; }
    void SetBarWidthPercent(int v) { Change(barWidthPercent_, v); }
    int OffsetPercent() const { return offsetPercent_; }
    void SetOffsetPercent(int v) { Change(offsetPercent_, v); }
    bool SideMargins() const { return sideMargins_; }
    void SetSideMargins(bool v) { Change(sideMargins_, v); }
    TMultiBar MultiBar() const { return multiBar_; }
    void SetMultiBar(TMultiBar v) { Change(multiBar_, v); }
    bool AutoBarSize() const { return autoBarSize_; }
    void SetAutoBarSize(bool v) { Change(autoBarSize_, v); }
    int CustomBarWidth() const { return customBarWidth_; }
    void SetCustomBarWidth(int v) { Change(customBarWidth_, v); }
    bool UseYOrigin() const { return useYOrigin_; }
    void SetUseYOrigin(bool v) { Change(useYOrigin_, v); }
    double YOrigin() const { return yOrigin_; }
    void SetYOrigin(double v) { Change(yOrigin_, v); }
    int DepthPercent() const { return depthPercent_; }
    void SetDepthPercent(int v) { Change(depthPercent_, v); }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool v) { Change(dark3D_, v); }
    int BevelSize() const { return bevelSize_; }
    void SetBevelSize(int v) { Change(bevelSize_, v); }
    // The front face of bsRectGradient bars; its end colour is each bar's colour.
    TChartGradient& Gradient() { return gradient_; }
    const TChartGradient& Gradient() const { return gradient_; }

    // --- layout of one paint ----------------------------------------------------------------
    // Position among the bar series side by side (1-based), how many stand side by side, the
    // points of the series before this one, and the slots the axis is divided into.
    int BarOrder() const { return barOrder_; }
    int BarCount() const { return barCount_; }
    int PointsBefore() const { return pointsBefore_; }
    int SlotCount() const { return slotCount_; }
    // Width of one bar in pixels, set when the horizontal axis asks for the margins.
    int BarSize() const { return barSize_; }

    // Counts the active series of this bar family in the chart to share the axis among them.
    void PrepareForDrawing() override;
    // Computes BarSize; the outer bars keep a margin of about one bar on each side.
    void CalcHorizMargins(int& left, int& right) override;
    // The left edge of the bar, so that the bars side by side centre on the value.
    int XPixel(int index) const override;
    // With UseYOrigin the vertical range always includes the origin.
    double MinY() const override;
    double MaxY() const override;
    // Bars side by side share the depth slot of the first of them.
    void CalcZOrder(int& maxZIndex) override;
    // The slot's depth, narrowed by DepthPercent.
    void CalcDepthPositions() override;

    // The pixel rectangle of point `index`'s bar; top and bottom are not ordered.
    TRect BarBounds(int index) const;
    // The value the bars rise from.
    virtual double OriginValue(int /*index*/) const { return yOrigin_; }

protected:
    // True when `other` is an instance of this class (or of a class derived from it); two
    // series are of one bar family when either holds the other's class.
    virtual bool HoldsClassOf(const TChartSeries& other) const;
    bool SameBarFamily(const TChartSeries& other) const;

private:
    TChartGradient gradient_;
    int barOrder_ = 1;
    int barCount_ = 0;
    int pointsBefore_ = 0;
    int slotCount_ = -1;
    int barSize_ = 0;

    double yOrigin_ = 0;
    TBarStyle barStyle_ = TBarStyle::bsRectangle;
    TMultiBar multiBar_ = TMultiBar::mbSide;
    int barWidthPercent_ = 70;
    int offsetPercent_ = 0;
    int customBarWidth_ = 0;
    int depthPercent_ = 100;
    int bevelSize_ = 1;
    bool sideMargins_ = true;
    bool autoBarSize_ = false;
    bool useYOrigin_ = true;
    bool dark3D_ = true;
};
