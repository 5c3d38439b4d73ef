#pragma once

class TChartAxisBase;
class TChartSeriesList;

// What an axis asks of the chart's series at each paint. Each function goes through the series
// in list order; `axis` is one of the chart's axes (not a depth axis).

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

// The series' lowest (`high` false) or highest value on the axis: X values on a horizontal axis,
// Y values on a vertical one. Inactive series count only while no active series uses the axis;
// empty series never count. 0 when no series contributes.
double SeriesExtreme(const TChartSeriesList& series, const TChartAxisBase& axis, bool high);

// The axis is shown when the first active series that decides it uses the axis: an active series
// that draws without axes hides it. Without active series every axis shows.
bool SeriesShowAxis(const TChartSeriesList& series, const TChartAxisBase& axis);

// Fewest points among the active series whose X values run along the axis (a vertical series on
// a horizontal axis); -1 when there is none.
int FewestXPoints(const TChartSeriesList& series, const TChartAxisBase& axis);

// The pixels the active series ask for beyond their data at the axis' start (left or top) and
// end (right or bottom); only the automatic ends of the range take them.
struct TAxisMargins {
    int start = 0;
    int end = 0;
};
TAxisMargins SeriesMargins(const TChartSeriesList& series, const TChartAxisBase& axis,
                           bool automaticMinimum, bool automaticMaximum);

// talAuto resolved through the series: values when an active series uses the axis, point texts
// when such a series has labels on the axis that carries its X values, else no labels.
TAxisLabelStyle ResolveLabelStyle(TAxisLabelStyle style, const TChartSeriesList& series,
                                  const TChartAxisBase& axis);
