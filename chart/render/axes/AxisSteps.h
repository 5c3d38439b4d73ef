#pragma once

#include <functional>
#include <string>

// The smallest step an axis hands out; with it no labels are drawn (too many to fit).
inline constexpr double SmallestStep = 1e-12;

// The next step of the 1-2-5 sequence above positive x: 12.5 gives 20, 0.3 gives 0.5, exactly 2
// gives 5 and exactly 5 gives 10.
double NextStep(double x);

// What the choice of a label step depends on besides the number of labels that fit.
struct TStepRule {
    double rangeSpan = 0;
    // The axis' Increment: a lower bound for the step when above 0.
    double increment = 0;
    // Gap between labels in percent of the label size; 0 keeps the first estimate unrounded.
    int labelsSeparation = 10;
    // Fewest points of the active series that carry their X values on this axis; -1 when no
    // series does. Such a series with no more points than labels fit never steps below 1.
    int fewestXPoints = -1;
};

// The step for at most `count` labels along the axis.
double IncrementForCount(int count, const TStepRule& rule);

// How many labels of `labelSize` pixels (plus the separation) fit along `axisLength` pixels.
int LabelCountForSize(int labelSize, int axisLength, int labelsSeparation);

inline double IncrementForLabelSize(int labelSize, int axisLength, const TStepRule& rule) {
    return IncrementForCount(LabelCountForSize(labelSize, axisLength, rule.labelsSeparation), rule);
}

// Width in pixels of a text by a measuring function.
using TTextMeasure = std::function<int(const std::string&)>;

// A label text may hold several lines, split at carriage returns.
struct TTextBlock {
    int width = 0; // of the widest line
    int lines = 0; // an empty text has none
};
TTextBlock TextBlockWidth(const std::string& text, const TTextMeasure& measure);

// The room one label needs along the axis: its width on a horizontal axis (its line heights when
// turned upright), its line heights on a vertical one (its width when turned).
int LabelSize(const std::string& text, bool horizontal, int labelsAngle, int lineHeight,
              const TTextMeasure& measure);
