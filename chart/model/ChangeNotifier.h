#pragma once

#include "SetIfChanged.h"

#include <functional>

// The base of the attributes a chart element owns (pens, brushes, marks, ...): a setter stores a
// new value and tells the owner, which asks its chart to repaint, only when the value differs.
// Copying copies values only: a copy tells no one until its own owner wires it, and an
// attribute assigned to keeps telling its owner.
class TChangeNotifier {
public:
    std::function<void()> OnChange;

    TChangeNotifier() = default;
    TChangeNotifier(const TChangeNotifier&) {}
    TChangeNotifier& operator=(const TChangeNotifier&) { return *this; }
    ~TChangeNotifier() = default;

protected:
    template <class T> bool Set(T& field, const T& value) {
        return SetIfChanged(field, value, [this] { Changed(); });
    }
    void Changed() {
        if (OnChange)
            OnChange();
    }
};
