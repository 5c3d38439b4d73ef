#pragma once

#include <QString>
#include <optional>

// What is known of how exactly one reaction time was measured.
struct AccuracyFacts {
    // Counted from the completion of the frame that showed the green, not from its drawing.
    bool synchronized = false;
    std::optional<double> refreshHz;
    std::optional<bool> composited;
    std::optional<double> mousePollingHz;
    // What the program itself added, as it measured it in this trial.
    double programLagMs = 0;
};

// How far the result may lie from the true time from the green on the screen to the press, in
// milliseconds: half of everything that can only lengthen it. That is the wait for the frame
// when the green was not synchronised with it (a whole period; a compositor adds one more, also
// after a synchronised frame), the wait for the mouse's next poll, and the program's lag.
// The display's own lag after the frame is not known and not counted.
double UncertaintyMs(const AccuracyFacts& facts);

// The line on page 1, one sentence: "Tačnost: ±0,5 ms (ekran 60 Hz, sinhronizovano, miš
// 1000 Hz)".
QString AccuracyText(const AccuracyFacts& facts);
