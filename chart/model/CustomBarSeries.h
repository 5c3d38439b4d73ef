#pragma once

#include "ChartSeries.h"

enum TBarStyle {
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
enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack };

// Base of the series drawn as bars rising from an origin; its data-side settings. The pen is
// the bar outline, the brush the bar fill. Bars show their marks by default.
class TCustomBarSeries : public TChartSeries {
public:
    TCustomBarSeries() {
        Marks().SetVisible(true);
        Marks().SetCallOutLength(20);
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

private:
    double yOrigin_ = 0;
    TBarStyle barStyle_ = bsRectangle;
    TMultiBar multiBar_ = mbSide;
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
