// The handlers of page 3: the histogram of the results over 0 … 1000 ms.
#include "DataErrors.h"
#include "MainForm.h"
#include "NumberText.h"
#include "ShownText.h"
#include "SpinEdit.h"
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

constexpr int HistogramRange = 1000; // ms

int IntegerDivide(int dividend, int divisor) {
    if (divisor == 0)
        throw std::domain_error("Division by zero");
    return dividend / divisor;
}

// The number of groups as typed; a text that is no integer is a conversion error.
int GroupCount(const TSpinEdit& spin) {
    if (const std::optional<int> n = spin.IntegerValue())
        return *n;
    throw EConvertError("'" + ShownText(spin.text().toStdString()) +
                        "' is not a valid integer value");
}

// The bar a result in milliseconds falls into: its whole milliseconds (an exact half to the
// even neighbour) div the group width. None for a result of 0 and for one outside the bars:
// the bars end at bars × width, and a result beyond them (or a negative one past the first
// group) has no bar to be counted in.
std::optional<int> BarOf(double result, int width, int bars) {
    const double ms = std::nearbyint(result);
    if (!(std::fabs(ms) <= std::numeric_limits<std::int32_t>::max()) || ms == 0)
        return std::nullopt;
    const int bar = static_cast<std::int32_t>(ms) / width;
    if (bar < 0 || bar >= bars)
        return std::nullopt;
    return bar;
}

} // namespace

void TMainForm::Button5Click() {
    SettlePendingEdits();
    Series0DataSet.First();
    TChartSeries& histogram = DBChart2.Series(0);
    histogram.RemoveAllPoints();

    const int groups = GroupCount(*HistoSpinEdit);
    const int width = IntegerDivide(HistogramRange, groups);
    const int bars = IntegerDivide(HistogramRange, width);
    // Each bar stands at the upper end of its group.
    for (int i = 1; i <= bars; ++i)
        histogram.AddPoint(double(i * width), 0, {}, DefaultPointColor);

    // Record by record, so that the views on the results follow; an empty table still reads
    // one (empty) record.
    TChartValueList& counts = histogram.YValues();
    const TField& y = Series0DataSet.FieldByName("Y");
    do {
        if (const std::optional<int> bar = BarOf(y.AsFloat(), width, bars))
            counts.SetValueAt(*bar, counts.ValueAt(*bar) + 1);
        Series0DataSet.Next();
    } while (!Series0DataSet.Eof());
    MarkHistogram(width);
}

void TMainForm::HistoSpinEditChange() {
    DBChart2.Series(0).RemoveAllPoints();
    HistogramMarkers.SetLines({});
    HistogramMarkersText->clear();
}

void TMainForm::MarkHistogram(int width) {
    std::vector<double> sorted;
    for (int i = 0; i < Series0.PointCount(); ++i)
        sorted.push_back(Series0.YValues().ValueAt(i));
    std::sort(sorted.begin(), sorted.end());
    if (sorted.empty()) {
        HistogramMarkers.SetLines({});
        HistogramMarkersText->clear();
        return;
    }
    // The quartiles by the "exclusive" method, as Python's statistics.quantiles has it.
    const store::Quartiles q = store::ComputeQuartiles(sorted);
    // Each bar stands at the upper end of its group, so a time t lies half a width past t on
    // the axis: a group's bounds fall on the edges of its bar's slot.
    const double shift = width / 2.0;
    HistogramMarkers.SetLines({{q.first + shift, clBlue, psDash, 1},
                               {q.median + shift, clRed, psSolid, 2},
                               {q.third + shift, clBlue, psDash, 1}});
    HistogramMarkersText->setText(
        tr("Medijana %1 ms (crvena linija), prvi i treći kvartil %2 i %3 ms (plave "
           "isprekidane linije)")
            .arg(FormatFixed(q.median, 0), FormatFixed(q.first, 0), FormatFixed(q.third, 0)));
}
