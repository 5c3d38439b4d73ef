#include "../frame/ChartFixture.h"
#include "legend/LegendLayout.h"

#include <string>
#include <vector>

namespace {

// The calibration chart with its three series titled and coloured as the window sets them, a
// few points each.
struct CalibrationChart {
    ChartUnderTest t{ProgramChart::DBChart3};

    CalibrationChart() {
        const struct {
            const char* title;
            TColor color;
        } setup[] = {{"QueryPerformance", clBlue}, {"RDTSC", clRed}, {"CPUcalcms", clYellow}};
        for (std::size_t i = 0; i < 3; ++i) {
            t.series[i]->SetTitle(setup[i].title);
            t.series[i]->SetSeriesColor(setup[i].color);
            for (int x = 0; x < 10; ++x)
                t.series[i]->AddPoint(x, x % 4);
        }
    }
    TChartLegend& Legend() { return t.chart.Legend(); }
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (const TLegendItemText& item : Legend().PaintState().items.items)
            texts.push_back(item.columns[0]);
        return texts;
    }
    // The plotting rectangle of a paint with the legend hidden.
    TRect PlotWithoutLegend() {
        Legend().SetVisible(false);
        t.Paint();
        const TRect plot = t.chart.PlotRect();
        Legend().SetVisible(true);
        return plot;
    }
};
struct CalibrationLegend : CalibrationChart, ::testing::Test {};

TEST_F(CalibrationLegend, StandsAtTheBottomInvertedWithLineSymbolsInTheSeriesColours) {
    std::vector<const TChartSeries*> drawn;
    Legend().Symbol().OnDraw = [&](const TChartSeries* s, const TRect&) { drawn.push_back(s); };
    t.Paint();
    EXPECT_EQ(drawn, (std::vector<const TChartSeries*>{t.series[2].get(), t.series[1].get(),
                                                       t.series[0].get()}));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"CPUcalcms", "RDTSC", "QueryPerformance"}));
    const TLegendPaintState& state = Legend().PaintState();
    EXPECT_EQ(state.layout.columns, 3);
    EXPECT_EQ(state.layout.rows, 1);

    // The box: white inside a black frame, 2 pixels above the chart's inner edge.
    const TRect box = Legend().ShapeRect();
    const TRect panel = t.chart.PanelRect();
    EXPECT_GT(box.top, t.chart.PlotRect().bottom);
    EXPECT_EQ(t.Px(box.left, (box.top + box.bottom) / 2), clBlack);
    EXPECT_EQ(t.Px(box.left + 2, box.top + 1), clWhite);
    // No shadow unless one is asked for.
    EXPECT_EQ(t.Px(box.right + 1, box.bottom + 1), t.Px(box.right + 1, box.top - 3));
    // Shifted right of the plotting rectangle's centre by a tenth of the width left free.
    const TRect plot = state.layout.plot;
    const int c = box.Width() / 2;
    EXPECT_EQ(box.left,
              RoundToInt(0.1 * (panel.Width() - 2 * c)) + (plot.left + plot.right) / 2 - c);

    // Each symbol: a line across the middle of its rectangle in the series colour.
    const TColor colours[] = {clYellow, clRed, clBlue};
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        const TLegendItemPlace place = PlaceLegendItem(state.items.places, p);
        const int y = (place.symbol.top + place.symbol.bottom) / 2;
        EXPECT_EQ(t.Px(place.symbol.left, y), colours[p]);
        EXPECT_EQ(t.Px(place.symbol.right - 1, y), colours[p]);
        EXPECT_EQ(t.Px(place.symbol.left, y - 2), clWhite);
    }
}

TEST_F(CalibrationLegend, ThePlottingRectangleEndsFourPercentAboveTheBox) {
    const TRect free = PlotWithoutLegend();
    t.Paint();
    const TRect box = Legend().ShapeRect();
    const TRect laidOut = Legend().PaintState().layout.plot;
    // The box's bottom lies 2 pixels above the plotting rectangle's bottom before the legend; the
    // plotting rectangle then ends 4 % of that height above the box.
    const TRect before{laidOut.left, laidOut.top, laidOut.right, box.bottom + 2};
    EXPECT_EQ(laidOut.bottom, box.top - 4 * before.Height() / 100);
    // The axes below take the same room as without the legend.
    EXPECT_EQ(before.bottom - free.bottom, laidOut.bottom - t.chart.PlotRect().bottom);
    EXPECT_EQ(laidOut.top, free.top);

    // Without ResizeChart the legend lies over the plotting area, which keeps its size.
    Legend().SetResizeChart(false);
    t.Paint();
    EXPECT_EQ(t.chart.PlotRect(), free);
    EXPECT_EQ(Legend().ShapeRect(), box);
}

