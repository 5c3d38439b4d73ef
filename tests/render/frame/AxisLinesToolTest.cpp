#include "tools/AxisLinesTool.h"
#include "ChartFixture.h"

namespace {

// The histogram's look with bars under the lines, as the program shows it.
struct AxisLinesToolTest : ::testing::Test {
    ChartUnderTest t{ProgramChart::DBChart2};
    TAxisLinesTool tool;

    void SetUp() override {
        const double counts[] = {1, 4, 7, 3, 2};
        for (int i = 0; i < 5; ++i)
            t.series[0]->AddPoint(250 + 40 * i, counts[i]);
    }
    void TearDown() override { t.chart.RemoveTool(tool); }
};

// The lines lie over the bars at their values' pixels, from the top to the bottom of the
// plotting box, and every other pixel is as the chart paints it without them.
TEST_F(AxisLinesToolTest, DrawsEachLineAtItsValueOverTheBarsAndNothingElse) {
    t.Paint();
    const QImage without = t.window.copy();

    tool.SetChart(&t.chart);
    t.chart.AddTool(tool);
    tool.SetLines({{290, clRed, psSolid, 1}, {330, clBlue, psDash, 1}, {5000, clRed, psSolid, 1}});
    t.Paint();

    const TRect plot = t.chart.PlotRect();
    const int solid = t.chart.BottomAxis()->ValueToPixel(290);
    const int dashed = t.chart.BottomAxis()->ValueToPixel(330);
    ASSERT_LT(plot.left, solid);
    ASSERT_LT(solid, dashed);
    ASSERT_LT(dashed, plot.right);
    int blue = 0, reddish = 0;
    for (int y = 0; y < t.window.height(); ++y) {
        for (int x = 0; x < t.window.width(); ++x) {
            const bool inPlot = y >= plot.top && y < plot.bottom;
            if (x == solid && inPlot) {
                reddish += t.Px(x, y) == clRed;
                continue;
            }
            if (x == dashed && inPlot) {
                blue += t.Px(x, y) == clBlue;
                continue;
            }
            ASSERT_EQ(t.window.pixel(x, y), without.pixel(x, y)) << x << "," << y;
        }
    }
    // The solid line covers the whole height, bars included; the dashed one leaves gaps.
    EXPECT_EQ(reddish, plot.bottom - plot.top);
    EXPECT_GT(blue, (plot.bottom - plot.top) / 3);
    EXPECT_LT(blue, plot.bottom - plot.top);
}

} // namespace
