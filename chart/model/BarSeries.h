#pragma once

#include "CustomBarSeries.h"
#include "SeriesDrawing.h"

// A series drawn as vertical bars; its Y list is called "Bar". The renderer supplies the drawing.
class TBarSeries : public TCustomBarSeries {
public:
    TBarSeries() { YValues().SetName("Bar"); }

    void DrawVisiblePoints(TSeriesDrawing& drawing) override { drawing.DrawBarSeries(*this); }

protected:
    bool HoldsClassOf(const TChartSeries& other) const override {
        return dynamic_cast<const TBarSeries*>(&other) != nullptr;
    }
};
