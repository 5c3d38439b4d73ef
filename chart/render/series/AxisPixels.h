#pragma once

#include "ChartAxisBase.h"
#include "axes/AxisScale.h"

#include <cassert>

// One axis' value-to-pixel mapping captured when a series starts painting, so the points map
// without a call through the axis each. An axis without a scale of its own is asked per value.
class TAxisPixels {
public:
    explicit TAxisPixels(const TChartAxisBase* axis) : axis_(axis) {
        assert(axis);
        if (const auto* scale = dynamic_cast<const TAxisScale*>(axis)) {
            mapping_ = scale->Mapping();
            captured_ = true;
        }
    }
    int Pixel(double value) const {
        return captured_ ? mapping_.Pixel(value) : axis_->ValueToPixel(value);
    }
    const TChartAxisBase& Axis() const { return *axis_; }

private:
    const TChartAxisBase* axis_;
    TAxisMapping mapping_;
    bool captured_ = false;
};
