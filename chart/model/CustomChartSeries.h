#pragma once

#include "CustomChartElement.h"

// Adds what every kind of series has, drawn or listed: a title and a place in the legend.
class TCustomChartSeries : public TCustomChartElement {
public:
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value) { Change(showInLegend_, value); }

    const std::string& Title() const { return title_; }
    virtual void SetTitle(const std::string& title) { Change(title_, title); }

    // Room in pixels the series needs beyond its first and last values; none by default.
    virtual void CalcHorizMargins(int& left, int& right) { left = right = 0; }
    virtual void CalcVerticalMargins(int& top, int& bottom) { top = bottom = 0; }
    // Called for every active series at the start of each paint.
    virtual void PrepareForDrawing() {}

private:
    std::string title_;
    bool showInLegend_ = true;
};
