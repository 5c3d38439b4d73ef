#pragma once

#include <cstddef>
#include <span>
#include <vector>

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

// The first and third quartile and the median, by the "exclusive" method (the default of
// Python's statistics.quantiles): the p-th quantile lies at rank p(n + 1) of the sorted
// values, counted from 1, interpolated between neighbours and beyond the ends extrapolated from
// the two outer values. One value is all three; `sorted` is ascending.
struct Quartiles {
    double first = 0;
    double median = 0;
    double third = 0;
};
Quartiles ComputeQuartiles(std::span<const double> sorted);

// The figures of a series of times that mostly grows by one at a time: an appended time costs
// one insertion into a sorted copy and a running update of the mean and deviation, where
// ComputeFigures would sort everything again. Any other change is counted from scratch.
class TRunningFigures {
public:
    // The times are now `ms`, in their order.
    void Set(std::span<const double> ms);
    const SessionFigures& Figures() const { return figures_; }
    // Ascending.
    const std::vector<double>& Sorted() const { return sorted_; }
    // How many times are under `limit`, and how many at `limit` or over it.
    int CountBelow(double limit) const;
    int CountFrom(double limit) const;

private:
    void Append(double ms);
    void Recount();

    std::vector<double> times_;
    std::vector<double> sorted_;
    SessionFigures figures_;
    // The sum of the squared deviations from the running mean (Welford's).
    double squares_ = 0;
};

} // namespace store
