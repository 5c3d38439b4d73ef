#pragma once

#include <span>
#include <vector>

// Which of a run of segments in one pixel column cannot change a pixel because the segments
// drawn after them cover every pixel they touch. Thousands of points per column are common in
// long series; only the few segments left uncovered need drawing, and the picture stays the same.
//
// A segment is given by the rows it runs between (from, to). A plain line touches rows from
// `from` up to but not including `to`; a ribbon (a plane across the depth, outlined) touches
// every row of its closed span, offset along the depth the same way for every segment of the
// column.
enum class TSegmentShape { Line, Ribbon };

struct TColumnSegment {
    int from;
    int to;
};

// hidden[k] is set for every segment k whose rows the later segments of the run cover.
void MarkHiddenSegments(std::span<const TColumnSegment> run, TSegmentShape shape,
                        std::vector<char>& hidden);
