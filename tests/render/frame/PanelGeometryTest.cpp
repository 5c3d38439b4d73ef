#include "ChartException.h"
#include "ChartFixture.h"

#include <QFontInfo>

namespace {

// The plotting rectangle as it stands when the paint starts (frame and margins only) and when
// the series are about to be drawn (after the title and the 3D depth took their room). The axes
// are switched off: the room they take is measured with the axes.
struct PaintGeometry {
    TRect start;
    TRect beforeSeries;
};

PaintGeometry PaintAndMeasure(ChartUnderTest& t) {
    t.chart.SetAxisVisible(false);
    PaintGeometry g;
    t.chart.OnBeforeDrawChart = [&] { g.start = t.chart.PlotRect(); };
    t.chart.OnBeforeDrawSeries = [&] { g.beforeSeries = t.chart.PlotRect(); };
    t.Paint();
    // Both capture this frame's locals: a later paint must not reach them.
    t.chart.OnBeforeDrawChart = nullptr;
    t.chart.OnBeforeDrawSeries = nullptr;
    return g;
}

} // namespace

TEST(PanelGeometry, ProgramChartsAtTheirDesignSizes) {
    struct Case {
        ProgramChart which;
        int width, height;
        TRect start;
        int seriesDepth, chartDepth;
    };
    const Case cases[] = {
        // Frame 1 (border), margins 14, 12, 14, 12; three slots of 7.
        {ProgramChart::DBChart1, 494, 304, {15, 13, 479, 291}, 7, 21},
        // Margins 23, 12, 23, 12; Round(726 * 0.015) = Round(10.89) = 11, one slot.
        {ProgramChart::DBChart2, 774, 305, {24, 13, 750, 292}, 11, 11},
        // Frame 2 (two bevels), margins 17, 12, 17, 12; 2D.
        {ProgramChart::DBChart3, 598, 305, {19, 14, 579, 291}, 0, 0},
    };
    for (const Case& c : cases) {
        ChartUnderTest t(c.which);
        SCOPED_TRACE(int(c.which) + 1);
        ASSERT_EQ(t.chart.Width(), c.width);
        ASSERT_EQ(t.chart.Height(), c.height);
        const PaintGeometry g = PaintAndMeasure(t);
        EXPECT_EQ(g.start, c.start);
        EXPECT_EQ(t.chart.SeriesDepth(), c.seriesDepth);
        EXPECT_EQ(t.chart.SeriesDepthRise(), c.seriesDepth);
        EXPECT_EQ(t.chart.ChartDepth(), c.chartDepth);
        EXPECT_EQ(t.chart.ChartDepthRise(), c.chartDepth);

        // A one-line title takes its line height plus 8; the depth comes off the right edge
        // and the top.
        const int h = LineHeightOf(t.chart.Title().Font());
        TRect expected{c.start.left, c.start.top + h + 8 + c.chartDepth,
                       c.start.right - c.chartDepth, c.start.bottom};
        // The calibration chart's legend stands 2 pixels above the bottom and the plotting
        // rectangle ends 4 % of the height left by the title above it.
        if (t.chart.Legend().Visible()) {
            const TRect box = t.chart.Legend().ShapeRect();
            EXPECT_EQ(box.bottom, c.start.bottom - 2);
            expected.bottom = box.top - 4 * (c.start.bottom - (c.start.top + h + 8)) / 100;
        }
        EXPECT_EQ(g.beforeSeries, expected);
        EXPECT_EQ(t.chart.PlotWidth(), expected.right - expected.left);
        EXPECT_EQ(t.chart.PlotXCenter(), (expected.left + expected.right) / 2);
    }
}

TEST(PanelGeometry, TitleFontsMeasureAsOnTheDesignScreen) {
    // "Arial" is drawn with its metric twin; 13-pixel titles and the default 8-point font.
    ChartUnderTest one(ProgramChart::DBChart1);
    ChartUnderTest three(ProgramChart::DBChart3);
    TChartCanvas canvas;
    canvas.SelectFont(one.chart.Title().Font());
    EXPECT_EQ(QFontInfo(canvas.Font()).family(), "Liberation Sans");
    EXPECT_EQ(canvas.Font().pixelSize(), 13);
    EXPECT_EQ(LineHeightOf(one.chart.Title().Font()), 15);
    EXPECT_EQ(LineHeightOf(three.chart.Title().Font()), 12);

    const PaintGeometry g = PaintAndMeasure(one);
    EXPECT_EQ(g.beforeSeries, (TRect{15, 13 + 15 + 8 + 21, 458, 291}));
}

