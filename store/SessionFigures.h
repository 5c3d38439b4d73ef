#pragma once

#include <span>

namespace store {

// What the sessions list shows of a session's reaction times. With no times every figure is 0.
struct SessionFigures {
    int count = 0;
    double mean = 0;
    double median = 0;
    // The sample standard deviation (n - 1); 0 for fewer than two times.
    double deviation = 0;
    double fastest = 0;
    double slowest = 0;

    bool operator==(const SessionFigures&) const = default;
};

SessionFigures ComputeFigures(std::span<const double> ms);

} // namespace store
