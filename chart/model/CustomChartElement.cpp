#include "CustomChartElement.h"

#include "CustomChartBase.h"

TCustomChartElement::TCustomChartElement() {
    pen_.OnChange = [this] { CanvasChanged(); };
    brush_.OnChange = [this] { CanvasChanged(); };
}

void TCustomChartElement::SetActive(bool value) {
    Change(active_, value);
}

void TCustomChartElement::RequestRepaint() const {
    if (parentChart_)
        parentChart_->RequestRepaint();
}
