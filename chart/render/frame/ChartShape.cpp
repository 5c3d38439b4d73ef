#include "frame/ChartShape.h"

#include "CustomChartBase.h"

TChartCustomShapeBrushPen::TChartCustomShapeBrushPen(TCustomChartBase* chart) : chart_(chart) {
    brush_.OnChange = [this] { Changed(); };
    pen_.OnChange = [this] { Changed(); };
}

void TChartCustomShapeBrushPen::Changed() const {
    if (chart_)
        chart_->RequestRepaint();
}

TChartCustomShape::TChartCustomShape(TCustomChartBase* chart) : TChartCustomShapeBrushPen(chart) {
    font_.OnChange = [this] { Changed(); };
    shadow_.OnChange = [this] { Changed(); };
}

TChartGradient& TChartCustomShape::Gradient() {
    if (!gradient_) {
        gradient_ = std::make_unique<TChartGradient>();
        gradient_->OnChange = [this] { Changed(); };
    }
    return *gradient_;
}

void TChartCustomShapePosition::SetLeft(int v) {
    if (left_ == v && customPosition_)
        return;
    left_ = v;
    customPosition_ = true;
    Changed();
}

void TChartCustomShapePosition::SetTop(int v) {
    if (top_ == v && customPosition_)
        return;
    top_ = v;
    customPosition_ = true;
    Changed();
}
