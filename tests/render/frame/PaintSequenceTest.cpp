#include "ChartFixture.h"
#include "frame/ChartPanelEvents.h"

#include <stdexcept>

namespace {

// A chart that notes each step of its paint, with one series of one point.
class RecordingChart : public TDBChart {
public:
    std::vector<std::string> log;
    // Checks a step makes of the paint state.
    std::function<void(const char*)> onStep;

protected:
    void DrawPanelBackground(const TRect& r) override {
        Note("background");
        TDBChart::DrawPanelBackground(r);
    }
    void PlaceTitlesAndLegend(bool beforeSeries) override {
        Note(beforeSeries ? "titles before series" : "titles after series");
        TDBChart::PlaceTitlesAndLegend(beforeSeries);
    }
    TRoom LayoutAxes(const TRect&) override {
        Note("layout axes");
        return {};
    }
    void ApplySeriesMargins() override { Note("series margins"); }
    void PaintWalls() override {
        Note("walls");
        TDBChart::PaintWalls();
    }
    void DrawAxes() override { Note("axes"); }
    void DrawZoomRectangle() override { Note("zoom rectangle"); }

private:
    void Note(const char* step) {
        log.push_back(step);
        if (onStep)
            onStep(step);
    }
};

struct RecordingFixture : ::testing::Test {
    RecordingFixture() {
        chart.SetSize(300, 200);
        chart.Title().SetCaption("Title");
        series.log = &chart.log;
        chart.AddSeries(series);
        series.AddValue(5);
        const auto note = [this](const char* step) {
            return [this, step] { chart.log.push_back(step); };
        };
        chart.OnBeforeDrawChart = note("before draw chart");
        chart.OnBeforeDrawAxes = note("before draw axes");
        chart.OnBeforeDrawSeries = note("before draw series");
        chart.OnAfterDraw = note("after draw");
        series.BeforeDrawValues = [this](TChartSeries&) { chart.log.push_back("before values"); };
        series.AfterDrawValues = [this](TChartSeries&) { chart.log.push_back("after values"); };
    }
    void Paint() {
        chart.log.clear();
        chart.PaintChart(window);
    }

    RecordingChart chart;
    ProbeSeries series;
    QImage window{300, 200, QImage::Format_RGB32};
};

using Steps = std::vector<std::string>;

// A chart that keeps what its axes' layout step was handed and what it answered.
class AxesLayoutChart : public TDBChart {
public:
    TRect handed, afterLayout;
    TRoom answered;

protected:
    TRoom LayoutAxes(const TRect& plot) override {
        handed = plot;
        answered = TDBChart::LayoutAxes(plot);
        afterLayout = PlotRect();
        return answered;
    }
};

} // namespace

TEST(AxesLayoutStep, AnswersTheRoomItTakesAndLeavesThePlottingRectangleToTheChart) {
    AxesLayoutChart chart;
    chart.SetSize(300, 200);
    ProbeSeries series;
    chart.AddSeries(series);
    series.AddValue(5);
    QImage window{300, 200, QImage::Format_RGB32};
    chart.PaintChart(window);

    EXPECT_EQ(chart.afterLayout, chart.handed);
    // The left axis' labels and the bottom axis' labels take room; the chart applies it.
    EXPECT_GT(chart.answered.left, 0);
    EXPECT_GT(chart.answered.bottom, 0);
    EXPECT_EQ(chart.PlotRect(), chart.answered.TakenFrom(chart.handed));
}

TEST_F(RecordingFixture, EveryPaintRunsTheStepsInOrder) {
    Paint();
    EXPECT_EQ(chart.log, (Steps{"background", "before draw chart", "prepare",
                                "titles before series", "layout axes", "depth positions",
                                "series margins", "walls", "before draw axes", "axes",
                                "before draw series", "before values", "draw value", "after values",
                                "titles after series", "zoom rectangle", "after draw"}));

    // Axes in front of the series are drawn after them.
    chart.SetAxisBehind(false);
    Paint();
    EXPECT_EQ(chart.log, (Steps{"background", "before draw chart", "prepare",
                                "titles before series", "layout axes", "depth positions",
                                "series margins", "walls", "before draw series", "before values",
                                "draw value", "after values", "before draw axes", "axes",
                                "titles after series", "zoom rectangle", "after draw"}));
}

TEST_F(RecordingFixture, StepsSeeThePaintStateOfTheirPlace) {
    chart.onStep = [this](const char* step) {
        EXPECT_FALSE(chart.RepaintEnabled()) << step;
        const std::string s = step;
        if (s == "layout axes") {
            // The title and the depth have taken their room.
            EXPECT_GT(chart.ChartDepth(), 0);
            EXPECT_GT(chart.PlotRect().top, 8 + 12);
        }
        if (s == "walls") { // projected around the final plotting rectangle
            EXPECT_EQ(chart.Canvas().ProjectionCenter(),
                      (TPoint{chart.PlotXCenter(), chart.PlotYCenter()}));
        }
    };
    Paint();
    EXPECT_TRUE(chart.RepaintEnabled());
    EXPECT_FALSE(chart.Canvas().ImageOutOfDate());
}

TEST_F(RecordingFixture, ChangesMadeWhilePaintingAskForNoPaint) {
    int requests = 0;
    chart.OnInvalidate = [&] { ++requests; };
    chart.OnBeforeDrawSeries = [this] {
        chart.SetColor(clRed);
        chart.Title().SetCaption("Other");
        series.AddValue(7);
    };
    Paint();
    EXPECT_EQ(requests, 0);
    EXPECT_FALSE(chart.Canvas().ImageOutOfDate());

    // The same change outside a paint asks for one.
    chart.SetColor(clLime);
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(chart.Canvas().ImageOutOfDate());
    // The fixture's series invalidates the chart as it goes, after `requests` is gone.
    chart.OnInvalidate = nullptr;
}

