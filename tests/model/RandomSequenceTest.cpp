// Seeded random sequences of operations on value lists and series, checked after every step
// against plain vectors.
#include "RandomSequence.h"
#include "ChartException.h"
#include "LineSeries.h"
#include "TestChart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int Steps = 3000;

// An index into whatever the list holds when the step runs, so that a step stays meaningful
// when shrinking removes the steps before it.
int IndexIn(double where, int count) {
    return std::min(count - 1, int(where * count));
}

// X values with many ties, so that "after equal entries" matters.
double SomeValue(std::mt19937& random) {
    return std::uniform_int_distribution<int>(-8, 8)(random) * 0.5;
}

std::string Near(double actual, double expected, const char* what) {
    if (actual == expected ||
        std::fabs(actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected)))
        return {};
    std::ostringstream out;
    out << what << " is " << actual << ", expected " << expected;
    return out.str();
}

// --- value lists ---------------------------------------------------------------------------

struct ListOp {
    enum Kind { AddOrdered, InsertAt, DeleteAt, SetAt, RemoveAll } kind;
    double where;
    double value;
    std::string Describe() const {
        static const char* names[] = {"AddOrdered", "InsertValueAt", "DeleteValue", "SetValueAt",
                                      "RemoveAllValues"};
        std::ostringstream out;
        out << names[kind] << " at " << where << " value " << value;
        return out.str();
    }
};

std::vector<ListOp> ListOps(std::mt19937& random) {
    std::vector<ListOp> ops;
    std::discrete_distribution<int> kind({50, 10, 15, 15, 1});
    std::uniform_real_distribution<double> where(0, 1);
    for (int i = 0; i < Steps; ++i)
        ops.push_back({ListOp::Kind(kind(random)), where(random), SomeValue(random)});
    return ops;
}

// Where an ordered insertion puts a value: scanning from the end, after the last entry that
// does not sort after it (so equal values keep their order of arrival, and a list that SetValueAt
// left unsorted is searched the same way).
int OrderedPosition(const std::vector<double>& v, TChartListOrder order, double value) {
    int k = int(v.size()) - 1;
    if (order == loAscending)
        while (k >= 0 && v[std::size_t(k)] > value)
            --k;
    else if (order == loDescending)
        while (k >= 0 && v[std::size_t(k)] < value)
            --k;
    return k + 1;
}

std::string CompareList(TChartValueList& list, const std::vector<double>& expected) {
    if (list.ValueCount() != int(expected.size()))
        return "count " + std::to_string(list.ValueCount()) + ", expected " +
               std::to_string(expected.size());
    for (int i = 0; i < list.ValueCount(); ++i)
        if (list.ValueAt(i) != expected[std::size_t(i)])
            return "entry " + std::to_string(i) + " differs";
    const int capacity = list.Capacity();
    if (capacity % TChartValueList::ValueCapacityStep != 0 || capacity < list.ValueCount())
        return "capacity " + std::to_string(capacity);
    double minimum = 0, maximum = 0, total = 0, absolute = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        minimum = i ? std::min(minimum, expected[i]) : expected[i];
        maximum = i ? std::max(maximum, expected[i]) : expected[i];
        total += expected[i];
        absolute += std::fabs(expected[i]);
    }
    for (const std::string& s :
         {Near(list.MinimumValue(), minimum, "minimum"),
          Near(list.MaximumValue(), maximum, "maximum"), Near(list.ValueTotal(), total, "total"),
          Near(list.AbsoluteTotal(), absolute, "absolute total")})
        if (!s.empty())
            return s;
    return {};
}

std::string RunList(TChartListOrder order, const std::vector<ListOp>& ops) {
    TChartValueList list(nullptr, "Y");
    list.SetOrder(order);
    std::vector<double> expected;
    for (std::size_t step = 0; step < ops.size(); ++step) {
        const ListOp& op = ops[step];
        const int n = int(expected.size());
        switch (op.kind) {
        case ListOp::AddOrdered: {
            const int position = OrderedPosition(expected, order, op.value);
            expected.insert(expected.begin() + position, op.value);
            if (list.AddOrdered(op.value) != position)
                return "step " + std::to_string(step) + ": AddOrdered returned another position";
            break;
        }
        case ListOp::InsertAt: {
            const int index = std::min(n, int(op.where * (n + 1)));
            expected.insert(expected.begin() + index, op.value);
            list.InsertValueAt(index, op.value);
            break;
        }
        case ListOp::DeleteAt:
            if (n == 0)
                continue;
            expected.erase(expected.begin() + IndexIn(op.where, n));
            list.DeleteValue(IndexIn(op.where, n));
            break;
        case ListOp::SetAt:
            if (n == 0)
                continue;
            expected[std::size_t(IndexIn(op.where, n))] = op.value;
            list.SetValueAt(IndexIn(op.where, n), op.value);
            break;
        case ListOp::RemoveAll:
            expected.clear();
            list.RemoveAllValues();
            break;
        }
        // Statistics are read only now and then, so that a stale cache gets its chance to show.
        if (step % 7 == 0 || step + 1 == ops.size())
            if (std::string diff = CompareList(list, expected); !diff.empty())
                return "after step " + std::to_string(step) + ": " + diff;
    }
    return {};
}

// --- series --------------------------------------------------------------------------------

struct SeriesOp {
    enum Kind { AddValue, AddPoint, Delete, DeleteOutside, SetColor, SetLabel, RemoveAll } kind;
    double where;
    double x, y;
    std::string label;
    TColor color;
    std::string Describe() const {
        static const char* names[] = {
            "AddValue",      "AddPoint",      "DeletePoint",    "DeletePoint out of range",
            "SetPointColor", "SetPointLabel", "RemoveAllPoints"};
        std::ostringstream out;
        out << names[kind] << " at " << where << " x " << x << " y " << y << " label \"" << label
            << "\" colour " << std::hex << color;
        return out.str();
    }
};

