#include "ChartFixture.h"
#include "axes/ChartAxis.h"
#include "device/LineWalk.h"

#include <random>

namespace {

constexpr TColor Face = 0xF0F0F0;      // button face of the system colour table
constexpr TColor Shadow = 0xA0A0A0;    // button shadow
constexpr TColor Highlight = 0xFFFFFF; // button highlight

struct Probe {
    int x, y;
    TColor expected;
    const char* what;
};

void ExpectProbes(const ChartUnderTest& t, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(t.Px(p.x, p.y), p.expected) << p.what << " at " << p.x << "," << p.y;
}

// Left and right ends of the pixels in rows y0..y1-1 that are not `background`, inside the
// two-pixel bevels.
std::pair<int, int> InkSpan(const ChartUnderTest& t, int y0, int y1, TColor background) {
    int left = t.window.width(), right = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = 2; x < t.window.width() - 2; ++x)
            if (t.Px(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

} // namespace

TEST(ChartPixels, ResultChartShowsBorderWallsAndFloor) {
    ChartUnderTest t(ProgramChart::DBChart1);
    t.chart.SetAxisVisible(false); // the axes stand on the edges probed here
    t.Paint();
    const TRect p = t.chart.PlotRect();
    const int d = t.chart.ChartDepth();
    ASSERT_EQ(d, 21);
    const int xc = (p.left + p.right) / 2;
    const int yc = (p.top + p.bottom) / 2;
    ExpectProbes(t, {
                        {0, 0, clBlack, "border"},
                        {493, 303, clBlack, "border"},
                        {0, 150, clBlack, "border"},
                        {1, 1, clWhite, "panel"},
                        {5, 150, clWhite, "panel"},
                        {xc + d, yc - d, clSilver, "back wall"},
                        {p.right + d, yc - d, clGray, "back wall outline"},
                        {xc + d, p.top - d, clGray, "back wall outline"},
                        {p.left + 10, yc, clSilver, "left wall"},
                        {p.left, yc, clGray, "left wall outline"},
                        {p.left - 1, yc, clWhite, "panel"},
                        {xc, p.bottom - 10, clGray, "floor"},
                        {xc, p.bottom, clGray, "floor outline"},
                        {xc, p.bottom + 1, clWhite, "panel"},
                    });
}

TEST(ChartPixels, CalibrationChartShowsBevelsAndTheBackWallOutline) {
    ChartUnderTest t(ProgramChart::DBChart3);
    t.chart.SetAxisVisible(false); // the axes stand on the edges probed here
    t.Paint();
    const TRect p = t.chart.PlotRect();
    const int xc = (p.left + p.right) / 2;
    const int yc = (p.top + p.bottom) / 2;
    ExpectProbes(t, {
                        {0, 0, Shadow, "lowered outer bevel"},
                        {0, 150, Shadow, "lowered outer bevel"},
                        {597, 150, Highlight, "lowered outer bevel"},
                        {300, 304, Highlight, "lowered outer bevel"},
                        {1, 1, Highlight, "raised inner bevel"},
                        {596, 150, Shadow, "raised inner bevel"},
                        {300, 303, Shadow, "raised inner bevel"},
                        {2, 2, Face, "panel"},
                        // The outline covers the plotting rectangle's right column and bottom
                        // row: the rectangle right + 1, bottom + 1.
                        {p.left, yc, clBlack, "back wall outline"},
                        {p.right, yc, clBlack, "back wall outline"},
                        {p.right + 1, yc, Face, "panel"},
                        {xc, p.top, clBlack, "back wall outline"},
                        {xc, p.bottom, clBlack, "back wall outline"},
                        {xc, p.bottom + 1, Face, "panel"},
                        {p.left + 1, yc, Face, "transparent back wall"},
                    });
}

TEST(ChartPixels, SeriesOfA2DChartStayInsideTheBackWallOutline) {
    ChartUnderTest t(ProgramChart::DBChart3);
    t.chart.SetAxisVisible(false); // the axes stand on the edges probed here
    t.Probe(0).AddValue(1);
    t.Probe(0).onDrawValue = [&](TSeriesDrawing& drawing, int) {
        drawing.SelectPen(TChartPen(), clRed);
        drawing.SelectBrush(TChartBrush(), clRed, clNone);
        drawing.Rectangle({0, 0, 598, 305});
    };
    t.Paint();
    const TRect p = t.chart.PlotRect();
    const int xc = (p.left + p.right) / 2;
    const int yc = (p.top + p.bottom) / 2;
    ExpectProbes(t, {
                        {p.left, yc, clBlack, "outline"},
                        {p.left + 1, yc, clRed, "series"},
                        {p.right, yc, clBlack, "outline"},
                        {p.right - 1, yc, clRed, "series"},
                        {xc, p.top, clBlack, "outline"},
                        {xc, p.top + 1, clRed, "series"},
                        {xc, p.bottom, clBlack, "outline"},
                        {xc, p.bottom - 1, clRed, "series"},
                        {p.left - 1, yc, Face, "panel"},
                    });
}

TEST(ChartPixels, TitleIsCentredOnThePlottingRectangleNotThePanel) {
    ChartUnderTest t(ProgramChart::DBChart3);
    t.chart.SetAxisVisible(false); // the axes stand on the edges probed here
    t.chart.SetMarginLeft(40);     // plotting rectangle 241..579, panel centre 299
    t.Paint();
    const int h = LineHeightOf(t.chart.Title().Font());
    // The line is written one pixel below the frame's top: rows 15 .. 15 + h - 1.
    const auto [left, right] = InkSpan(t, 14 + 1, 14 + 1 + h, Face);
    ASSERT_LT(left, right);
    EXPECT_NEAR((left + right) / 2.0, t.chart.PlotXCenter(), 2.0);
    EXPECT_EQ(t.chart.PlotXCenter(), 410);
    EXPECT_EQ(InkSpan(t, 14, 15, Face).second, -1); // nothing above the text
}

TEST(ChartPixels, AnOpaqueTitleDrawsItsBoxAndShadowAndTakesTheShadowsRoom) {
    ChartUnderTest t(ProgramChart::DBChart3);
    t.chart.SetAxisVisible(false); // the axes stand on the edges probed here
    t.Paint();
    const TRect transparentBox = t.chart.Title().ShapeRect();
    const int transparentTop = t.chart.PlotRect().top;
    // A transparent title draws no box: only its text.
    EXPECT_EQ(t.Px(transparentBox.left, transparentBox.top), Face);
    EXPECT_EQ(transparentTop, transparentBox.bottom + 5 + 1);

    t.chart.Title().SetTransparent(false);
    t.Paint();
    const TRect r = t.chart.Title().ShapeRect();
    EXPECT_EQ(r, transparentBox);
    ExpectProbes(t, {
                        {r.left, r.top, clBlack, "frame"},
                        {r.right - 1, r.bottom - 1, clBlack, "frame"},
                        {r.left + 1, r.top + 1, clWhite, "box"},
                        {r.left + 5, r.bottom, clBlack, "shadow"},
                        {r.right, r.top + 5, clBlack, "shadow"},
                        {r.left + 1, r.bottom, Face, "shadow starts 3 pixels in"},
                    });
    EXPECT_EQ(t.chart.PlotRect().top, transparentTop + 3);
    // The box hugs the text, centred on the plotting rectangle.
    EXPECT_LT(r.Width(), 400);
    EXPECT_NEAR((r.left + r.right) / 2, t.chart.PlotXCenter(), 1);
}

TEST(ChartPixels, TheBorderBandIsInsetWhateverThePanelColour) {
    // The band between the bevels is two pixels wide; without a panel colour it is left
    // unpainted, but the inner bevel still stands inside it.
    for (const TColor color : {clBtnFace, clNone}) {
        ChartUnderTest t(ProgramChart::DBChart3);
        t.chart.SetAxisVisible(false);
        t.chart.SetBorderWidth(2);
        t.chart.SetColor(color);
        t.Paint();
        ExpectProbes(t, {
                            {0, 150, Shadow, "lowered outer bevel"},
                            {3, 150, Highlight, "raised inner bevel"},
                            {594, 150, Shadow, "raised inner bevel"},
                            {300, 301, Shadow, "raised inner bevel"},
                        });
    }
}

TEST(ChartPixels, AFootTitlePlacedByHandWritesItsLinesUpFromTheBottom) {
    ChartUnderTest t(ProgramChart::DBChart3);
    t.chart.SetAxisVisible(false);
    TChartFootTitle& foot = t.chart.Foot();
    foot.SetText({"WWWWWWWWWW", "W"});
    foot.SetAlignment(TAlignment::taLeftJustify);
    foot.SetLeft(100);
    foot.SetTop(100);
    t.Paint();
    ASSERT_TRUE(foot.CustomPosition());
    const int h = LineHeightOf(foot.Font());
    // Ink right of where a single W ends, in the upper and the lower line of the box.
    const auto inkPastOneW = [&](int y0) {
        int n = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = 100 + 3 * h; x < 100 + 12 * h; ++x)
                n += t.Px(x, y) != Face;
        return n;
    };
    const TRect& r = foot.ShapeRect();
    EXPECT_EQ(inkPastOneW(r.bottom - 2 * h - 1), 0) << "the second line stands on top";
    EXPECT_GT(inkPastOneW(r.bottom - h - 1), 0) << "the first line stands at the bottom";
}

// The line runs on to the first point beyond the right edge and the series' clip cuts that
// last segment at the edge: its pixels stop in the plotting rectangle's last column, and the
// back wall's outline beside it stays.
TEST(ChartPixels, TheLastSegmentIsCutAtTheRightEdge) {
    ChartUnderTest t(ProgramChart::DBChart3);
    t.chart.SetAxisVisible(false);
    t.chart.Legend().SetVisible(false);
    TLineSeries& line = t.Probe(0);
    line.SetSeriesColor(clRed);
    for (int i = 0; i <= 10; ++i)
        line.AddPoint(i, i);
    t.chart.BottomAxis()->SetRange(0, 4.5);
    t.chart.LeftAxis()->SetRange(0, 10);
    t.Paint();
    ASSERT_EQ(line.LastVisible(), 5);

    const TRect p = t.chart.PlotRect();
    const auto redRows = [&](int x) {
        std::vector<int> rows;
        for (int y = p.top; y <= p.bottom; ++y)
            if (t.Px(x, y) == clRed)
                rows.push_back(y);
        return rows;
    };
    // The segment from point 4 towards point 5, a shallow line: one pixel a column, at the row
    // of the whole segment's walk there.
    const TChartAxis& bottom = *t.chart.BottomAxis();
    const TChartAxis& left = *t.chart.LeftAxis();
    const TLineWalk walk(bottom.ValueToPixel(4), left.ValueToPixel(4), bottom.ValueToPixel(5),
                         left.ValueToPixel(5));
    const TLineWalk::TStep last = walk.At(p.right - 1 - bottom.ValueToPixel(4));
    ASSERT_EQ(last.x, p.right - 1);
    EXPECT_EQ(redRows(p.right - 1), std::vector<int>{last.y});
    EXPECT_TRUE(redRows(p.right).empty());
    EXPECT_TRUE(redRows(p.right + 1).empty());
    EXPECT_EQ(t.Px(p.right, last.y), clBlack) << "back wall outline";
}

namespace {

struct ChartView {
    const char* name;
    bool orthogonal = true;
    int orthoAngle = 45;
    int elevation = 345;
    int rotation = 345;
    int zoom = 100;
};

class HiddenSegmentsOnTheResultChart : public testing::TestWithParam<ChartView> {};

} // namespace

// The results chart with thousands of results a column, seen as the user may turn it: leaving
// out covered segments gives the picture drawing every segment gives.
TEST_P(HiddenSegmentsOnTheResultChart, LeaveThePictureUnchanged) {
    const ChartView& view = GetParam();
    ChartUnderTest t(ProgramChart::DBChart1);
    TView3DOptions& options = t.chart.View3DOptions();
    options.SetOrthogonal(view.orthogonal);
    options.SetOrthoAngle(view.orthoAngle);
    options.SetElevation(view.elevation);
    options.SetRotation(view.rotation);
    options.SetZoom(view.zoom);
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> result(150, 450);
    for (int i = 0; i < 20000; ++i)
        t.Probe(0).AddValue(result(rng));
    for (int i = 0; i < 500; ++i)
        t.Probe(1).AddValue(result(rng));

    t.chart.SetSkipHiddenSegments(false);
    t.Paint();
    const QImage everySegment = t.window.copy();
    t.chart.SetSkipHiddenSegments(true);
    t.Paint();
    EXPECT_EQ(t.window, everySegment);
}

INSTANTIATE_TEST_SUITE_P(Views, HiddenSegmentsOnTheResultChart,
                         testing::Values(ChartView{"AsDesigned"},
                                         ChartView{"Rotated30By27", false, 45, 30, 27},
                                         ChartView{"Rotated60By20", false, 45, 60, 20},
                                         ChartView{"Zoom150", true, 45, 345, 345, 150},
                                         ChartView{"OrthoAngle30", true, 30},
                                         ChartView{"OrthoAngle135", true, 135}),
                         [](const auto& info) { return info.param.name; });
