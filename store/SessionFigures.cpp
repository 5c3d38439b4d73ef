#include "SessionFigures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace store {

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
    f.median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
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

} // namespace store
