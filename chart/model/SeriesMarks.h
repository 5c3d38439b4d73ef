#pragma once

#include <functional>

// The value marks of a series. Every series of the program keeps them hidden, so only their
// switches are held here; they keep no per-point data, which leaves point deletion and removal
// nothing to maintain for them.
class TSeriesMarks {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Set(visible_, v); }
    int CallOutLength() const { return callOutLength_; }
    void SetCallOutLength(int v) { Set(callOutLength_, v); }

    std::function<void()> OnChange;

private:
    template <class T> void Set(T& field, T value) {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange();
    }

    bool visible_ = false;
    int callOutLength_ = 8;
};