TEST(PanelGeometry, DepthSlotsGoFromTheBackInListOrder) {
    ChartUnderTest t(ProgramChart::DBChart1);
    t.Paint();
    EXPECT_EQ(t.Probe(0).ZIndex(), 2);
    EXPECT_EQ(t.Probe(1).ZIndex(), 1);
    EXPECT_EQ(t.Probe(2).ZIndex(), 0);
    EXPECT_EQ(t.Probe(0).FrontZ(), 14);
    EXPECT_EQ(t.Probe(0).BackZ(), 21);
    EXPECT_EQ(t.Probe(2).FrontZ(), 0);

    // An inactive series takes no slot.
    t.Probe(1).SetActive(false);
    t.Paint();
    EXPECT_EQ(t.chart.MaxZIndex(), 1);
    EXPECT_EQ(t.Probe(0).ZIndex(), 1);
    EXPECT_EQ(t.Probe(2).ZIndex(), 0);
    EXPECT_EQ(t.chart.ChartDepth(), 14);

    // In 2D every series stands in slot 0.
    t.chart.SetView3D(false);
    t.Paint();
    for (int i : {0, 2})
        EXPECT_EQ(t.Probe(i).ZIndex(), 0);
    EXPECT_EQ(t.chart.ChartDepth(), 0);

    // Without series there is still one slot of depth.
    ChartUnderTest empty(ProgramChart::DBChart2);
    empty.chart.RemoveSeries(*empty.series[0]);
    empty.Paint();
    EXPECT_EQ(empty.chart.ChartDepth(), 11);
}

TEST(PanelGeometry, ThickWallsTakeTheirRoomBesideTheDepth) {
    ChartUnderTest t(ProgramChart::DBChart1);
    const TRect plain = PaintAndMeasure(t).beforeSeries;
    t.chart.BackWall().SetSize(4);
    t.chart.RightWall().SetVisible(true); // one pixel more for its outline
    const TRect thick = PaintAndMeasure(t).beforeSeries;
    EXPECT_EQ(thick, (TRect{plain.left, plain.top + 4, plain.right - 4 - 1, plain.bottom}));
    EXPECT_EQ(t.chart.WallThickness(TAxisSide::Left), 0);
    EXPECT_EQ(t.chart.WallThickness(TAxisSide::Top), 4); // the back wall's

    // A thick left wall is a box standing outside the plotting rectangle.
    t.chart.SetAxisVisible(false);
    t.chart.LeftWall().SetSize(6);
    t.Paint();
    const TRect p = t.chart.PlotRect();
    const int yc = (p.top + p.bottom) / 2;
    EXPECT_EQ(t.chart.WallThickness(TAxisSide::Left), 6);
    EXPECT_EQ(t.Px(p.left - 3, yc), clSilver);
    EXPECT_EQ(t.Px(p.left - 6, yc), clGray);
    EXPECT_EQ(t.Px(p.left - 7, yc), clWhite);
    // In 2D no wall has thickness.
    t.chart.SetView3D(false);
    EXPECT_EQ(t.chart.WallThickness(TAxisSide::Left), 0);
}

TEST(PanelGeometry, MarginsFollowTheSizeInPercentAndStayInPixels) {
    ChartUnderTest t(ProgramChart::DBChart1);
    t.chart.SetSize(988, 608);
    EXPECT_EQ(PaintAndMeasure(t).start, (TRect{1 + 29, 1 + 24, 988 - 1 - 29, 608 - 1 - 24}));

    t.chart.SetMarginUnits(muPixels);
    EXPECT_EQ(PaintAndMeasure(t).start, (TRect{1 + 3, 1 + 4, 988 - 1 - 3, 608 - 1 - 4}));
}

