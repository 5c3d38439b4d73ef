#pragma once

#include <functional>

// The base of the attributes a chart element owns (pens, brushes, marks, ...): a setter stores a
// new value and tells the owner, which asks its chart to repaint, only when the value differs.
class TChangeNotifier {
public:
    std::function<void()> OnChange;

protected:
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
};
