#pragma once

#include "ChartColor.h"

#include <functional>
#include <optional>

enum TGradientDirection {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft,
    gdRadial,
    gdDiagonalUp,
    gdDiagonalDown
};

// Settings of a colour gradient fill. The middle colour is optional: it reads as clNone while
// unset, and writing clNone removes it. Any change tells the owner.
class TCustomChartGradient {
public:
    TCustomChartGradient() = default;
    virtual ~TCustomChartGradient() = default;

    TGradientDirection Direction() const { return direction_; }
    TColor StartColor() const { return startColor_; }
    TColor EndColor() const { return endColor_; }
    TColor MidColor() const { return midColor_.value_or(clNone); }
    bool HasMidColor() const { return midColor_.has_value(); }
    int Balance() const { return balance_; }
    int RadialX() const { return radialX_; }
    int RadialY() const { return radialY_; }
    bool Visible() const { return visible_; }

    void SetDirection(TGradientDirection v) { Set(direction_, v); }
    void SetStartColor(TColor v) { Set(startColor_, v); }
    void SetEndColor(TColor v) { Set(endColor_, v); }
    void SetMidColor(TColor v) {
        std::optional<TColor> next;
        if (v != clNone)
            next = v;
        Set(midColor_, next);
    }
    void SetBalance(int v) { Set(balance_, v); }
    void SetRadialX(int v) { Set(radialX_, v); }
    void SetRadialY(int v) { Set(radialY_, v); }
    void SetVisible(bool v) { Set(visible_, v); }

    void Assign(const TCustomChartGradient& other) {
        direction_ = other.direction_;
        startColor_ = other.startColor_;
        endColor_ = other.endColor_;
        midColor_ = other.midColor_;
        balance_ = other.balance_;
        radialX_ = other.radialX_;
        radialY_ = other.radialY_;
        visible_ = other.visible_;
        Changed();
    }

    std::function<void()> OnChange;

private:
    template <class T> void Set(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed() {
        if (OnChange)
            OnChange();
    }

    TGradientDirection direction_ = gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
    std::optional<TColor> midColor_;
    int balance_ = 50;
    int radialX_ = 0;
    int radialY_ = 0;
    bool visible_ = false;
};

class TChartGradient : public TCustomChartGradient {};
