#pragma once

#include "SessionFigures.h"

#include <QString>

// The limits a reaction time is counted against, in milliseconds.
struct FigureLimits {
    int anticipationMs = 100;
    int lapseMs = 500;
};

// What page 1 says of a reaction session's times: whole milliseconds in the locale's number
// format, with the anticipations, lapses and false starts counted.
struct ReactionFiguresLine {
    store::SessionFigures figures;
    int anticipations = 0;
    int lapses = 0;
    int falseStarts = 0;
    FigureLimits limits;
};
QString ReactionFiguresText(const ReactionFiguresLine& line);

// What page 1 says of a calibration run: how far each clock strayed from the set sleep, above
// and below, and the processor clock it was measured with.
struct CalibrationFiguresLine {
    double queryPerformanceAbove = 0;
    double queryPerformanceBelow = 0;
    double cyclesAbove = 0;
    double cyclesBelow = 0;
    double clockMhz = 0;
};
QString CalibrationFiguresText(const CalibrationFiguresLine& line);
