#pragma once

#include "CustomChartBase.h"
#include "DataErrors.h"
#include "LineSeries.h"
#include "SeriesDataSet.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <utility>

// A series dataset that also answers its requests directly, as the framework would ask them.
class ProbedSeriesDataSet : public TSeriesDataSet {
public:
    using TSeriesDataSet::InternalSetRecNo;
};

// A line series on a chart, with a dataset over it that declares no fields.
struct SeriesFixture : ::testing::Test {
    TCustomChartBase chart;
    TLineSeries series;
    ProbedSeriesDataSet dataSet;

    SeriesFixture() {
        chart.AddSeries(series);
        dataSet.SetSeries(&series);
    }

    void AddPoints(std::initializer_list<std::pair<double, double>> points) {
        for (const auto& [x, y] : points)
            series.AddPoint(x, y);
    }

    TField& Field(const char* name) { return dataSet.FieldByName(name); }
    double X(int index) const { return series.XValues().ValueAt(index); }
    double Y(int index) const { return series.YValues().ValueAt(index); }
};

// Runs `action` and returns the message of the exception of type E it raises ("" for none).
template <class E, class F> std::string MessageOf(F&& action) {
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return {};
}
