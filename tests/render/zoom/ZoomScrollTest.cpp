#include "../frame/ChartFixture.h"
#include "axes/AxisScale.h"
#include "zoom/SavedScale.h"

#include <array>

namespace {

constexpr TAxisSide Sides[] = {TAxisSide::Left, TAxisSide::Top, TAxisSide::Right,
                               TAxisSide::Bottom};

struct ZoomFixture : ::testing::Test {
    TDBChart chart;
    std::vector<std::unique_ptr<TLineSeries>> series;
    QImage window;
    int zooms = 0, undos = 0, scrolls = 0;

    void SetUp() override {
        ApplyDBChart1Settings(chart);
        // Reaction times 200 ... 1100 ms over 0 ... 9 on the first series.
        for (int i = 0; i < 3; ++i) {
            series.push_back(std::make_unique<TLineSeries>());
            chart.AddSeries(*series.back());
        }
        for (int i = 0; i < 10; ++i)
            series[0]->AddPoint(i, 200 + 100 * i);
        chart.OnZoom = [this] { ++zooms; };
        chart.OnUndoZoom = [this] { ++undos; };
        chart.OnScroll = [this] { ++scrolls; };
        Paint();
    }
    void Paint() {
        window = QImage(chart.Width(), chart.Height(), QImage::Format_RGB32);
        chart.PaintChart(window);
    }
    TChartAxis& Axis(TAxisSide side) {
        switch (side) {
        case TAxisSide::Left:
            return *chart.LeftAxis();
        case TAxisSide::Top:
            return *chart.TopAxis();
        case TAxisSide::Right:
            return *chart.RightAxis();
        default:
            return *chart.BottomAxis();
        }
    }
    std::array<TSavedScale, 4> Scales() {
        std::array<TSavedScale, 4> s;
        for (TAxisSide side : Sides)
            s[std::size_t(side)] = SaveScale(Axis(side));
        return s;
    }
    void Drag(TMouseButton button, TPoint from, TPoint to) {
        chart.MouseDown(button, 0, from.x, from.y);
        chart.MouseMove(0, (from.x + to.x) / 2, (from.y + to.y) / 2);
        chart.MouseMove(0, to.x, to.y);
        chart.MouseUp(button, 0, to.x, to.y);
    }
    // The ranges a zoom into x0..x1, y0..y1 gives with the mapping of the last paint.
    std::array<TSavedScale, 4> ScalesUnder(int x0, int y0, int x1, int y1) {
        const TRect r = OrderedRect({x0, y0, x1, y1});
        std::array<TSavedScale, 4> s;
        for (TAxisSide side : Sides) {
            const TChartAxis& a = Axis(side);
            const bool across = side == TAxisSide::Top || side == TAxisSide::Bottom;
            const double v0 = across ? a.PixelToValue(r.left) : a.PixelToValue(r.bottom);
            const double v1 = across ? a.PixelToValue(r.right) : a.PixelToValue(r.top);
            TAxisScale zoomed;
            zoomed.SetRange(v0, v1);
            s[std::size_t(side)] = SaveScale(zoomed);
        }
        return s;
    }
    const QImage& Shown() const { return chart.Canvas().Buffer(); }
};

} // namespace

TEST_F(ZoomFixture, ARightwardDragZoomsAllFourAxesToTheValuesUnderIt) {
    const auto before = Scales();
    const auto expected = ScalesUnder(100, 100, 200, 180);
    EXPECT_NE(expected[0].Minimum, expected[0].Maximum);
    const int invalidates = chart.InvalidateCount();
    Drag(mbLeft, {100, 100}, {200, 180});
    EXPECT_EQ(Scales(), expected);
    EXPECT_TRUE(chart.Zoomed());
    EXPECT_EQ(zooms, 1);
    EXPECT_GT(chart.InvalidateCount(), invalidates);

    // A zoom started at the lower right corner zooms into the same rectangle.
    chart.UndoZoom();
    EXPECT_EQ(Scales(), before);
    chart.Zoom().SetUpLeftZooms(true);
    Drag(mbLeft, {200, 180}, {100, 100});
    EXPECT_EQ(Scales(), expected);
}