TEST(PanelGeometry, InsideOutPlottingRectangleIsRepaired) {
    struct Case {
        int left, top, right, bottom; // margins in pixels
        TRect repaired;
    };
    // A 100 x 80 panel without frame.
    const Case cases[] = {
        {10, 10, 10, 10, {10, 10, 90, 70}},  // sound: unchanged
        {70, 10, 40, 10, {70, 10, 71, 70}},  // left passed right: one pixel wide
        {60, 10, 40, 10, {60, 10, 160, 70}}, // left met right: the panel's width
        {10, 50, 10, 40, {10, 50, 90, 51}},  // top passed bottom
        {10, 40, 10, 40, {10, 40, 90, 120}}, // top met bottom: the panel's height
        {-5, -7, 10, 10, {0, 0, 90, 70}},    // never left of or above the panel
    };
    for (const Case& c : cases) {
        TDBChart chart;
        chart.SetSize(100, 80);
        chart.SetBevelOuter(bvNone);
        chart.SetView3D(false);
        chart.SetMarginUnits(muPixels);
        chart.SetAxisVisible(false);
        chart.SetMarginLeft(c.left);
        chart.SetMarginTop(c.top);
        chart.SetMarginRight(c.right);
        chart.SetMarginBottom(c.bottom);
        TRect seen;
        chart.OnBeforeDrawSeries = [&] { seen = chart.PlotRect(); };
        QImage window(100, 80, QImage::Format_RGB32);
        chart.PaintChart(window);
        EXPECT_EQ(seen, c.repaired) << c.left << " " << c.top << " " << c.right << " " << c.bottom;
        EXPECT_EQ(chart.PlotWidth(), c.repaired.right - c.repaired.left);
        EXPECT_EQ(chart.PlotHeight(), c.repaired.bottom - c.repaired.top);
    }
}

TEST(PanelGeometry, Chart3DPercentAcceptsOneToHundred) {
    TDBChart chart;
    for (int refused : {0, 101, -15}) {
        const int requests = chart.InvalidateCount();
        try {
            chart.SetChart3DPercent(refused);
            ADD_FAILURE() << refused << " accepted";
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "3D effect percent must be between 1 and 100");
        }
        EXPECT_EQ(chart.Chart3DPercent(), 15);
        EXPECT_EQ(chart.InvalidateCount(), requests);
    }
    for (int accepted : {1, 100}) {
        const int requests = chart.InvalidateCount();
        chart.SetChart3DPercent(accepted);
        EXPECT_EQ(chart.Chart3DPercent(), accepted);
        EXPECT_EQ(chart.InvalidateCount(), requests + 1);
    }
    const int requests = chart.InvalidateCount();
    chart.SetChart3DPercent(100); // the same value asks for no repaint
    EXPECT_EQ(chart.InvalidateCount(), requests);
}

TEST(PanelGeometry, DefaultsOfANewChart) {
    TDBChart chart;
    EXPECT_EQ(chart.InvalidateCount(), 0); // building asks for no paint
    EXPECT_TRUE(chart.RepaintEnabled());
    EXPECT_EQ(chart.Width(), 400);
    EXPECT_EQ(chart.Height(), 250);
    EXPECT_EQ(chart.Color(), clBtnFace);
    EXPECT_EQ(chart.BevelOuter(), bvRaised);
    EXPECT_EQ(chart.BevelInner(), bvNone);
    EXPECT_FALSE(chart.Border().Visible());
    EXPECT_EQ(chart.Border().EndStyle(), esFlat);
    EXPECT_TRUE(chart.View3D());
    EXPECT_TRUE(chart.BackWall().Transparent());
    EXPECT_EQ(chart.BackWall().Color(), clSilver);
    EXPECT_EQ(chart.LeftWall().Color(), TColor(0x80FFFF));
    EXPECT_EQ(chart.BottomWall().Color(), clWhite);
    EXPECT_FALSE(chart.RightWall().Visible());
    EXPECT_EQ(chart.Title().Font().Color(), clBlue);
    EXPECT_EQ(chart.Foot().Font().Color(), clRed);
    EXPECT_EQ(chart.Foot().Font().Style(), TFontStyles(fsItalic));
    EXPECT_TRUE(chart.Title().Transparent());
    EXPECT_TRUE(chart.AutoRefresh());
    EXPECT_EQ(chart.RefreshInterval(), 0);
    // The chart's frame is the back wall's pen.
    chart.Frame().SetColor(clGray);
    EXPECT_EQ(chart.BackWall().Pen().Color(), clGray);
    EXPECT_EQ(chart.InvalidateCount(), 1);
}

TEST(PanelGeometry, NewSeriesNeverTakeTheBackWallsColourEvenWhenItIsTransparent) {
    TDBChart chart;
    ASSERT_TRUE(chart.BackWall().Transparent());
    std::vector<std::unique_ptr<TLineSeries>> series;
    for (int i = 0; i < 14; ++i) {
        series.push_back(std::make_unique<TLineSeries>());
        chart.AddSeries(*series.back());
        EXPECT_NE(series.back()->SeriesColor(), chart.BackWall().Color()) << "series " << i;
    }
    EXPECT_EQ(series.back()->SeriesColor(), TColor(0xFFFF00)); // the palette's next colour
    for (auto& s : series)
        chart.RemoveSeries(*s);
}
