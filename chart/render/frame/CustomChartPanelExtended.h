#pragma once

#include "ChartGradient.h"
#include "frame/CustomChartPanel.h"
#include "zoom/ChartZoom.h"

#include <memory>

// Adds the panel's fill gradient (made on first use; it fills the panel once Visible) and the
// settings of mouse zoom and scroll.
class TCustomChartPanelExtended : public TCustomChartPanel {
public:
    TChartGradient& Gradient();
    const TChartGradient* GradientIfAny() const { return gradient_.get(); }

    // The zoom settings and the zoom drag in progress.
    TChartZoom& Zoom() { return zoom_; }
    const TChartZoom& Zoom() const { return zoom_; }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode v) { allowPanning_ = v; }

protected:
    void FillPanel(const TRect& r) override;

private:
    std::unique_ptr<TChartGradient> gradient_;
    TChartZoom zoom_;
    TPanningMode allowPanning_ = pmBoth;
};