struct ReferencePoint {
    double x, y;
    std::string label;
    TColor color;
};

std::vector<SeriesOp> SeriesOps(std::mt19937& random) {
    std::vector<SeriesOp> ops;
    std::discrete_distribution<int> kind({25, 30, 15, 2, 10, 10, 1});
    std::uniform_real_distribution<double> where(0, 1);
    const std::vector<std::string> labels{"", "", "a", "bc"};
    const std::vector<TColor> colors{DefaultPointColor, DefaultPointColor, clRed, 0x123456};
    for (int i = 0; i < Steps; ++i)
        ops.push_back({SeriesOp::Kind(kind(random)), where(random), SomeValue(random),
                       SomeValue(random), labels[random() % labels.size()],
                       colors[random() % colors.size()]});
    return ops;
}

std::string CompareSeries(TChartSeries& series, const std::vector<ReferencePoint>& points,
                          bool colorsMade) {
    if (series.PointCount() != int(points.size()))
        return "point count " + std::to_string(series.PointCount()) + ", expected " +
               std::to_string(points.size());
    if (series.YValues().ValueCount() != series.PointCount())
        return "the Y list is not as long as the X list";
    if ((series.PointColors() != nullptr) != colorsMade)
        return colorsMade ? "no point colours list" : "a point colours list nobody asked for";
    for (int i = 0; i < series.PointCount(); ++i) {
        const ReferencePoint& p = points[std::size_t(i)];
        const std::string at = " of point " + std::to_string(i);
        if (series.XValues().ValueAt(i) != p.x || series.YValues().ValueAt(i) != p.y)
            return "values" + at;
        if (series.PointLabel(i) != p.label)
            return "label" + at + " is \"" + series.PointLabel(i) + "\"";
        const TColor shown = p.color == DefaultPointColor ? series.SeriesColor() : p.color;
        if (series.PointColor(i) != shown)
            return "colour" + at;
    }
    std::vector<double> ys;
    for (const auto& p : points)
        ys.push_back(p.y);
    const double maximum = ys.empty() ? 0 : *std::max_element(ys.begin(), ys.end());
    return Near(series.YValues().MaximumValue(), maximum, "Y maximum");
}

std::string RunSeries(const std::vector<SeriesOp>& ops) {
    TTestChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    std::vector<ReferencePoint> points;
    bool colorsMade = false;
    for (std::size_t step = 0; step < ops.size(); ++step) {
        const SeriesOp& op = ops[step];
        const int n = int(points.size());
        auto add = [&](double x) {
            std::vector<double> xs;
            for (const auto& p : points)
                xs.push_back(p.x);
            const int position = OrderedPosition(xs, loAscending, x);
            points.insert(points.begin() + position, {x, op.y, op.label, op.color});
            colorsMade = colorsMade || op.color != DefaultPointColor;
            return position;
        };
        int returned = 0, expected = 0;
        switch (op.kind) {
        case SeriesOp::AddValue:
            expected = add(double(n));
            returned = series.AddValue(op.y, op.label, op.color);
            break;
        case SeriesOp::AddPoint:
            expected = add(op.x);
            returned = series.AddPoint(op.x, op.y, op.label, op.color);
            break;
        case SeriesOp::Delete:
            if (n == 0)
                continue;
            points.erase(points.begin() + IndexIn(op.where, n));
            series.DeletePoint(IndexIn(op.where, n));
            break;
        case SeriesOp::DeleteOutside:
            try {
                series.DeletePoint(n);
                return "step " + std::to_string(step) + ": deleting past the end raised nothing";
            } catch (const ChartException&) {
            }
            break;
        case SeriesOp::SetColor:
            if (n == 0)
                continue;
            points[std::size_t(IndexIn(op.where, n))].color = op.color;
            colorsMade = colorsMade || op.color != DefaultPointColor;
            series.SetPointColor(IndexIn(op.where, n), op.color);
            break;
        case SeriesOp::SetLabel:
            if (n == 0)
                continue;
            points[std::size_t(IndexIn(op.where, n))].label = op.label;
            series.SetPointLabel(IndexIn(op.where, n), op.label);
            break;
        case SeriesOp::RemoveAll:
            points.clear();
            colorsMade = false;
            series.RemoveAllPoints();
            break;
        }
        if (returned != expected)
            return "step " + std::to_string(step) + ": returned index " + std::to_string(returned) +
                   ", expected " + std::to_string(expected);
        if (std::string diff = CompareSeries(series, points, colorsMade); !diff.empty())
            return "after step " + std::to_string(step) + ": " + diff;
    }
    return {};
}

} // namespace

TEST(RandomSequences, ValueListsInEveryOrderFollowAPlainVector) {
    for (TChartListOrder order : {loNone, loAscending, loDescending})
        for (unsigned seed : {1u, 2u, 3u}) {
            std::mt19937 random(seed);
            const RandomSequence::Check<ListOp> check = [order](const std::vector<ListOp>& ops) {
                return RunList(order, ops);
            };
            EXPECT_EQ(RandomSequence::Run(seed, ListOps(random), check), "")
                << "order " << int(order);
        }
}

TEST(RandomSequences, SeriesPointsColoursAndLabelsFollowAPlainVector) {
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        EXPECT_EQ(RandomSequence::Run<SeriesOp>(seed, SeriesOps(random), RunSeries), "");
    }
}
