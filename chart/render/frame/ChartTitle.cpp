#include "frame/ChartTitle.h"

TChartTitle::TChartTitle(TCustomChartBase* chart, bool foot)
    : TChartCustomShapePosition(chart), foot_(foot) {
    SetTransparent(true);
    if (foot) {
        Font().SetColor(clRed);
        Font().SetStyle(fsItalic);
    } else {
        Font().SetColor(clBlue);
    }
}

void TChartTitle::SetCaption(const std::string& line) {
    if (line.empty())
        SetText({});
    else
        SetText({line});
}
