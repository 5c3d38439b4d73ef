#include "axes/AxisSeries.h"

#include "ChartAxisBase.h"
#include "ChartSeries.h"
#include "ChartSeriesList.h"

#include <algorithm>

namespace {

bool AnyActiveUses(const TChartSeriesList& list, const TChartAxisBase& axis) {
    return std::any_of(list.begin(), list.end(), [&](const TChartSeries* s) {
        return s->Active() && s->AssociatedToAxis(axis);
    });
}

// The series' X values run along the axis.
bool CarriesX(const TChartSeries& s, const TChartAxisBase& axis) {
    return axis.Horizontal() == s.YIsMandatory();
}

} // namespace

double SeriesExtreme(const TChartSeriesList& list, const TChartAxisBase& axis, bool high) {
    const bool anyActive = AnyActiveUses(list, axis);
    const bool xAxis = axis.Horizontal();
    double result = 0;
    bool first = true;
    for (const TChartSeries* s : list) {
        if ((!s->Active() && anyActive) || s->PointCount() == 0)
            continue;
        if (xAxis ? s->HorizAxis() != aBothHorizAxis && s->GetHorizAxis() != &axis
                  : s->VertAxis() != aBothVertAxis && s->GetVertAxis() != &axis)
            continue;
        const double v = xAxis ? (high ? s->MaxX() : s->MinX()) : (high ? s->MaxY() : s->MinY());
        if (first || (high ? v > result : v < result)) {
            result = v;
            first = false;
        }
    }
    return result;
}

bool SeriesShowAxis(const TChartSeriesList& list, const TChartAxisBase& axis) {
    bool anyActive = false;
    for (const TChartSeries* s : list) {
        if (!s->Active())
            continue;
        anyActive = true;
        if (!s->UsesAxes())
            return false;
        if (s->AssociatedToAxis(axis))
            return true;
    }
    return !anyActive;
}

int FewestXPoints(const TChartSeriesList& list, const TChartAxisBase& axis) {
    int fewest = -1;
    for (const TChartSeries* s : list)
        if (s->Active() && s->AssociatedToAxis(axis) && CarriesX(*s, axis) &&
            (fewest < 0 || s->PointCount() < fewest))
            fewest = s->PointCount();
    return fewest;
}

TAxisMargins SeriesMargins(const TChartSeriesList& list, const TChartAxisBase& axis,
                           bool automaticMinimum, bool automaticMaximum) {
    TAxisMargins m;
    for (TChartSeries* s : list) {
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        int a = 0, b = 0;
        if (axis.Horizontal()) {
            s->CalcHorizMargins(a, b); // left, right
            if (automaticMinimum)
                m.start = std::max(m.start, a);
            if (automaticMaximum)
                m.end = std::max(m.end, b);
        } else {
            s->CalcVerticalMargins(a, b); // top, bottom
            if (automaticMaximum)
                m.start = std::max(m.start, a);
            if (automaticMinimum)
                m.end = std::max(m.end, b);
        }
    }
    return m;
}

TAxisLabelStyle ResolveLabelStyle(TAxisLabelStyle style, const TChartSeriesList& list,
                                  const TChartAxisBase& axis) {
    if (style != talAuto)
        return style;
    TAxisLabelStyle result = talNone;
    for (const TChartSeries* s : list) {
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        result = talValue;
        const TLabelsList& labels = s->Labels();
        if (CarriesX(*s, axis) && !labels.Empty() && !labels.Label(0).empty())
            return talText;
    }
    return result;
}
