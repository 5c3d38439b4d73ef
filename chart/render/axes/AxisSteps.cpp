#include "axes/AxisSteps.h"

#include "ChartGeometry.h"

#include <cmath>
#include <cstdlib>
#include <limits>

double NextStep(double x) {
    if (!(x > 0) || std::isinf(x))
        return x;
    // Bring x into 1 .. 10, pick 2, 5 or 10 there and scale back by the same powers of ten.
    int up = 0;
    int down = 0;
    while (x >= 10) {
        x *= 0.1;
        ++up;
    }
    while (x < 1) {
        x *= 10;
        ++down;
    }
    double step = x < 2 ? 2 : x < 5 ? 5 : 10;
    for (; down > 0; --down)
        step *= 0.1;
    for (; up > 0; --up)
        step *= 10;
    return step;
}

double IncrementForCount(int count, const TStepRule& rule) {
    if (count < 1)
        return SmallestStep;
    const double span = rule.rangeSpan;
    double step;
    if (rule.increment > 0) {
        step = rule.increment;
    } else if (span == 0) {
        step = 1.0;
    } else {
        step = std::fabs(span) / (count + 1);
        if (rule.fewestXPoints >= 0 && rule.fewestXPoints <= count && step < 1.0)
            step = 1.0;
    }
    if (rule.labelsSeparation > 0) {
        constexpr double MaxCount = std::numeric_limits<int>::max();
        long long k = count + 1;
        // A step that underflowed to 0 could never climb; stop with the smallest step instead.
        while (step > 0) {
            const double c = span / step;
            if (std::fabs(c) < MaxCount) {
                k = RoundToInt(c);
                if (k > count)
                    step = NextStep(step);
            } else {
                step = NextStep(step);
            }
            if (k <= count || step > span || std::isinf(step))
                break;
        }
    }
    if (std::isinf(step))
        return span;
    return step > SmallestStep ? step : SmallestStep;
}

int LabelCountForSize(int labelSize, int axisLength, int labelsSeparation) {
    if (labelSize <= 0)
        return 1;
    int s = labelSize;
    if (labelsSeparation > 0)
        s += RoundToInt(labelsSeparation * 0.01 * labelSize);
    return RoundToInt(static_cast<double>(axisLength) / s);
}

TTextBlock TextBlockWidth(const std::string& text, const TTextMeasure& measure) {
    TTextBlock block;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\r', start);
        const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        const int w = measure(line);
        if (w > block.width)
            block.width = w;
        ++block.lines;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return block;
}

int LabelSize(const std::string& text, bool horizontal, int labelsAngle, int lineHeight,
              const TTextMeasure& measure) {
    const TTextBlock block = TextBlockWidth(text, measure);
    const bool upright = labelsAngle == 90 || labelsAngle == 270;
    const bool flat = labelsAngle == 0 || labelsAngle == 180;
    if (horizontal)
        return upright ? lineHeight * block.lines : block.width;
    return flat ? lineHeight * block.lines : block.width;
}
