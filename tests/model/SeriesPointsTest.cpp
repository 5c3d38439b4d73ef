#include "BarSeries.h"
#include "ChartException.h"
#include "LineSeries.h"
#include "TestChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

using testing::ElementsAre;

namespace {

// A series on a chart, with the chart's repaint requests counted.
class SeriesOnChart : public testing::Test {
protected:
    SeriesOnChart() { series.SetParentChart(&chart); }
    int Repaints() const { return chart.InvalidateCount() - start; }
    void StartCounting() { start = chart.InvalidateCount(); }

    TTestChart chart;
    TLineSeries series;
    int start = 0;
};

TEST(SeriesAddValue, NumbersXFromTheCountAndReturnsTheIndex) {
    TLineSeries series;
    EXPECT_EQ(series.AddValue(10), 0);
    EXPECT_EQ(series.AddValue(20), 1);
    EXPECT_EQ(series.AddValue(30), 2);
    EXPECT_THAT(Entries(series.XValues()), ElementsAre(0, 1, 2));
    EXPECT_THAT(Entries(series.YValues()), ElementsAre(10, 20, 30));
    EXPECT_EQ(series.PointCount(), 3);
}

TEST(SeriesAddValue, AfterADeletionTheNextXRepeatsTheLastAndGoesAfterIt) {
    TLineSeries series;
    for (double y : {10, 11, 12, 13})
        series.AddValue(y);
    series.DeletePoint(1);
    EXPECT_THAT(Entries(series.XValues()), ElementsAre(0, 2, 3));

    EXPECT_EQ(series.AddValue(99), 3);
    EXPECT_THAT(Entries(series.XValues()), ElementsAre(0, 2, 3, 3));
    EXPECT_THAT(Entries(series.YValues()), ElementsAre(10, 12, 13, 99));
}

TEST(SeriesAddPoint, KeepsYAlignedWithTheOrderedX) {
    TLineSeries series;
    EXPECT_EQ(series.AddPoint(5, 50), 0);
    EXPECT_EQ(series.AddPoint(1, 10), 0);
    EXPECT_EQ(series.AddPoint(3, 30), 1);
    EXPECT_EQ(series.AddPoint(3, 31), 2); // equal X goes after the existing one
    EXPECT_THAT(Entries(series.XValues()), ElementsAre(1, 3, 3, 5));
    EXPECT_THAT(Entries(series.YValues()), ElementsAre(10, 30, 31, 50));
}

TEST_F(SeriesOnChart, VetoedPointChangesNothingAndNotifiesNobody) {
    series.AddValue(1);
    int afterAdd = 0;
    series.OnAfterAdd = [&](TChartSeries&, int) { ++afterAdd; };
    series.OnBeforeAdd = [](TChartSeries&) { return false; };
    StartCounting();

    EXPECT_EQ(series.AddPoint(7, 8, "label", clRed), -1);
    EXPECT_EQ(series.PointCount(), 1);
    EXPECT_EQ(series.YValues().ValueCount(), 1);
    EXPECT_EQ(series.PointColors(), nullptr);
    EXPECT_TRUE(series.Labels().Empty());
    EXPECT_EQ(afterAdd, 0);
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(SeriesOnChart, AcceptedPointIsReportedWithItsIndex) {
    std::vector<double> asked; // the point is staged before the question
    std::vector<int> reported;
    series.OnBeforeAdd = [&](TChartSeries& s) {
        asked.push_back(s.XValues().PendingValue());
        return true;
    };
    series.OnAfterAdd = [&](TChartSeries& s, int index) {
        EXPECT_EQ(s.PointCount(), static_cast<int>(reported.size()) + 1);
        reported.push_back(index);
    };
    series.AddPoint(4, 1);
    series.AddPoint(2, 1);
    EXPECT_THAT(asked, ElementsAre(4, 2));
    EXPECT_THAT(reported, ElementsAre(0, 0));
}

TEST(SeriesPointColors, AreNotStoredUntilAPointHasItsOwnColour) {
    TLineSeries series;
    series.SetSeriesColor(clGreen);
    for (int i = 0; i < 5; ++i)
        series.AddValue(i);
    series.SetPointColor(2, DefaultPointColor);
    EXPECT_EQ(series.PointColors(), nullptr);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(series.PointColor(i), clGreen);

    series.AddValue(5, "", 0x0000FF);
    ASSERT_NE(series.PointColors(), nullptr);
    EXPECT_THAT(*series.PointColors(),
                ElementsAre(DefaultPointColor, DefaultPointColor, DefaultPointColor,
                            DefaultPointColor, DefaultPointColor, 0x0000FF));
    EXPECT_EQ(series.PointColor(5), 0x0000FF);
    EXPECT_EQ(series.PointColor(4), clGreen);
}

TEST(SeriesPointColors, FollowTheirPointThroughInsertionAndDeletion) {
    TLineSeries series;
    series.AddPoint(0, 0);
    series.AddPoint(4, 0, "", clRed);
    series.AddPoint(2, 0); // lands between, colour list grows with it
    EXPECT_THAT(*series.PointColors(), ElementsAre(DefaultPointColor, DefaultPointColor, clRed));

    series.SetPointColor(0, clBlue);
    series.DeletePoint(1);
    EXPECT_THAT(*series.PointColors(), ElementsAre(clBlue, clRed));

    series.RemoveAllPoints();
    EXPECT_EQ(series.PointColors(), nullptr);
    series.AddValue(1);
    EXPECT_EQ(series.PointColors(), nullptr);
}

TEST_F(SeriesOnChart, ColorEachPointTakesPaletteColoursForPointsWithoutTheirOwn) {
    chart.SetColorPaletteIndex(1);
    for (int i = 0; i < 23; ++i)
        series.AddValue(i);
    series.SetPointColor(1, clBlack);
    series.SetColorEachPoint(true);
    EXPECT_EQ(series.PointColor(0), 0xFF9999u);
    EXPECT_EQ(series.PointColor(1), clBlack);
    EXPECT_EQ(series.PointColor(2), 0xCCFFFFu);
    EXPECT_EQ(series.PointColor(22), 0xFF9999u); // palette of 22 wraps

    TLineSeries loose;
    loose.SetColorEachPoint(true);
    loose.AddValue(1);
    EXPECT_EQ(loose.PointColor(0), 0x0000FFu); // default palette without a chart
}

TEST(SeriesLabels, StayEmptyUntilTheFirstLabelThenPadBefore) {
    TLineSeries series;
    for (int i = 0; i < 3; ++i)
        series.AddValue(i);
    EXPECT_TRUE(series.Labels().Empty());

    series.AddValue(3, "fourth");
    EXPECT_EQ(series.Labels().Count(), 4);
    EXPECT_EQ(series.PointLabel(0), "");
    EXPECT_EQ(series.PointLabel(3), "fourth");

    series.AddValue(4); // an unlabelled point still gets its entry once labels exist
    EXPECT_EQ(series.Labels().Count(), 5);
    series.AddPoint(0.5, 0, "early");
    EXPECT_EQ(series.PointLabel(1), "early");
    EXPECT_EQ(series.PointLabel(4), "fourth");

    series.DeletePoint(1);
    EXPECT_EQ(series.PointLabel(3), "fourth");
}

TEST(SeriesLabels, AnUnlabelledPointAfterAShortLabelListIsAddedSafely) {
    TLineSeries series;
    for (int i = 0; i < 5; ++i)
        series.AddValue(i);
    series.SetPointLabel(1, "one"); // the list now ends at point 1
    EXPECT_EQ(series.Labels().Count(), 2);

    EXPECT_EQ(series.AddValue(5), 5);
    EXPECT_EQ(series.PointLabel(5), "");
    EXPECT_EQ(series.PointLabel(1), "one");
    series.AddPoint(-1, 0, "first");
    EXPECT_EQ(series.PointLabel(0), "first");
    EXPECT_EQ(series.PointLabel(2), "one");

    series.SetPointLabel(2, "");
    EXPECT_EQ(series.PointLabel(2), "");
}

struct DeleteCase {
    int points;
    int index;
    const char* message;
    friend void PrintTo(const DeleteCase& c, std::ostream* os) {
        *os << c.points << " points, index " << c.index;
    }
};

class SeriesDeleteOutOfBounds : public testing::TestWithParam<DeleteCase> {};

TEST_P(SeriesDeleteOutOfBounds, RaisesTheBoundsMessageAndKeepsEveryPoint) {
    const DeleteCase& c = GetParam();
    TLineSeries series;
    for (int i = 0; i < c.points; ++i)
        series.AddValue(i, "", clRed);
    try {
        series.DeletePoint(c.index);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(series.PointCount(), c.points);
    EXPECT_EQ(series.YValues().ValueCount(), c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Indices, SeriesDeleteOutOfBounds,
    testing::Values(DeleteCase{5, 5, "Series Delete: ValueIndex 5 out of bounds (0 to 4)."},
                    DeleteCase{0, 0, "Series Delete: ValueIndex 0 out of bounds (0 to -1)."},
                    DeleteCase{3, -1, "Series Delete: ValueIndex -1 out of bounds (0 to 2)."}));

TEST_F(SeriesOnChart, RemoveAllPointsOnAnInactiveSeriesClearsButRequestsNoRepaint) {
    series.AddValue(1);
    series.AddValue(2, "x");
    series.SetActive(false);
    int cleared = 0;
    series.OnClearValues = [&](TChartSeries&) { ++cleared; };
    StartCounting();

    series.RemoveAllPoints();
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(series.PointCount(), 0);
    EXPECT_EQ(series.YValues().ValueCount(), 0);
    EXPECT_TRUE(series.Labels().Empty());
    EXPECT_EQ(series.FirstVisible(), -1);
    EXPECT_EQ(Repaints(), 0);

    series.SetActive(true);
    StartCounting();
    series.RemoveAllPoints();
    EXPECT_EQ(cleared, 2);
    EXPECT_EQ(Repaints(), 1);
}

// Records what the series tells the series linked to it.
class RecordingSeries : public TLineSeries {
public:
    std::vector<std::pair<TSeriesChange, int>> Calls;
    void NotifyLinkedSeries(TSeriesChange kind, int index) override {
        Calls.emplace_back(kind, index);
    }
};

TEST(SeriesLinkedNotification, IsSentAtEveryChangeOfThePoints) {
    RecordingSeries series;
    series.AddValue(1);
    series.AddPoint(-1, 0);
    series.YValues().SetValueAt(1, 5);
    series.DeletePoint(0);
    series.RemoveAllPoints();
    series.BeginPointBatch();
    series.AddValue(1);
    series.EndPointBatch();

    using K = TSeriesChange;
    EXPECT_THAT(series.Calls, ElementsAre(std::pair(K::Added, 0), std::pair(K::Added, 0),
                                          std::pair(K::Modified, 1), std::pair(K::Deleted, 0),
                                          std::pair(K::Cleared, 0), std::pair(K::Refreshed, 0)));
}

class EventLog : public TChartEventListener {
public:
    std::vector<TChartSeriesEventKind> Kinds;
    void ChartEvent(const TChartEvent& event) override {
        if (auto* e = dynamic_cast<const TChartSeriesEvent*>(&event))
            Kinds.push_back(e->Event);
    }
};

TEST_F(SeriesOnChart, APointBatchDefersNotificationToItsOutermostEnd) {
    EventLog log;
    chart.AddListener(log);
    int afterAdd = 0;
    series.OnAfterAdd = [&](TChartSeries&, int) { ++afterAdd; };
    StartCounting();

    series.BeginPointBatch();
    series.BeginPointBatch();
    series.AddValue(1);
    series.AddValue(2);
    series.EndPointBatch();
    EXPECT_TRUE(log.Kinds.empty());
    series.EndPointBatch();
    series.EndPointBatch(); // unbalanced end is ignored

    EXPECT_EQ(afterAdd, 0);
    EXPECT_EQ(series.PointCount(), 2);
    EXPECT_THAT(log.Kinds, ElementsAre(TChartSeriesEventKind::DataChanged));
    EXPECT_EQ(series.UpdateDepth(), 0);
    chart.RemoveListener(log);
}

TEST(SeriesTypes, LineAndBarSeriesHaveTheirDataSideDefaults) {
    TLineSeries line;
    EXPECT_EQ(line.XValues().Name(), "X");
    EXPECT_EQ(line.XValues().Order(), loAscending);
    EXPECT_EQ(line.YValues().Name(), "Y");
    EXPECT_EQ(line.YValues().Order(), loNone);
    EXPECT_EQ(line.ValuesList().Count(), 2);
    EXPECT_EQ(&line.ValuesList()[0], &line.XValues());
    EXPECT_TRUE(line.EndBeyondEdge());
    EXPECT_EQ(&line.MandatoryList(), &line.YValues());
    EXPECT_EQ(line.SeriesColor(), DefaultPointColor);

    TBarSeries bar;
    EXPECT_EQ(bar.YValues().Name(), "Bar");
    EXPECT_EQ(bar.ValueListByName("Bar"), &bar.YValues());
    EXPECT_EQ(bar.XValues().Order(), loAscending);
    EXPECT_FALSE(bar.EndBeyondEdge());
    EXPECT_EQ(bar.BarWidthPercent(), 70);
    EXPECT_TRUE(bar.Marks().Visible());
}

TEST_F(SeriesOnChart, DepthPositionsComeFromTheSlotAndTheSeriesDepth) {
    chart.Depth = 7;
    series.SetZIndex(2);
    series.CalcDepthPositions();
    EXPECT_EQ(series.FrontZ(), 14);
    EXPECT_EQ(series.BackZ(), 21);
    EXPECT_EQ(series.CentreZ(), 17);

    series.SetDepth(4);
    series.CalcDepthPositions();
    EXPECT_EQ(series.BackZ(), 18);
    EXPECT_EQ(series.CentreZ(), 16);
}

TEST(SeriesDepthSlots, AutomaticSlotsCountUpAndFixedOnesRaiseTheMaximum) {
    TLineSeries a, b, fixed;
    fixed.SetZOrder(5);
    int maxZ = -1;
    a.CalcZOrder(maxZ);
    fixed.CalcZOrder(maxZ);
    EXPECT_EQ(a.ZIndex(), 0);
    EXPECT_EQ(maxZ, 5);
    b.CalcZOrder(maxZ);
    EXPECT_EQ(b.ZIndex(), 6);
}

} // namespace
