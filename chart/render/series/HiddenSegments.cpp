#include "series/HiddenSegments.h"

#include <algorithm>

namespace {

// Rows [lo, hi) a segment touches.
struct Rows {
    int lo = 0;
    int hi = 0;
    bool Empty() const { return hi <= lo; }
};

Rows RowsOf(const TColumnSegment& s, TSegmentShape shape) {
    if (shape == TSegmentShape::Ribbon)
        return {std::min(s.from, s.to), std::max(s.from, s.to) + 1};
    // The end row is not drawn.
    if (s.from < s.to)
        return {s.from, s.to};
    return {s.to + 1, s.from + 1};
}

} // namespace

void MarkHiddenSegments(std::span<const TColumnSegment> run, TSegmentShape shape,
                        std::vector<char>& hidden) {
    hidden.assign(run.size(), 0);
    // Rows the segments after k are known to cover; kept as one interval, so it only ever
    // holds rows that really are covered.
    Rows covered;
    for (std::size_t k = run.size(); k-- > 0;) {
        const TColumnSegment& s = run[k];
        if (s.from == s.to) {
            hidden[k] = 1; // a segment onto its own start draws nothing
            continue;
        }
        const Rows r = RowsOf(s, shape);
        if (!covered.Empty() && covered.lo <= r.lo && r.hi <= covered.hi) {
            hidden[k] = 1;
            continue;
        }
        if (covered.Empty() || (r.lo <= covered.hi && covered.lo <= r.hi))
            covered = {covered.Empty() ? r.lo : std::min(r.lo, covered.lo),
                       covered.Empty() ? r.hi : std::max(r.hi, covered.hi)};
        else if (r.hi - r.lo > covered.hi - covered.lo)
            covered = r;
    }
}
