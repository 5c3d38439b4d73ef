#pragma once

class TAxisScale;

// An axis' range as zooming saves it before the first zoom or scroll and an undo puts it back.
struct TSavedScale {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
    friend bool operator==(const TSavedScale&, const TSavedScale&) = default;
};

TSavedScale SaveScale(const TAxisScale& axis);
// Puts the range and the automatic switches back as they were saved, through the checked
// setters (in an order they accept).
void RestoreScale(TAxisScale& axis, const TSavedScale& saved);
