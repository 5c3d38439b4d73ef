#pragma once

#include "ChartEvents.h"

#include <cstdint>

// The chart's 3D switch changed.
class TChartView3DEvent : public TChartEvent {
public:
    explicit TChartView3DEvent(bool view3D) : View3D(view3D) {}
    bool View3D;
};

enum class TChartMouseEventKind : std::uint8_t { Press = 0, Release = 1, Move = 2 };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and buttons held during a mouse event, as bit flags.
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;

// A mouse press, release or move on the chart, in the chart's pixels. A listener that handles
// it for good sets the chart's CancelMouse flag, which stops the broadcast.
class TChartMouseEvent : public TChartEvent {
public:
    TChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x,
                     int y)
        : Event(kind), Button(button), Shift(shift), X(x), Y(y) {}
    TChartMouseEventKind Event;
    TMouseButton Button;
    TShiftState Shift;
    int X;
    int Y;
};
