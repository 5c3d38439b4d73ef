#pragma once

// An axis' range as zooming saves it before the first zoom or scroll and an undo puts it back.
struct TSavedScale {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
    friend bool operator==(const TSavedScale&, const TSavedScale&) = default;
};

// What zooming and scrolling need of an axis: the value under a pixel as the last paint mapped
// it, the range, and the two ways of changing it.
class TZoomAxis {
public:
    virtual ~TZoomAxis() = default;
    virtual double PixelToValue(int pixel) const = 0;
    virtual TSavedScale Scale() const = 0;
    // Clears the automatic switches and takes [low, high] (in either order) as the range.
    virtual void SetRange(double low, double high) = 0;
    virtual void RestoreScale(const TSavedScale& scale) = 0;
};
