#pragma once

#include "ChartGradient.h"
#include "frame/CustomChartPanel.h"

#include <memory>

// Adds the panel's fill gradient (made on first use; it fills the panel once Visible).
class TCustomChartPanelExtended : public TCustomChartPanel {
public:
    TChartGradient& Gradient();
    const TChartGradient* GradientIfAny() const { return gradient_.get(); }

protected:
    void FillPanel(const TRect& r) override;

private:
    std::unique_ptr<TChartGradient> gradient_;
};
