#pragma once

#include "ChartAxisBase.h"
#include "ChartValueList.h"
#include "CustomChartBase.h"

#include <vector>

// A linear axis over a plotting range of pixels, as the last layout would leave it.
class TLinearAxis : public TChartAxisBase {
public:
    TLinearAxis(bool horizontal, int startPixel, int endPixel)
        : horizontal_(horizontal), start_(startPixel), end_(endPixel) {}

    void SetRange(double minimum, double maximum) {
        minimum_ = minimum;
        maximum_ = maximum;
    }
    void SetInverted(bool v) { inverted_ = v; }

    bool Horizontal() const override { return horizontal_; }
    bool Inverted() const override { return inverted_; }
    double PixelToValue(int pixel) const override {
        const double span = maximum_ - minimum_;
        const double a = (inverted_ ? end_ - pixel : pixel - start_) * span / (end_ - start_);
        return horizontal_ ? minimum_ + a : maximum_ - a;
    }
    int AxisLength() const override { return end_ - start_; }
    int ValueToPixel(double value) const override {
        const double f = (value - minimum_) / (maximum_ - minimum_) * (end_ - start_);
        const bool fromStart = horizontal_ != inverted_;
        return static_cast<int>(fromStart ? start_ + f : end_ - f);
    }

private:
    bool horizontal_;
    bool inverted_ = false;
    int start_;
    int end_;
    double minimum_ = 0;
    double maximum_ = 1;
};

// A chart with a fixed plotting rectangle and two axes, as a panel would report after a paint.
class TTestChart : public TCustomChartBase {
public:
    TRect Plot{0, 0, 100, 50};
    TLinearAxis Bottom{true, 0, 100};
    TLinearAxis Left{false, 0, 50};
    TColor BackWall = clNone;
    int Depth = 0;
    bool Reverse = false;

    TRect PlotRect() const override { return Plot; }
    TChartAxisBase* BottomAxis() const override { return const_cast<TLinearAxis*>(&Bottom); }
    TChartAxisBase* LeftAxis() const override { return const_cast<TLinearAxis*>(&Left); }
    TColor BackWallColor() const override { return BackWall; }
    int SeriesDepth() const override { return Depth; }
    bool ReverseSeriesOrder() const override { return Reverse; }
};

// The entries of a value list in index order.
inline std::vector<double> Entries(const TChartValueList& list) {
    std::vector<double> v;
    for (int i = 0; i < list.ValueCount(); ++i)
        v.push_back(list.ValueAt(i));
    return v;
}
