#pragma once

#include "ChartColor.h"

#include <functional>

// A drop shadow thrown to the right of and below a rectangle. Any change tells the owner.
class TChartShadow {
public:
    TChartShadow() = default;
    TChartShadow(TColor color, int size) : color_(color), horizSize_(size), vertSize_(size) {}

    TColor Color() const { return color_; }
    int HorizSize() const { return horizSize_; }
    int VertSize() const { return vertSize_; }
    bool Smooth() const { return smooth_; }
    int Transparency() const { return transparency_; }

    void SetColor(TColor v) { Set(color_, v); }
    void SetHorizSize(int v) { Set(horizSize_, v); }
    void SetVertSize(int v) { Set(vertSize_, v); }
    void SetSize(int v) {
        SetHorizSize(v);
        SetVertSize(v);
    }
    void SetSmooth(bool v) { Set(smooth_, v); }
    // Percent of the background that shows through; kept within 0..100.
    void SetTransparency(int v) { Set(transparency_, v < 0 ? 0 : v > 100 ? 100 : v); }

    void Assign(const TChartShadow& other) {
        color_ = other.color_;
        horizSize_ = other.horizSize_;
        vertSize_ = other.vertSize_;
        smooth_ = other.smooth_;
        transparency_ = other.transparency_;
        Changed();
    }

    std::function<void()> OnChange;

private:
    template <class T> void Set(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed() {
        if (OnChange)
            OnChange();
    }

    TColor color_ = clSilver;
    int horizSize_ = 0;
    int vertSize_ = 0;
    bool smooth_ = true;
    int transparency_ = 0;
};
