#include "SessionFigures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace store {

namespace {

double MedianOfSorted(const std::vector<double>& sorted) {
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

} // namespace

SessionFigures ComputeFigures(std::span<const double> ms) {
    SessionFigures f;
    if (ms.empty())
        return f;
    std::vector<double> sorted(ms.begin(), ms.end());
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    f.count = int(n);
    f.fastest = sorted.front();
    f.slowest = sorted.back();
    f.median = MedianOfSorted(sorted);
    double sum = 0;
    for (const double v : sorted)
        sum += v;
    f.mean = sum / double(n);
    if (n > 1) {
        // Two passes: the squares of the deviations, not of the values, keep the precision.
        double squares = 0;
        for (const double v : sorted)
            squares += (v - f.mean) * (v - f.mean);
        f.deviation = std::sqrt(squares / double(n - 1));
    }
    return f;
}

Quartiles ComputeQuartiles(std::span<const double> sorted) {
    const std::size_t n = sorted.size();
    if (n < 2)
        return n ? Quartiles{sorted[0], sorted[0], sorted[0]} : Quartiles{};
    const auto at = [&](int quarter) {
        // Rank quarter * (n + 1) / 4 from 1: a whole index kept inside the values and the
        // rest as a fraction, which past the ends extrapolates from the two outer values.
        const auto scaled = std::ptrdiff_t(quarter) * std::ptrdiff_t(n + 1);
        const std::ptrdiff_t j = std::clamp<std::ptrdiff_t>(scaled / 4, 1, std::ptrdiff_t(n) - 1);
        const double fraction = double(scaled - 4 * j) / 4;
        const double below = sorted[std::size_t(j - 1)];
        return below + (sorted[std::size_t(j)] - below) * fraction;
    };
    return {at(1), at(2), at(3)};
}

void TRunningFigures::Set(std::span<const double> ms) {
    if (ms.size() == times_.size() + 1 && std::equal(times_.begin(), times_.end(), ms.begin())) {
        Append(ms.back());
        return;
    }
    if (ms.size() == times_.size() && std::equal(times_.begin(), times_.end(), ms.begin()))
        return;
    times_.assign(ms.begin(), ms.end());
    Recount();
}

void TRunningFigures::Append(double ms) {
    times_.push_back(ms);
    sorted_.insert(std::upper_bound(sorted_.begin(), sorted_.end(), ms), ms);
    SessionFigures& f = figures_;
    ++f.count;
    const double delta = ms - f.mean;
    f.mean += delta / f.count;
    squares_ += delta * (ms - f.mean);
    f.deviation = f.count > 1 ? std::sqrt(squares_ / (f.count - 1)) : 0;
    f.median = MedianOfSorted(sorted_);
    f.fastest = sorted_.front();
    f.slowest = sorted_.back();
}

void TRunningFigures::Recount() {
    sorted_ = times_;
    std::sort(sorted_.begin(), sorted_.end());
    figures_ = ComputeFigures(sorted_);
    squares_ =
        figures_.deviation * figures_.deviation * (figures_.count > 1 ? figures_.count - 1 : 0);
}

int TRunningFigures::CountBelow(double limit) const {
    return int(std::lower_bound(sorted_.begin(), sorted_.end(), limit) - sorted_.begin());
}

int TRunningFigures::CountFrom(double limit) const {
    return int(sorted_.end() - std::lower_bound(sorted_.begin(), sorted_.end(), limit));
}

} // namespace store