// Each drag starts from a zoomed chart: a drag zooms further, undoes, or leaves it as it is.
TEST_F(ZoomFixture, TheDragsSizeAndDirectionDecide) {
    enum Outcome { Zooms, Undoes, Nothing };
    struct Case {
        const char* name;
        TPoint from, to;
        Outcome outcome;
    };
    const Case cases[] = {
        {"rightwards and down", {100, 100}, {200, 180}, Zooms},
        {"rightwards and up", {100, 180}, {200, 100}, Zooms},
        {"leftwards and up", {200, 180}, {100, 100}, Undoes},
        {"leftwards and down", {200, 100}, {100, 180}, Undoes},
        {"100 wide, 10 high", {100, 100}, {200, 110}, Nothing},
        {"10 wide, 100 high", {100, 100}, {110, 200}, Nothing},
        {"16 each way", {100, 100}, {116, 116}, Nothing},
        {"17 each way", {100, 100}, {117, 117}, Zooms},
        {"17 leftwards", {117, 117}, {100, 100}, Undoes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chart.UndoZoom();
        Paint();
        const auto original = Scales();
        Drag(mbLeft, {60, 60}, {300, 220});
        Paint();
        const auto zoomed = Scales();
        const auto further = ScalesUnder(c.from.x, c.from.y, c.to.x, c.to.y);
        const int invalidates = chart.InvalidateCount();
        zooms = undos = 0;

        Drag(mbLeft, c.from, c.to);
        EXPECT_FALSE(chart.Zoom().Active());
        switch (c.outcome) {
        case Zooms:
            EXPECT_EQ(Scales(), further);
            EXPECT_EQ(zooms, 1);
            EXPECT_TRUE(chart.Zoomed());
            break;
        case Undoes:
            EXPECT_EQ(Scales(), original);
            EXPECT_EQ(undos, 1);
            EXPECT_FALSE(chart.Zoomed());
            break;
        case Nothing:
            EXPECT_EQ(Scales(), zoomed);
            EXPECT_EQ(zooms + undos, 0);
            EXPECT_EQ(chart.InvalidateCount(), invalidates);
            break;
        }
    }
}

TEST_F(ZoomFixture, OneUndoGoesBackBeforeEveryZoomAndScrollSinceTheLastUndo) {
    const auto original = Scales();
    Drag(mbLeft, {60, 60}, {300, 220});
    Paint();
    Drag(mbLeft, {100, 100}, {200, 180});
    Paint();
    Drag(mbRight, {150, 150}, {180, 120});
    EXPECT_NE(Scales(), original);
    Drag(mbLeft, {200, 180}, {100, 100});
    EXPECT_EQ(Scales(), original);
    EXPECT_EQ(undos, 1);

    // An undo with nothing saved only repaints; a scroll alone is undone as well.
    const int invalidates = chart.InvalidateCount();
    chart.UndoZoom();
    EXPECT_EQ(Scales(), original);
    EXPECT_GT(chart.InvalidateCount(), invalidates);
    Drag(mbRight, {150, 150}, {180, 120});
    EXPECT_NE(Scales(), original);
    EXPECT_FALSE(chart.Zoomed());
    Drag(mbLeft, {200, 180}, {100, 100});
    EXPECT_EQ(Scales(), original);
}

TEST_F(ZoomFixture, ANewResultOutsideTheZoomedRangeStaysOutOfViewUntilTheUndo) {
    Drag(mbLeft, {100, 100}, {200, 180});
    Paint();
    const auto zoomed = Scales();
    series[0]->AddPoint(10, 5000);
    Paint();
    EXPECT_EQ(Scales(), zoomed);
    EXPECT_LT(Axis(TAxisSide::Left).RangeMaximum(), 5000);

    Drag(mbLeft, {200, 180}, {100, 100});
    Paint();
    EXPECT_EQ(Axis(TAxisSide::Left).Maximum(), 5000);
    EXPECT_EQ(Axis(TAxisSide::Bottom).Maximum(), 10);
    EXPECT_TRUE(Axis(TAxisSide::Left).Automatic());
}

TEST_F(ZoomFixture, TheDataFollowsARightDrag) {
    const TRect plot = chart.PlotRect();
    const double atLeft = Axis(TAxisSide::Bottom).PixelToValue(plot.left + 50);
    const double atTop = Axis(TAxisSide::Left).PixelToValue(plot.top + 50);
    chart.MouseDown(mbRight, ssRight, 150, 150);
    chart.MouseMove(ssRight, 165, 150);
    chart.MouseMove(ssRight, 180, 170);
    chart.MouseUp(mbRight, 0, 180, 170);
    EXPECT_EQ(scrolls, 2);
    for (const TSavedScale& s : Scales())
        EXPECT_FALSE(s.Automatic || s.AutomaticMinimum || s.AutomaticMaximum);
    Paint();
    // What stood 50 pixels in now stands 30 pixels further right and 20 further down.
    EXPECT_DOUBLE_EQ(Axis(TAxisSide::Bottom).PixelToValue(plot.left + 80), atLeft);
    EXPECT_DOUBLE_EQ(Axis(TAxisSide::Left).PixelToValue(plot.top + 70), atTop);
    EXPECT_FALSE(chart.Panning().Active());
}

TEST_F(ZoomFixture, PanningModeAndOnAllowScrollLimitTheAxesThatMove) {
    chart.SetAllowPanning(pmHorizontal);
    std::vector<TAxisSide> asked;
    chart.OnAllowScroll = [&](TChartAxis& axis, double&, double&, bool& allow) {
        asked.push_back(axis.Side());
        allow = axis.Side() != TAxisSide::Top;
    };
    const auto before = Scales();
    Drag(mbRight, {150, 150}, {180, 180});
    EXPECT_EQ(asked, (std::vector<TAxisSide>{TAxisSide::Top, TAxisSide::Bottom, TAxisSide::Top,
                                             TAxisSide::Bottom}));
    const auto after = Scales();
    EXPECT_EQ(after[std::size_t(TAxisSide::Top)], before[std::size_t(TAxisSide::Top)]);
    EXPECT_NE(after[std::size_t(TAxisSide::Bottom)], before[std::size_t(TAxisSide::Bottom)]);
    EXPECT_EQ(after[std::size_t(TAxisSide::Left)], before[std::size_t(TAxisSide::Left)]);

    chart.SetAllowPanning(pmNone);
    Drag(mbRight, {150, 150}, {100, 100});
    EXPECT_EQ(Scales(), after);
}

TEST_F(ZoomFixture, LeavingThePlottingRectangleEndsTheScroll) {
    const TRect plot = chart.PlotRect();
    chart.MouseDown(mbRight, ssRight, 150, 150);
    chart.MouseMove(ssRight, 160, 150);
    const auto scrolled = Scales();
    chart.MouseMove(ssRight, plot.right + 5, 150);
    EXPECT_FALSE(chart.Panning().Active());
    chart.MouseMove(ssRight, 120, 150); // back inside: the drag does not resume
    EXPECT_EQ(Scales(), scrolled);
    EXPECT_EQ(scrolls, 1);
    chart.MouseUp(mbRight, 0, 120, 150);
}

TEST_F(ZoomFixture, APressOnlyStartsADragOnAZoomablePart) {
    const TRect plot = chart.PlotRect();
    const TRect title = chart.Title().ShapeRect();
    const TChartAxis& bottom = *chart.BottomAxis();
    const int belowAxis = std::max(bottom.AxisLinePos(), bottom.LabelsPos()) - 1;
    ASSERT_GT(belowAxis, plot.bottom);
    struct Case {
        const char* name;
        TPoint at;
        bool starts;
    };
    const Case cases[] = {
        {"plotting rectangle", {200, 150}, true},
        {"title", {(title.left + title.right) / 2, title.top + 2}, true},
        {"bottom axis, below the plotting rectangle", {200, belowAxis}, true},
        {"panel margin", {5, 150}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage before = Shown().copy();
        chart.MouseDown(mbLeft, ssLeft, c.at.x, c.at.y);
        chart.MouseMove(ssLeft, c.at.x + 40, c.at.y + 40);
        EXPECT_EQ(chart.Zoom().Active(), c.starts);
        EXPECT_EQ(Shown() != before, c.starts);
        chart.MouseUp(mbLeft, 0, c.at.x + 40, c.at.y + 40);
        EXPECT_EQ(Shown(), before);
        if (c.starts)
            chart.UndoZoom();
    }

    // Without active series the plotting rectangle is no part to press on.
    for (auto& s : series)
        s->SetActive(false);
    chart.MouseDown(mbLeft, ssLeft, 200, 150);
    EXPECT_FALSE(chart.Zoom().Active());
    chart.MouseUp(mbLeft, 0, 200, 150);
}

TEST(ZoomOnLegend, ADragStartingOnTheCalibrationLegendDrawsNothing) {
    ChartUnderTest t(ProgramChart::DBChart3);
    for (auto& s : t.series)
        for (int i = 0; i < 10; ++i)
            s->AddPoint(i, i % 3);
    t.Paint();
    const TRect box = t.chart.Legend().ShapeRect();
    ASSERT_GT(box.Width(), 0);
    const TLegendItemPlace first = PlaceLegendItem(t.chart.Legend().PaintState().items.places, 0);
    const TPoint onItem{first.textX + 2, first.y + 4};
    ASSERT_EQ(t.chart.PartAt(onItem.x, onItem.y), TChartPart::Legend);

    const QImage before = t.chart.Canvas().Buffer().copy();
    t.chart.MouseDown(mbLeft, ssLeft, onItem.x, onItem.y);
    t.chart.MouseMove(ssLeft, onItem.x + 60, onItem.y - 80);
    EXPECT_FALSE(t.chart.Zoom().Active());
    EXPECT_EQ(t.chart.Canvas().Buffer(), before);
    t.chart.MouseUp(mbLeft, 0, onItem.x + 60, onItem.y - 80);
    EXPECT_FALSE(t.chart.Zoomed());
}

TEST_F(ZoomFixture, APressDuringADragIsIgnored) {
    chart.MouseDown(mbLeft, ssLeft, 100, 100);
    chart.MouseDown(mbRight, ssLeft | ssRight, 100, 100);
    chart.MouseMove(ssLeft | ssRight, 150, 150);
    EXPECT_FALSE(chart.Panning().Active());
    EXPECT_EQ(scrolls, 0);
    chart.MouseUp(mbRight, ssLeft, 150, 150); // not the zoom button: the zoom goes on
    EXPECT_TRUE(chart.Zoom().Active());
    chart.MouseUp(mbLeft, 0, 150, 150);
    EXPECT_EQ(zooms, 1);
}

TEST_F(ZoomFixture, KeyShiftAndDirectionShapeTheZoom) {
    chart.Zoom().SetKeyShift(ssCtrl);
    chart.MouseDown(mbLeft, ssLeft | ssShift, 100, 100);
    EXPECT_FALSE(chart.Zoom().Active());
    chart.MouseUp(mbLeft, 0, 100, 100);

    // A horizontal zoom spans the plotting rectangle's height and keeps the vertical ranges.
    const TRect plot = chart.PlotRect();
    chart.Zoom().SetDirection(tzdHorizontal);
    const auto before = Scales();
    chart.MouseDown(mbLeft, ssLeft | ssCtrl | ssShift, 100, 100);
    EXPECT_EQ(chart.Zoom().Y0, plot.top);
    EXPECT_EQ(chart.Zoom().Y1, plot.bottom);
    chart.MouseMove(ssLeft, 200, 120);
    EXPECT_EQ(chart.Zoom().Y1, plot.bottom);
    chart.MouseUp(mbLeft, 0, 200, 120);
    const auto after = Scales();
    EXPECT_EQ(after[std::size_t(TAxisSide::Bottom)].Minimum,
              Axis(TAxisSide::Bottom).PixelToValue(100));
    EXPECT_EQ(after[std::size_t(TAxisSide::Left)].Minimum, before[0].Minimum);
    EXPECT_EQ(after[std::size_t(TAxisSide::Left)].Maximum, before[0].Maximum);
}

// The rectangle is inverted on the image the window shows: white over the chart's background,
// inverted elsewhere, and gone without a trace when drawn again.
TEST_F(ZoomFixture, TheRectangleInvertsTheShownImageAndDrawingItAgainRestoresIt) {
    const QImage clean = Shown().copy();
    int shows = 0;
    chart.OnImageChanged = [&] { ++shows; };
    const int draws = chart.InvalidateCount();

    chart.MouseDown(mbLeft, ssLeft, 100, 100);
    chart.MouseMove(ssLeft, 200, 180);
    EXPECT_EQ(shows, 3); // drawn, removed, drawn again
    EXPECT_EQ(chart.InvalidateCount(), draws);
    const QImage shown = Shown().copy();
    for (int x = 0; x < shown.width(); ++x)
        for (int y = 0; y < shown.height(); ++y) {
            const bool outline = ((x == 100 || x == 199) && y >= 100 && y < 180) ||
                                 ((y == 100 || y == 179) && x >= 100 && x < 200);
            const QRgb was = clean.pixel(x, y) & 0xFFFFFF;
            const QRgb now = shown.pixel(x, y) & 0xFFFFFF;
            if (!outline) {
                ASSERT_EQ(now, was) << x << "," << y;
                continue;
            }
            // The back wall of the results chart is silver.
            const QRgb expected = ~(was ^ 0xC0C0C0) & 0xFFFFFF;
            ASSERT_EQ(now, expected) << x << "," << y;
        }
    EXPECT_EQ(shown.pixel(150, 100) & 0xFFFFFF, 0xFFFFFFu); // over the back wall: white

    // A paint in the middle of the drag keeps the rectangle in the picture.
    chart.Invalidate();
    Paint();
    EXPECT_EQ(Shown(), shown);
    chart.MouseUp(mbLeft, 0, 110, 105);
    EXPECT_EQ(Shown(), clean);
    EXPECT_EQ(chart.Canvas().PenMode(), pmCopy);
}