TEST_F(RecordingFixture, ACurrentImageIsCopiedWithoutDrawing) {
    int draws = 0;
    chart.OnBeforeDrawChart = [&] { ++draws; };
    chart.SetColor(clLime);
    Paint();
    ASSERT_EQ(draws, 1);

    // Another window uncovered the chart: the image is shown again, nothing is drawn.
    window.fill(Qt::black);
    Paint();
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(window.pixelColor(150, 5), QColor(Qt::green));

    // After a change the next paint draws; a new size too.
    chart.Title().Font().SetSize(12);
    Paint();
    EXPECT_EQ(draws, 2);
    chart.SetSize(310, 200);
    window = QImage(310, 200, QImage::Format_RGB32);
    Paint();
    EXPECT_EQ(draws, 3);
    EXPECT_EQ(chart.Canvas().Buffer().size(), QSize(310, 200));
}

TEST_F(RecordingFixture, AStepThatFailsLeavesRepaintsOn) {
    chart.OnBeforeDrawSeries = [] { throw std::runtime_error("failed step"); };
    EXPECT_THROW(Paint(), std::runtime_error);
    EXPECT_TRUE(chart.RepaintEnabled());
    EXPECT_TRUE(chart.Canvas().ImageOutOfDate());
}

TEST_F(RecordingFixture, SeriesWithoutVisiblePointsDrawNothingAndFireNoEvents) {
    ProbeSeries empty;
    empty.log = &chart.log;
    chart.AddSeries(empty);
    int emptyEvents = 0;
    empty.BeforeDrawValues = [&](TChartSeries&) { ++emptyEvents; };
    empty.AfterDrawValues = [&](TChartSeries&) { ++emptyEvents; };

    // Points are drawn clipped to the plotting box; the clip goes afterwards.
    bool clipped = false;
    series.onDrawValue = [&](TSeriesDrawing&, int) { clipped = chart.Canvas().HasClip(); };
    Paint();
    EXPECT_EQ(emptyEvents, 0);
    EXPECT_TRUE(clipped);
    EXPECT_FALSE(chart.Canvas().HasClip());

    chart.SetClipPoints(false);
    Paint();
    EXPECT_FALSE(clipped);
    chart.RemoveSeries(empty);
}

TEST_F(RecordingFixture, SeriesArePaintedInListOrder) {
    ProbeSeries second;
    chart.AddSeries(second);
    second.AddValue(1);
    std::vector<int> order;
    series.onDrawValue = [&](TSeriesDrawing&, int) { order.push_back(1); };
    second.onDrawValue = [&](TSeriesDrawing&, int) { order.push_back(2); };
    Paint();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(series.ZIndex(), 1); // the first stands at the back
    chart.RemoveSeries(second);
}

namespace {

struct EventLog : TChartEventListener {
    std::vector<std::string> seen;
    TCustomChartBase* sender = nullptr;
    std::function<void(const TChartEvent&)> also;
    void ChartEvent(const TChartEvent& event) override {
        sender = event.Sender;
        if (const auto* e = dynamic_cast<const TChartView3DEvent*>(&event))
            seen.push_back(e->View3D ? "3D on" : "3D off");
        if (const auto* e = dynamic_cast<const TChartMouseEvent*>(&event))
            seen.push_back(std::to_string(int(e->Event)) + " " + std::to_string(e->Button) + " " +
                           std::to_string(e->X) + "," + std::to_string(e->Y));
        if (also)
            also(event);
    }
};

} // namespace

TEST(ChartListeners, TheView3DSwitchIsBroadcastWhenItChanges) {
    TDBChart chart;
    EventLog listener;
    chart.AddListener(listener);
    chart.SetView3D(false);
    chart.SetView3D(false);
    chart.SetView3D(true);
    EXPECT_EQ(listener.seen, (Steps{"3D off", "3D on"}));
    EXPECT_EQ(listener.sender, &chart);
    chart.RemoveListener(listener);
}

TEST(ChartListeners, MouseEventsReachListenersUntilOneCancels) {
    TDBChart chart;
    EventLog first, second;
    chart.MouseDown(mbLeft, ssLeft, 1, 1); // nobody listens: nothing happens
    chart.AddListener(first);
    chart.AddListener(second);

    chart.MouseDown(mbRight, ssRight, 10, 20);
    chart.MouseMove(ssRight, 11, 21);
    chart.MouseUp(mbRight, 0, 12, 22);
    EXPECT_EQ(first.seen, (Steps{"0 1 10,20", "2 0 11,21", "1 1 12,22"}));
    EXPECT_EQ(second.seen, first.seen);

    // The first listener takes the press for itself; the next move is heard by both again.
    first.also = [&](const TChartEvent& e) {
        if (dynamic_cast<const TChartMouseEvent&>(e).Event == TChartMouseEventKind::Press)
            chart.SetCancelMouse(true);
    };
    first.seen.clear();
    second.seen.clear();
    chart.MouseDown(mbLeft, ssLeft, 5, 6);
    EXPECT_EQ(first.seen.size(), 1u);
    EXPECT_TRUE(second.seen.empty());
    chart.MouseMove(ssLeft, 7, 8);
    EXPECT_EQ(second.seen, (Steps{"2 0 7,8"}));
    chart.RemoveListener(first);
    chart.RemoveListener(second);
}
