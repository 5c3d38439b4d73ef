#include "axes/AxisPainting.h"
#include "ChartFixture.h"
#include "axes/AxisLayout.h"

#include <QLocale>

#include <cmath>

#include <string>
#include <vector>

namespace {

struct LabelLoopCase {
    const char* name;
    double low, high, step;
    std::vector<double> labels;
    friend void PrintTo(const LabelLoopCase& c, std::ostream* os) { *os << c.name; }
};

class LabelLoop : public testing::TestWithParam<LabelLoopCase> {};

TEST_P(LabelLoop, RunsFromTheHighestMultipleOfTheStepDown) {
    const LabelLoopCase& c = GetParam();
    const std::vector<double> labels = AxisLabelValues(c.low, c.high, c.step, true);
    ASSERT_EQ(labels.size(), c.labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_NEAR(labels[i], c.labels[i], 1e-9) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelLoop,
    testing::Values(
        // 240 is below the minimum, so 260 is the last.
        LabelLoopCase{"Results", 251, 405, 20, {400, 380, 360, 340, 320, 300, 280, 260}},
        LabelLoopCase{"FromZero", 0, 1000, 250, {1000, 750, 500, 250, 0}},
        // Trunc(-0.5) * 2 = 0 is stepped down to -2; -6 is below -5.
        LabelLoopCase{"Negative", -5, -1, 2, {-2, -4}},
        LabelLoopCase{"OnePoint", 250, 250, 1, {250}},
        // A range no label step fits: the smallest step would draw over 10000 labels.
        LabelLoopCase{"TooManySteps", 0, 1, 1e-12, {}},
        // Steps too small to tell two labels apart give one label, and the loop ends.
        LabelLoopCase{"IndistinctSteps", 1e20, 1e20 + 65536, 8, {1e20 + 65536}},
        // Results at both ends of the number range leave no finite span to step through.
        LabelLoopCase{"InfiniteSpan", -1e308, 1e308, INFINITY, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MinorTicks, SplitEachLabelGapAndContinueBeyondTheEndsInsideTheAxis) {
    // Bottom-axis labels 40 pixels apart, drawn from the higher value (right) down: 10, 20 and
    // 30 pixels from the label of the smaller value.
    EXPECT_EQ(MinorTickPositions({500, 460}, 3, 400, 600),
              (std::vector<int>{510, 450, 520, 440, 530, 430, 470, 480, 490}));
    // Only minor ticks strictly inside the axis pixels are kept.
    EXPECT_EQ(MinorTickPositions({500, 460}, 3, 445, 520),
              (std::vector<int>{510, 450, 470, 480, 490}));
    EXPECT_TRUE(MinorTickPositions({500}, 3, 0, 1000).empty());
}

// The labels and ticks the program's chart shows with these values in its first series.
struct PaintedChart {
    PaintedChart(ProgramChart which, std::vector<double> values) : t(which) {
        for (double v : values)
            t.series[0]->AddValue(v);
        t.Paint();
    }
    TChartAxis& Left() { return *t.chart.LeftAxis(); }
    TChartAxis& Bottom() { return *t.chart.BottomAxis(); }
    ChartUnderTest t;
};

TEST(ProgramAxes, OnlyTheBottomAndLeftAxesShow) {
    PaintedChart c(ProgramChart::DBChart1, {250});
    const TChartAxes& axes = c.t.chart.Axes();
    ASSERT_EQ(axes.Count(), 6);
    const std::vector<TAxisSide> order{TAxisSide::Bottom, TAxisSide::Top,   TAxisSide::Left,
                                       TAxisSide::Right,  TAxisSide::Depth, TAxisSide::DepthTop};
    const std::vector<bool> shown{true, false, true, false, false, false};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(axes[i].Side(), order[std::size_t(i)]);
        EXPECT_EQ(axes[i].IsShown(), shown[std::size_t(i)]) << i;
    }
}

TEST(ProgramAxes, OneValueOrNoneDrawsOneLabelOneTickAndOneGridLineAtTheCentre) {
    for (const std::vector<double>& values : {std::vector<double>{250}, std::vector<double>{}}) {
        PaintedChart c(ProgramChart::DBChart1, values);
        for (TChartAxis* axis : {&c.Left(), &c.Bottom()}) {
            EXPECT_TRUE(axis->RangeIsZero());
            EXPECT_EQ(axis->TickPositions(), std::vector<int>{axis->CenterPixel()});
        }
        // The left axis' grid line crosses the back wall in black; the wall around it is silver.
        const int d = c.t.chart.ChartDepth();
        const int y = c.Left().CenterPixel();
        const int x = c.t.chart.PlotXCenter() + d;
        EXPECT_EQ(c.t.Px(x, y - d), clBlack);
        EXPECT_EQ(c.t.Px(x, y - d - 3), clSilver);
        EXPECT_EQ(c.Left().LabelText(values.empty() ? 0 : 250), values.empty() ? "0" : "250");
    }
}

TEST(ProgramAxes, ResultsLabelTheLeftAxisInStepsThatFit) {
    PaintedChart c(ProgramChart::DBChart1, {251, 405, 312, 276});
    TChartAxis& left = c.Left();
    const double step = left.LabelsIncrement();
    EXPECT_EQ(step, 20);
    EXPECT_EQ(left.TickPositions().size(), 8u);
    EXPECT_EQ(left.TickPositions().front(), left.ValueToPixel(400));
    EXPECT_EQ(left.TickPositions().back(), left.ValueToPixel(260));
    // Four results along the bottom: the few-points rule keeps whole steps.
    EXPECT_EQ(c.Bottom().LabelsIncrement(), 1);
    EXPECT_EQ(c.Bottom().TickPositions().size(), 4u);
}

TEST(ProgramAxes, TakeTheirRoomFromTheLeftAndBottomOfTheResultsChart) {
    ChartUnderTest bare(ProgramChart::DBChart1);
    bare.chart.SetAxisVisible(false);
    bare.series[0]->AddValue(251);
    bare.series[0]->AddValue(405);
    bare.Paint();
    const TRect without = bare.chart.PlotRect();

    PaintedChart c(ProgramChart::DBChart1, {251, 405});
    const TRect with = c.t.chart.PlotRect();
    TChartCanvas canvas;
    TChartAxis& left = c.Left();
    canvas.SelectFont(left.Title().Font());
    const int titleHeight = canvas.TextLineHeight();
    canvas.SelectFont(left.LabelsFont());
    const int labelHeight = canvas.TextLineHeight();
    // The extreme labels are the multiples of the step 20 at both ends: 240 and 400.
    const int labelWidth = std::max(canvas.TextPixelWidth("240"), canvas.TextPixelWidth("400")) +
                           canvas.TextPixelWidth(" ");

    EXPECT_EQ(TickAndLineSize(left), 6);
    EXPECT_EQ(with.left, without.left + titleHeight + labelWidth + 6);
    EXPECT_EQ(with.bottom, without.bottom - labelHeight - 6);
    EXPECT_EQ(with.top, without.top);
    // Ticks, labels and title stack outward from the plotting rectangle.
    EXPECT_EQ(left.AxisLinePos(), with.left);
    EXPECT_EQ(left.LabelsPos(), with.left - 6);
    EXPECT_EQ(left.TitlePos(), without.left + titleHeight);
    EXPECT_EQ(c.Bottom().LabelsPos(), with.bottom + 6);

    // On the calibration chart the line is 2 wide and the hidden title takes no room.
    ChartUnderTest three(ProgramChart::DBChart3);
    EXPECT_EQ(TickAndLineSize(*three.chart.LeftAxis()), 7);
}

TEST(ProgramAxes, TheTimeTitleStandsUprightBetweenTheMarginAndTheLabels) {
    PaintedChart c(ProgramChart::DBChart1, {251, 405});
    TChartAxis& left = c.Left();
    const int h = LineHeightOf(left.Title().Font());
    const int y0 = left.CenterPixel() - 15;
    const int y1 = left.CenterPixel() + 15;
    int inside = 0, outside = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 2; x < left.LabelsPos() - 30; ++x)
            if (c.t.Px(x, y) != clWhite)
                ++(x >= left.TitlePos() - h && x < left.TitlePos() ? inside : outside);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

TEST(ProgramAxes, LabelTextsFollowTheLocale) {
    ChartUnderTest t(ProgramChart::DBChart1);
    const TChartAxis& left = *t.chart.LeftAxis();
    QLocale::setDefault(QLocale("en_US"));
    EXPECT_EQ(left.LabelText(1234.5), "1,234.5");
    EXPECT_EQ(left.LabelText(0.12345), "0.123");
    QLocale::setDefault(QLocale("sr_RS"));
    EXPECT_EQ(left.LabelText(1234.5), "1.234,5");
    EXPECT_EQ(left.LabelText(0.12345), "0,123");
    QLocale::setDefault(QLocale::c());
}

TEST(ProgramAxes, SeriesFindTheirVisiblePointsThroughTheAxisRange) {
    ChartUnderTest t(ProgramChart::DBChart3);
    for (int i = 0; i < 10; ++i)
        t.series[0]->AddValue(i);
    t.chart.BottomAxis()->SetRange(3, 5);
    t.Paint();
    EXPECT_EQ(t.series[0]->FirstVisible(), 3);
    EXPECT_EQ(t.series[0]->LastVisible(), 5);
    EXPECT_EQ(t.chart.BottomAxis()->TickPositions().size(), 3u);
}

} // namespace

namespace {

// A series drawn without axes: it hides the axes while it is active.
class NoAxesSeries : public TLineSeries {
public:
    bool UsesAxes() const override { return false; }
};

TEST(AxisRangeFromSeries, InactiveSeriesCountOnlyWhileNoActiveSeriesUsesTheAxis) {
    ChartUnderTest t(ProgramChart::DBChart3);
    for (double v : {10.0, 20.0})
        t.series[0]->AddValue(v);
    t.series[1]->AddValue(1000);
    t.series[1]->SetActive(false);
    TChartAxis& left = *t.chart.LeftAxis();
    t.Paint();
    EXPECT_EQ(left.Minimum(), 10);
    EXPECT_EQ(left.Maximum(), 20);

    t.series[0]->SetActive(false);
    t.series[2]->SetActive(false);
    t.Paint();
    EXPECT_EQ(left.Minimum(), 10); // every series counts now; the empty third one adds nothing
    EXPECT_EQ(left.Maximum(), 1000);
    EXPECT_TRUE(left.IsShown()); // no active series: every axis shows

    NoAxesSeries pie;
    t.chart.AddSeries(pie);
    t.Paint();
    EXPECT_FALSE(left.IsShown());
    EXPECT_FALSE(t.chart.BottomAxis()->IsShown());
}

TEST(AxisGrid, CenteredLinesStandHalfwayBetweenTheLabels) {
    ChartUnderTest t(ProgramChart::DBChart3);
    for (double v : {0.0, 15.0})
        t.series[0]->AddValue(v);
    TChartAxis& left = *t.chart.LeftAxis();
    left.SetIncrement(5); // labels 15, 10, 5, 0
    left.MinorTicks().SetVisible(false);
    left.SetGridCentered(true);
    t.Paint();
    const std::vector<int>& ticks = left.TickPositions();
    ASSERT_EQ(ticks.size(), 4u);
    // The dotted grey lines cross the plotting rectangle between the labels, not at them.
    const int x0 = t.chart.PlotRect().left + 1;
    const auto greyInRow = [&](int y) {
        int n = 0;
        for (int x = x0; x < x0 + 40; ++x)
            n += t.Px(x, y) == clGray;
        return n;
    };
    for (std::size_t i = 1; i < ticks.size(); ++i)
        EXPECT_GT(greyInRow(RoundToInt((ticks[i] + ticks[i - 1]) * 0.5)), 10) << i;
    EXPECT_EQ(greyInRow(ticks[1]), 0);
    EXPECT_EQ(greyInRow(ticks[2]), 0);
}

} // namespace

namespace {

TEST(AxisLabels, HangBelowTheBottomAxisAndEndAtTheLeftAxisCentredOnTheirTicks) {
    ChartUnderTest t(ProgramChart::DBChart3);
    for (double v : {0.0, 100.0})
        t.series[0]->AddValue(v);
    t.Paint();
    const TColor face = t.Px(2, 2);
    TChartAxis& left = *t.chart.LeftAxis();
    TChartAxis& bottom = *t.chart.BottomAxis();
    const int h = LineHeightOf(left.LabelsFont());

    // The left axis' top label: ink ends just left of LabelsPos, within half a line of its tick.
    const int tick = left.TickPositions().front();
    int right = -1, top = 1 << 20, low = -1;
    for (int y = tick - h; y <= tick + h; ++y)
        for (int x = 2; x < left.LabelsPos() + 3; ++x)
            if (t.Px(x, y) != face) {
                right = std::max(right, x);
                top = std::min(top, y);
                low = std::max(low, y);
            }
    EXPECT_LE(right, left.LabelsPos() - 1);
    EXPECT_GE(right, left.LabelsPos() - 3);
    EXPECT_GE(top, tick - h / 2);
    EXPECT_LE(low, tick + h / 2);

    // The bottom axis' labels: their ink starts at LabelsPos, centred on the tick.
    const int btick = bottom.TickPositions().back(); // the label 0, at the left end
    int first = -1, x0 = 1 << 20, x1 = -1;
    for (int y = bottom.LabelsPos() - 2; y < bottom.LabelsPos() + h; ++y)
        for (int x = btick - 10; x <= btick + 10; ++x)
            if (t.Px(x, y) != face) {
                if (first < 0)
                    first = y;
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
            }
    EXPECT_GE(first, bottom.LabelsPos());
    EXPECT_LE(first, bottom.LabelsPos() + 4);
    EXPECT_NEAR((x0 + x1) / 2.0, btick, 1.5);

    // Grey minor ticks, two pixels long, stand outside the axis line between the labels.
    const std::vector<int> minor =
        MinorTickPositions(left.TickPositions(), 3, left.StartPixel(), left.EndPixel());
    ASSERT_FALSE(minor.empty());
    const int x = left.AxisLinePos() - 2;
    EXPECT_EQ(t.Px(x, minor.back()), clGray);
    EXPECT_EQ(t.Px(x - 2, minor.back()), face);
}

} // namespace

namespace {

TEST(AxisRangeFromSeries, ValuesAtTheEndsOfTheNumberRangePaintWithoutLabels) {
    for (ProgramChart which : {ProgramChart::DBChart1, ProgramChart::DBChart3}) {
        ChartUnderTest t(which);
        t.series[0]->AddValue(-1.7e308);
        t.series[0]->AddValue(1.7e308);
        t.Paint();
        EXPECT_TRUE(t.chart.LeftAxis()->TickPositions().empty());
        EXPECT_EQ(t.chart.BottomAxis()->TickPositions().size(), 2u);
    }
}

} // namespace

namespace {

TEST(AxisLabels, TheChartsLabelEventChangesTextsButNotTheMeasuredRoom) {
    PaintedChart plain(ProgramChart::DBChart1, {251, 405});
    PaintedChart c(ProgramChart::DBChart1, {251, 405});
    c.t.chart.OnGetAxisLabel = [](const TChartAxis&, TChartSeries* series, int index,
                                  std::string& text) {
        EXPECT_EQ(series, nullptr);
        EXPECT_EQ(index, -1);
        text += " ms long";
    };
    c.t.Paint();
    EXPECT_EQ(c.Left().LabelText(250), "250 ms long");
    EXPECT_EQ(c.t.chart.PlotRect(), plain.t.chart.PlotRect());
}

} // namespace

namespace {

TEST(AxisTitle, AnglesStayWithinATurnAndAssignmentCopiesCaptionAngleAndLooks) {
    ChartUnderTest t(ProgramChart::DBChart1);
    TChartAxisTitle& left = t.chart.LeftAxis()->Title();
    TChartAxisTitle& right = t.chart.RightAxis()->Title();
    EXPECT_EQ(left.Angle(), 90);
    EXPECT_EQ(right.Angle(), 270);
    EXPECT_EQ(t.chart.BottomAxis()->Title().Angle(), 0);
    right.SetAngle(-90);
    EXPECT_EQ(right.Angle(), 270);
    right.SetAngle(450);
    EXPECT_EQ(right.Angle(), 90);

    TChartAxisTitle& bottom = t.chart.BottomAxis()->Title();
    bottom.Assign(left);
    EXPECT_EQ(bottom.Caption(), "[ms]");
    EXPECT_EQ(bottom.Angle(), 90);
    EXPECT_EQ(bottom.Font().Size(), left.Font().Size());
}

} // namespace

namespace {

TEST(AxisPosition, PositionPercentMovesTheLineAndLabelsIntoThePlottingArea) {
    PaintedChart c(ProgramChart::DBChart3, {0, 100});
    const int leftLine = c.Left().AxisLinePos();
    const int leftLabels = c.Left().LabelsPos();
    const int bottomLine = c.Bottom().AxisLinePos();
    const int bottomLabels = c.Bottom().LabelsPos();
    const TRect plot = c.t.chart.PlotRect();

    c.Left().SetPositionUnits(muPixels);
    c.Left().SetPositionPercent(10);
    c.Bottom().SetPositionPercent(10); // of the plotting rectangle's height
    for (int paint = 0; paint < 2; ++paint) {
        c.t.Paint();
        EXPECT_EQ(c.t.chart.PlotRect(), plot);
        EXPECT_EQ(c.Left().AxisLinePos(), leftLine + 10);
        EXPECT_EQ(c.Left().LabelsPos(), leftLabels + 10);
        const int up =
            RoundToInt(0.1 * (plot.bottom + 7 + LineHeightOf(c.Bottom().LabelsFont()) - plot.top));
        EXPECT_EQ(c.Bottom().AxisLinePos(), bottomLine - RoundToInt(0.1 * plot.Height()));
        EXPECT_EQ(c.Bottom().LabelsPos(), bottomLabels - up);
    }
}

} // namespace
