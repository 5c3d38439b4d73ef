#include "BarSeries.h"
#include "FakeSeriesDrawing.h"
#include "LineSeries.h"
#include "TestChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using testing::ElementsAre;

namespace {

struct RangeCase {
    double minimum;
    double maximum;
    bool inverted;
    bool endBeyondEdge;
    int first;
    int last;
    friend void PrintTo(const RangeCase& c, std::ostream* os) {
        *os << "axis " << c.minimum << ".." << c.maximum << (c.inverted ? " inverted" : "")
            << (c.endBeyondEdge ? " end beyond edge" : "");
    }
};

// A series with X = 0 .. 9 on a chart whose bottom axis shows [minimum, maximum].
class VisibleRange : public testing::TestWithParam<RangeCase> {
protected:
    VisibleRange() {
        series.SetParentChart(&chart);
        for (int i = 0; i < 10; ++i)
            series.AddValue(i * 10);
    }
    TTestChart chart;
    TLineSeries series;
};

TEST_P(VisibleRange, CoversThePointsBetweenTheAxisEdges) {
    const RangeCase& c = GetParam();
    chart.Bottom.SetRange(c.minimum, c.maximum);
    chart.Bottom.SetInverted(c.inverted);
    series.SetEndBeyondEdge(c.endBeyondEdge);

    series.ComputeVisibleRange();
    EXPECT_EQ(series.FirstVisible(), c.first);
    EXPECT_EQ(series.LastVisible(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    AxisRanges, VisibleRange,
    testing::Values(RangeCase{2.5, 6.5, false, true, 3, 7}, RangeCase{2.5, 6.5, false, false, 3, 6},
                    RangeCase{2.5, 6.5, true, true, 3, 7}, RangeCase{2.5, 6.5, true, false, 3, 6},
                    RangeCase{2.5, 6.0, false, false, 3, 6}, // a point on the edge is inside
                    RangeCase{20, 30, false, true, -1, -1}, RangeCase{-5, 20, false, false, 0, 9},
                    RangeCase{0, 9, false, false, 0, 9}));

TEST_F(VisibleRange, EveryPointIsVisibleWithoutLimitOrWithUnorderedX) {
    chart.Bottom.SetRange(2.5, 6.5);
    series.SetLimitToVisible(false);
    series.ComputeVisibleRange();
    EXPECT_EQ(series.FirstVisible(), 0);
    EXPECT_EQ(series.LastVisible(), 9);

    series.SetLimitToVisible(true);
    series.XValues().SetOrder(loNone);
    series.ComputeVisibleRange();
    EXPECT_EQ(series.FirstVisible(), 0);
    EXPECT_EQ(series.LastVisible(), 9);
}

TEST(VisibleRangeEmpty, AnEmptySeriesShowsNothing) {
    TTestChart chart;
    TBarSeries series;
    series.SetParentChart(&chart);
    series.ComputeVisibleRange();
    EXPECT_EQ(series.FirstVisible(), -1);
    EXPECT_EQ(series.LastVisible(), -1);
}

class DrawOrderSeries : public TChartSeries {
public:
    std::vector<int> Drawn;
    TSeriesDrawing* DrawnThrough = nullptr;
    void DrawValue(TSeriesDrawing& drawing, int index) override {
        DrawnThrough = &drawing;
        Drawn.push_back(index);
    }
};

TEST(DrawVisiblePoints, RunsAgainstAnInvertedAxisOrAReversedView) {
    TTestChart chart;
    chart.Bottom.SetRange(0, 9);
    DrawOrderSeries series;
    series.SetParentChart(&chart);
    for (int i = 0; i < 4; ++i)
        series.AddValue(i);
    series.ComputeVisibleRange();
    FakeSeriesDrawing drawing;

    series.DrawVisiblePoints(drawing);
    EXPECT_THAT(series.Drawn, ElementsAre(0, 1, 2, 3));
    EXPECT_EQ(series.DrawnThrough, &drawing);

    series.Drawn.clear();
    chart.Bottom.SetInverted(true);
    series.DrawVisiblePoints(drawing);
    EXPECT_THAT(series.Drawn, ElementsAre(3, 2, 1, 0));

    series.Drawn.clear();
    chart.Reverse = true; // seen from the far side, the inverted axis draws forward again
    series.DrawVisiblePoints(drawing);
    EXPECT_THAT(series.Drawn, ElementsAre(0, 1, 2, 3));
}

TEST(SeriesPixels, MapValuesThroughTheSeriesAxes) {
    TTestChart chart; // plot 0..100 wide, 0..50 high
    chart.Bottom.SetRange(0, 10);
    chart.Left.SetRange(0, 100);
    TLineSeries series;
    series.SetParentChart(&chart);
    series.AddValue(50);
    series.AddValue(100);
    EXPECT_EQ(series.XPixel(1), 10);
    EXPECT_EQ(series.YPixel(0), 25);
    EXPECT_EQ(series.MinY(), 50);
    EXPECT_EQ(series.MaxX(), 1);
    EXPECT_TRUE(series.AssociatedToAxis(chart.Bottom));
    EXPECT_EQ(series.ValueListOfAxis(chart.Left), &series.YValues());
}

} // namespace
