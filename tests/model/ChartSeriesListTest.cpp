#include "BarSeries.h"
#include "LineSeries.h"
#include "TestChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using testing::ElementsAre;
using Kind = TChartSeriesEventKind;

namespace {

class EventLog : public TChartEventListener {
public:
    explicit EventLog(std::string name, std::vector<std::string>* order = nullptr)
        : name_(std::move(name)), order_(order) {}
    std::vector<std::pair<Kind, TChartSeries*>> Events;
    TCustomChartBase* LastSender = nullptr;
    void ChartEvent(const TChartEvent& event) override {
        LastSender = event.Sender;
        if (order_)
            order_->push_back(name_);
        if (auto* e = dynamic_cast<const TChartSeriesEvent*>(&event))
            Events.emplace_back(e->Event, e->Series);
    }

private:
    std::string name_;
    std::vector<std::string>* order_;
};

TEST(ChartPalette, AutoColouredSeriesTakePaletteOneColoursInJoinOrder) {
    TTestChart chart;
    chart.SetColor(clWhite);
    chart.SetColorPaletteIndex(1);
    TLineSeries s0, s1, s2;
    TBarSeries fixed;
    fixed.SetSeriesColor(0xFF0000);
    for (TChartSeries* s : std::initializer_list<TChartSeries*>{&s0, &s1, &fixed, &s2})
        s->SetParentChart(&chart);

    EXPECT_EQ(s0.SeriesColor(), 0xFF9999u);
    EXPECT_EQ(s1.SeriesColor(), 0x663399u);
    EXPECT_EQ(fixed.SeriesColor(), 0xFF0000u);
    EXPECT_EQ(s2.SeriesColor(), 0xCCFFFFu);
    EXPECT_EQ(chart.SeriesCount(), 4);
    EXPECT_EQ(&chart.Series(2), &fixed);
}

TEST(ChartPalette, DefaultPaletteSkipsColoursInUseAndTheBackground) {
    TTestChart chart; // default palette: red, green, yellow, blue, ...
    chart.SetColor(0x0000FF);
    chart.BackWall = 0x008000;
    TLineSeries taken;
    taken.SetSeriesColor(0x00FFFF);
    taken.SetParentChart(&chart);
    TLineSeries series;
    series.SetParentChart(&chart);
    EXPECT_EQ(series.SeriesColor(), 0xFF0000u);
}

TEST(ChartPalette, WhenEveryColourIsTakenTheLastPaletteEntryIsUsed) {
    TTestChart chart;
    chart.SetColorPaletteIndex(1);
    std::vector<std::unique_ptr<TLineSeries>> series;
    for (int i = 0; i < 23; ++i) {
        series.push_back(std::make_unique<TLineSeries>());
        series.back()->SetParentChart(&chart);
    }
    EXPECT_EQ(series[21]->SeriesColor(), 0xCC99FFu);
    EXPECT_EQ(series[22]->SeriesColor(), 0xCC99FFu);
}

TEST(ChartPalette, ChangingThePaletteRecoloursOnlyAutomaticSeries) {
    TTestChart chart;
    TLineSeries a, b, fixed;
    fixed.SetSeriesColor(clTeal);
    for (TChartSeries* s : std::initializer_list<TChartSeries*>{&a, &fixed, &b})
        s->SetParentChart(&chart);
    EXPECT_EQ(a.SeriesColor(), 0x0000FFu);
    EXPECT_EQ(b.SeriesColor(), 0x008000u);

    chart.SetColorPaletteIndex(1);
    EXPECT_EQ(a.SeriesColor(), 0xFF9999u);
    EXPECT_EQ(b.SeriesColor(), 0x663399u);
    EXPECT_EQ(fixed.SeriesColor(), clTeal);
}

TEST(SeriesColor, ASetColourReplacesTheAutomaticOneAndIsBroadcast) {
    TTestChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    EventLog log("log");
    chart.AddListener(log);
    const int before = chart.InvalidateCount();

    series.SetSeriesColor(series.AutoSeriesColor()); // same as the automatic colour: no-op
    EXPECT_TRUE(log.Events.empty());
    EXPECT_EQ(chart.InvalidateCount(), before);

    series.SetSeriesColor(clPurple);
    EXPECT_EQ(series.SeriesColor(), clPurple);
    EXPECT_EQ(series.AutoSeriesColor(), clPurple);
    EXPECT_THAT(log.Events, ElementsAre(std::pair(Kind::ColorChanged, &series)));
    EXPECT_EQ(chart.InvalidateCount(), before + 1);
    chart.RemoveListener(log);
}

TEST(ChartListeners, ReceiveSeriesEventsInRegistrationOrderOnce) {
    TTestChart chart;
    std::vector<std::string> order;
    EventLog first("first", &order), second("second", &order);
    chart.AddListener(first);
    chart.AddListener(second);
    chart.AddListener(first); // already there

    TLineSeries series;
    series.SetParentChart(&chart);
    series.SetTitle("T");
    series.SetTitle("T"); // broadcast even without a change
    series.SetActive(false);
    series.SetParentChart(nullptr);

    EXPECT_THAT(first.Events, ElementsAre(std::pair(Kind::ColorChanged, &series),
                                          std::pair(Kind::SeriesAdded, &series),
                                          std::pair(Kind::TitleChanged, &series),
                                          std::pair(Kind::TitleChanged, &series),
                                          std::pair(Kind::ActivityChanged, &series),
                                          std::pair(Kind::SeriesRemoved, &series)));
    EXPECT_EQ(first.LastSender, &chart);
    EXPECT_EQ(order.size(), 12u);
    EXPECT_EQ(order[0], "first");
    EXPECT_EQ(order[1], "second");

    chart.RemoveListener(first);
    series.SetParentChart(&chart);
    EXPECT_EQ(first.Events.size(), 6u);
    EXPECT_EQ(second.Events.size(), 8u);
    chart.RemoveListener(second);
}

TEST(ChartListeners, AListenerMayUnregisterWhileHandlingAnEvent) {
    TTestChart chart;
    struct SelfRemoving : TChartEventListener {
        TCustomChartBase* Chart = nullptr;
        int Calls = 0;
        void ChartEvent(const TChartEvent&) override {
            ++Calls;
            Chart->RemoveListener(*this);
        }
    } once;
    once.Chart = &chart;
    EventLog after("after");
    chart.AddListener(once);
    chart.AddListener(after);

    TLineSeries series;
    series.SetParentChart(&chart);
    EXPECT_EQ(once.Calls, 1);
    EXPECT_EQ(after.Events.size(), 2u);
    chart.RemoveListener(after);
}

TEST(ChartListeners, AChartThatGoesTellsEachListenerOnceAndBroadcastsNothing) {
    struct Forgetful : TChartEventListener {
        std::vector<const TCustomChartBase*> Gone;
        int Events = 0;
        void ChartEvent(const TChartEvent&) override { ++Events; }
        void ChartGoing(TCustomChartBase& chart) override { Gone.push_back(&chart); }
    } a, b;
    TLineSeries series; // outlives the chart: leaving it must not broadcast
    const TCustomChartBase* address = nullptr;
    {
        TTestChart chart;
        address = &chart;
        chart.AddListener(a);
        chart.AddListener(b);
        chart.AddSeries(series);
        a.Events = b.Events = 0;
    }
    EXPECT_THAT(a.Gone, ElementsAre(address));
    EXPECT_THAT(b.Gone, ElementsAre(address));
    EXPECT_EQ(a.Events, 0);
    EXPECT_EQ(series.ParentChart(), nullptr);
}

TEST(ChartSeriesList, ASeriesMovesBetweenChartsAndLeavesOnDestruction) {
    TTestChart one, two;
    TLineSeries a;
    auto b = std::make_unique<TLineSeries>();
    a.SetParentChart(&one);
    b->SetParentChart(&one);
    b->SetName("Series1");

    a.SetParentChart(&two);
    EXPECT_EQ(one.SeriesCount(), 1);
    EXPECT_EQ(&one.Series(0), b.get());
    EXPECT_EQ(two.SeriesCount(), 1);
    EXPECT_EQ(a.ParentChart(), &two);

    EventLog log("log");
    one.AddListener(log);
    TLineSeries* gone = b.get();
    b.reset();
    EXPECT_EQ(one.SeriesCount(), 0);
    EXPECT_THAT(log.Events, ElementsAre(std::pair(Kind::SeriesRemoved, gone)));
    one.RemoveListener(log);
}

TEST(ChartSeriesList, ADestroyedChartLeavesItsSeriesWithoutAChart) {
    TLineSeries series;
    {
        TTestChart chart;
        chart.AddSeries(series);
        EXPECT_EQ(series.ParentChart(), &chart);
    }
    EXPECT_EQ(series.ParentChart(), nullptr);
    series.AddValue(1); // no chart to repaint: must not touch the old one
    EXPECT_EQ(series.PointCount(), 1);
}

TEST(SeriesDisplayTitle, FallsBackToTheNameThenToThePositionInTheChart) {
    TTestChart chart;
    TLineSeries first, second;
    first.SetParentChart(&chart);
    second.SetParentChart(&chart);
    EXPECT_EQ(second.DisplayTitle(), "Series2");
    second.SetName("SeriesRDTSC");
    EXPECT_EQ(second.DisplayTitle(), "SeriesRDTSC");
    second.SetTitle("Brojac");
    EXPECT_EQ(second.DisplayTitle(), "Brojac");
}

// --- repaint requests -----------------------------------------------------------------------

struct RepaintCase {
    const char* name;
    std::function<void(TLineSeries&)> change;
    int requests;
    friend void PrintTo(const RepaintCase& c, std::ostream* os) { *os << c.name; }
};

class RepaintRequests : public testing::TestWithParam<RepaintCase> {};

TEST_P(RepaintRequests, EachChangeAsksForExactlyTheExpectedRepaints) {
    TTestChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    for (int i = 0; i < 3; ++i)
        series.AddValue(i);
    int callbacks = 0;
    chart.OnInvalidate = [&] { ++callbacks; };
    const int before = chart.InvalidateCount();

    GetParam().change(series);
    EXPECT_EQ(chart.InvalidateCount() - before, GetParam().requests);
    EXPECT_EQ(callbacks, GetParam().requests);

    // With repaints switched off (as during a paint) the same change asks for nothing.
    chart.SetRepaintEnabled(false);
    GetParam().change(series);
    EXPECT_EQ(callbacks, GetParam().requests);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RepaintRequests,
    testing::Values(
        RepaintCase{"AddValue", [](TLineSeries& s) { s.AddValue(5); }, 1},
        RepaintCase{"DeletePoint", [](TLineSeries& s) { s.DeletePoint(0); }, 1},
        RepaintCase{"RemoveAllPoints", [](TLineSeries& s) { s.RemoveAllPoints(); }, 1},
        RepaintCase{"SetPointColor", [](TLineSeries& s) { s.SetPointColor(1, clRed); }, 1},
        RepaintCase{"SetDefaultPointColorWithoutList",
                    [](TLineSeries& s) { s.SetPointColor(1, DefaultPointColor); }, 0},
        RepaintCase{"SetPointLabel", [](TLineSeries& s) { s.SetPointLabel(1, "a"); }, 1},
        RepaintCase{"SetValueAt", [](TLineSeries& s) { s.YValues().SetValueAt(1, 9); }, 0},
        RepaintCase{"SetTitle", [](TLineSeries& s) { s.SetTitle("t"); }, 1},
        RepaintCase{"SetSameTitle", [](TLineSeries& s) { s.SetTitle(""); }, 0},
        RepaintCase{"ShowInLegend", [](TLineSeries& s) { s.SetShowInLegend(false); }, 1},
        RepaintCase{"PenColour", [](TLineSeries& s) { s.LinePen().SetColor(clRed); }, 1},
        RepaintCase{"SamePenColour", [](TLineSeries& s) { s.LinePen().SetColor(clBlack); }, 0},
        RepaintCase{"BrushStyle", [](TLineSeries& s) { s.Brush().SetStyle(bsClear); }, 1},
        RepaintCase{"AddToInactiveSeries",
                    [](TLineSeries& s) {
                        s.SetActive(false);
                        s.AddValue(1);
                    },
                    1 /* the switch itself */}),
    [](const testing::TestParamInfo<RepaintCase>& info) { return info.param.name; });

} // namespace
