#pragma once

// What series need of an axis: the value-to-pixel mapping of the last paint and whether the axis
// runs backwards. The chart's axes in chart/render implement it; tests implement it with a
// plain linear mapping.
class TChartAxisBase {
public:
    virtual ~TChartAxisBase() = default;

    virtual bool Horizontal() const = 0;
    virtual bool Inverted() const = 0;
    virtual int ValueToPixel(double value) const = 0;
    virtual double PixelToValue(int pixel) const = 0;
    // Pixels from the axis' first to its last position.
    virtual int AxisLength() const = 0;
};
