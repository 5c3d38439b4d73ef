#pragma once

#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// Seeded random operation sequences checked against a reference. `Op` describes itself with
// `std::string Describe() const`; the check runs a whole sequence on fresh objects and returns
// an empty string when everything matched, else what differed first.
namespace RandomSequence {

template <class Op> using Check = std::function<std::string(const std::vector<Op>&)>;

// Drops ever smaller runs of operations while the check still fails.
template <class Op> std::vector<Op> Shrink(std::vector<Op> ops, const Check<Op>& check) {
    for (std::size_t chunk = ops.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= ops.size();) {
            std::vector<Op> shorter = ops;
            shorter.erase(shorter.begin() + std::ptrdiff_t(start),
                          shorter.begin() + std::ptrdiff_t(start + chunk));
            if (!check(shorter).empty())
                ops = std::move(shorter);
            else
                start += chunk;
        }
    }
    return ops;
}

// Empty when the sequence passes; else the seed, the first difference and the shortest failing
// sequence found.
template <class Op>
std::string Run(unsigned seed, const std::vector<Op>& ops, const Check<Op>& check) {
    if (check(ops).empty())
        return {};
    const std::vector<Op> shortest = Shrink(ops, check);
    std::ostringstream out;
    out << "seed " << seed << ": " << check(shortest) << "\nshortest failing sequence ("
        << shortest.size() << " of " << ops.size() << " steps):";
    for (const Op& op : shortest)
        out << "\n  " << op.Describe();
    return out.str();
}

} // namespace RandomSequence
