#pragma once

#include "ChangeNotifier.h"

// The value marks of a series. Every series of the program keeps them hidden, so only their
// switches are held here; they keep no per-point data, which leaves point deletion and removal
// nothing to maintain for them.
class TSeriesMarks : public TChangeNotifier {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Set(visible_, v); }
    int CallOutLength() const { return callOutLength_; }
    void SetCallOutLength(int v) { Set(callOutLength_, v); }

private:
    bool visible_ = false;
    int callOutLength_ = 8;
};
