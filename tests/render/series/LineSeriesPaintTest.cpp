#include "ColorOps.h"
#include "LineSeries.h"
#include "SeriesPaintFixture.h"
#include "series/LineSeriesPainter.h"

#include <random>

namespace {

// A line series on the test chart: X 0..10 over the plot's 200 pixels (20 per unit), Y 0..100
// over its 100 pixels, so Y pixel = 130 - Y.
class LinePaint : public SeriesPaintTest {
protected:
    LinePaint() {
        series.SetParentChart(&chart);
        series.SetSeriesColor(clBlue);
        series.LinePen().SetColor(clYellow);
        chart.SetRanges(0, 10, 0, 100);
    }
    void Add(std::initializer_list<std::pair<double, double>> points) {
        for (const auto& [x, y] : points)
            series.AddPoint(x, y);
    }
    TLineSeriesPainter Paint(bool view3D, bool skipHidden = true) {
        if (!canvas.Target())
            Begin(view3D);
        series.CalcDepthPositions();
        series.ComputeVisibleRange();
        TLineSeriesPainter painter(series, Context(skipHidden));
        painter.DrawVisiblePoints();
        return painter;
    }
    bool AllWhite() {
        const QImage& img = canvas.Buffer();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    return false;
        return true;
    }

    TLineSeries series;
};

TEST_F(LinePaint, OnePointDrawsNothing) {
    Add({{5, 50}});
    Paint(true);
    EXPECT_TRUE(AllWhite());
}

TEST_F(LinePaint, FlatLinesTakeTheSeriesColourNotThePenColour) {
    Add({{0, 50}, {5, 50}, {10, 50}});
    Paint(false);
    EXPECT_EQ(Px(20, 80), clBlue);
    EXPECT_EQ(Px(120, 80), clBlue);
    EXPECT_EQ(Px(219, 80), clBlue);
    EXPECT_EQ(Px(220, 80), clWhite); // the last point's own pixel is the end of a line
    EXPECT_EQ(Px(100, 81), clWhite);
}

TEST_F(LinePaint, PointsOnOnePixelDrawNoSegmentAndTheNextStartsThere) {
    Add({{0, 50}, {0.01, 50.2}, {5, 0}});
    const TLineSeriesPainter painter = Paint(false);
    EXPECT_EQ(painter.PreviousX(), 120);
    EXPECT_EQ(painter.PreviousY(), 130);
    const QImage drawn = canvas.Buffer().copy();

    TLineSeries plain;
    plain.SetParentChart(&chart);
    plain.SetSeriesColor(clBlue);
    plain.AddPoint(0, 50);
    plain.AddPoint(5, 0);
    Begin(false);
    plain.ComputeVisibleRange();
    TLineSeriesPainter(plain, Context()).DrawVisiblePoints();
    EXPECT_EQ(canvas.Buffer(), drawn);
}

TEST_F(LinePaint, TheLineEntersFromTheLeftEdgeAtTheInterpolatedHeight) {
    for (int i = 0; i <= 10; ++i)
        series.AddPoint(i, 10 * i);
    chart.SetRanges(2.5, 10, 0, 100);
    Paint(false);
    ASSERT_EQ(series.FirstVisible(), 3);
    // Y 25 at the edge value 2.5
    EXPECT_EQ(Px(20, 105), clBlue);
    EXPECT_EQ(Px(19, 105), clWhite);
}

TEST_F(LinePaint, ANullPointIsNotJoinedToItsNeighbours) {
    Add({{0, 10}, {5, 90}, {10, 10}});
    series.SetPointColor(1, clNone);
    Paint(false);
    EXPECT_TRUE(AllWhite());
}

// After a null point the line restarts at the next point: nothing joins the null point to
// either neighbour, and the segment after the restart is drawn from the restart point.
TEST_F(LinePaint, ANullPointRestartsTheLineAtTheNextPoint) {
    Add({{0, 10}, {2, 90}, {4, 50}, {6, 50}, {8, 10}});
    series.SetPointColor(1, clNone);
    Paint(false);
    EXPECT_EQ(Px(40, 80), clWhite);  // on the way from point 0 to the null point
    EXPECT_EQ(Px(80, 60), clWhite);  // on the way from the null point to point 2
    EXPECT_EQ(Px(100, 80), clBlue);  // point 2 starts the line again
    EXPECT_EQ(Px(139, 80), clBlue);  // to point 3
    EXPECT_EQ(Px(160, 100), clBlue); // and on to point 4
    EXPECT_EQ(Px(99, 80), clWhite);
}

struct RibbonCase {
    const char* name;
    double y0, y1;
    TColor fill;
};

class RibbonShade : public LinePaint, public testing::WithParamInterface<RibbonCase> {};

// A ribbon from X 0 to X 1 (20 pixels) 10 pixels deep; its middle, half way into the depth.
TEST_P(RibbonShade, SteepRisesAreDarkened) {
    const RibbonCase& c = GetParam();
    series.SetSeriesColor(RGBColor(0x99, 0x99, 0xFF));
    Add({{0, c.y0}, {1, c.y1}});
    Paint(true);
    const int midY = 130 - int((c.y0 + c.y1) / 2);
    EXPECT_EQ(Px(30 + 5, midY - 5), c.fill);
    EXPECT_EQ(Px(20, 130 - int(c.y0)), clYellow); // outlined in the line pen's own colour
}

INSTANTIATE_TEST_SUITE_P(
    Slopes, RibbonShade,
    testing::Values(RibbonCase{"SteepRise", 0, 100, RGBColor(0x59, 0x59, 0xBF)},
                    RibbonCase{"GentleRise", 40, 50, RGBColor(0x99, 0x99, 0xFF)},
                    RibbonCase{"Fall", 100, 0, RGBColor(0x99, 0x99, 0xFF)},
                    RibbonCase{"Flat", 50, 50, RGBColor(0x99, 0x99, 0xFF)}),
    [](const auto& info) { return info.param.name; });

TEST_F(LinePaint, SteepnessFollowsTheDepthDirection) {
    Add({{0, 0}, {1, 100}});
    Begin(true);
    series.ComputeVisibleRange();
    TSeriesPaintContext context = Context();
    context.seriesDepth = 10;
    context.seriesDepthRise = 20;
    TLineSeriesPainter painter(series, context);
    painter.DrawVisiblePoints();
    EXPECT_EQ(painter.SteepnessLimit(), 2.0);
    context.seriesDepth = 0;
    TLineSeriesPainter flat(series, context);
    flat.DrawVisiblePoints();
    EXPECT_EQ(flat.SteepnessLimit(), 1.0);
}

// A view of the test chart: 2D, or 3D with its angle, zoom and depth slot.
struct SkipView {
    const char* name;
    bool view3D = true;
    bool orthogonal = true;
    int angle = 45;
    int zoom = 100;
    int depth = 10;
};

// Thousands of random points over 200 columns, with a few null points and points of their own
// colour: leaving out covered segments must not change a single pixel, in whatever view.
class SkippedSegments : public LinePaint, public testing::WithParamInterface<SkipView> {};

TEST_P(SkippedSegments, LeaveThePictureUnchanged) {
    const SkipView& view = GetParam();
    options.SetOrthogonal(view.orthogonal);
    options.SetOrthoAngle(view.angle);
    options.SetElevation(view.angle);
    options.SetRotation(view.angle);
    options.SetZoom(view.zoom);
    chart.Depth = view.depth;
    // As the chart decides it: seen from the left, series are drawn backwards.
    chart.Reverse = view.view3D && (view.orthogonal ? view.angle > 90 : view.angle < 180);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> value(0, 100);
    const int count = 30000;
    for (int i = 0; i < count; ++i)
        series.AddPoint(10.0 * i / count, value(rng));
    for (int i = 500; i < count; i += 4000)
        series.SetPointColor(i, clNone);
    for (int i = 777; i < count; i += 3000)
        series.SetPointColor(i, clRed);
    // Part of the data lies left of the axis, so the line enters from the edge.
    chart.SetRanges(0.5, 9.5, 0, 100);

    Paint(view.view3D, false);
    const QImage everySegment = canvas.Buffer().copy();
    Begin(view.view3D);
    Paint(view.view3D, true);
    EXPECT_EQ(canvas.Buffer(), everySegment);
}

INSTANTIATE_TEST_SUITE_P(Views, SkippedSegments,
                         testing::Values(SkipView{"Lines", false}, SkipView{"Ribbons"},
                                         SkipView{"Angle30", true, true, 30},
                                         SkipView{"Angle60", true, true, 60},
                                         SkipView{"Angle135", true, true, 135},
                                         SkipView{"Angle89", true, true, 89},
                                         SkipView{"Zoom150", true, true, 45, 150},
                                         SkipView{"Zoom50", true, true, 45, 50},
                                         SkipView{"Zoom150Lines", false, true, 45, 150},
                                         SkipView{"Zoom150Deep", true, true, 45, 150, 27},
                                         SkipView{"Deep", true, true, 45, 100, 27},
                                         SkipView{"Angle30Deep", true, true, 30, 100, 27},
                                         SkipView{"Angle60Deep", true, true, 60, 100, 20},
                                         SkipView{"Angle150Deep", true, true, 150, 100, 27},
                                         SkipView{"Angle90Deep", true, true, 90, 100, 27},
                                         SkipView{"Rotated", true, false, 30, 100, 27},
                                         SkipView{"RotatedZoom", true, false, 60, 150, 20}),
                         [](const auto& info) { return info.param.name; });

} // namespace
