#include "frame/CustomChartPanelExtended.h"

#include "device/GradientDrawing.h"

TChartGradient& TCustomChartPanelExtended::Gradient() {
    if (!gradient_) {
        gradient_ = std::make_unique<TChartGradient>();
        gradient_->OnChange = [this] { Invalidate(); };
    }
    return *gradient_;
}

void TCustomChartPanelExtended::FillPanel(const TRect& r) {
    if (gradient_ && gradient_->Visible())
        DrawGradient(*gradient_, Canvas(), r);
    else
        TCustomChartPanel::FillPanel(r);
}