TEST_F(CalibrationLegend, ListsWhatIsActiveAndShown) {
    struct Case {
        const char* name;
        std::function<void(CalibrationChart&)> change;
        TLegendStyle style;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"hidden series",
         [](CalibrationChart& f) { f.t.series[1]->SetActive(false); },
         lsSeries,
         {"CPUcalcms", "QueryPerformance"}},
        {"not in the legend",
         [](CalibrationChart& f) { f.t.series[0]->SetShowInLegend(false); },
         lsSeries,
         {"CPUcalcms", "RDTSC"}},
        {"in order",
         [](CalibrationChart& f) { f.Legend().SetInverted(false); },
         lsSeries,
         {"QueryPerformance", "RDTSC", "CPUcalcms"}},
        {"skipping the first",
         [](CalibrationChart& f) { f.Legend().SetFirstValue(1); },
         lsSeries,
         {"CPUcalcms", "RDTSC"}},
        // One active series: lsAuto lists its points, the last one first.
        {"one series",
         [](CalibrationChart& f) {
             f.t.series[1]->SetActive(false);
             f.t.series[2]->SetActive(false);
             f.Legend().SetInverted(false);
             f.Legend().SetMaxNumRows(1);
         },
         lsValues,
         {"0", "1", "2", "3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalibrationChart f;
        c.change(f);
        f.t.Paint();
        EXPECT_EQ(f.Legend().EffectiveStyle(), c.style);
        std::vector<std::string> shown = f.Shown();
        shown.resize(std::min(shown.size(), c.shown.size()));
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(CalibrationLegend, TakesNoRoomAndHasNoItemsWhenNothingFitsOrNothingIsActive) {
    const TRect free = PlotWithoutLegend();
    t.Paint();
    const TLegendItemPlace first = PlaceLegendItem(Legend().PaintState().items.places, 0);
    const TPoint onItem{first.textX + 2, first.y + 4};
    ASSERT_EQ(Legend().LegendItemAt(onItem.x, onItem.y), 2); // inverted: the last series first

    // Nothing active: no legend, and the last paint's items are gone with it.
    for (auto& s : t.series)
        s->SetActive(false);
    t.Paint();
    EXPECT_EQ(Legend().LegendItemAt(onItem.x, onItem.y), -1);

    for (auto& s : t.series)
        s->SetActive(true);
    const int width = t.chart.Width();
    t.chart.SetSize(60, 305); // too narrow for one item
    t.Paint();
    EXPECT_FALSE(Legend().PaintState().layout.drawn);
    EXPECT_EQ(Legend().LegendItemAt(30, 280), -1);
    t.chart.SetSize(width, 305);
    Legend().SetMaxNumRows(0); // no row for any item
    t.Paint();
    EXPECT_EQ(t.chart.PlotRect(), free);
}

TEST(ChartLegendSettings, FirstValueRejectsNegativesAndSettersRepaintOnlyOnChange) {
    TDBChart chart;
    TChartLegend& legend = chart.Legend();
    EXPECT_EQ(legend.Alignment(), laRight);
    EXPECT_EQ(legend.ColorWidth(), 20);
    EXPECT_EQ(legend.Shadow().HorizSize(), 3); // made on first use
    try {
        legend.SetFirstValue(-1);
        FAIL();
    } catch (const LegendException& e) {
        EXPECT_STREQ(e.what(), "First Legend Value must be > 0");
    }
    EXPECT_EQ(legend.FirstValue(), 0);

    const int before = chart.InvalidateCount();
    legend.SetInverted(true);
    legend.SetInverted(true);
    legend.SetColorWidth(45);
    legend.Symbol().SetWidth(45);
    EXPECT_EQ(chart.InvalidateCount() - before, 2);
}

} // namespace
