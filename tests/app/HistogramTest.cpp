// The histogram of page 3: the results counted into groups over 0 … 1000 ms.
#include "DBGrid.h"
#include "FormFixture.h"
#include "SpinEdit.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Histogram : FormFixture {
    void Build(const QString& groups) {
        form->HistoSpinEdit->Editor()->setText(groups);
        form->Button5->click();
    }
    std::vector<double> Bars() const { return Values(form->SeriesHistogram.XValues()); }
    std::vector<double> Counts() const { return Values(form->SeriesHistogram.YValues()); }
    static std::vector<double> Values(const TChartValueList& list) {
        std::vector<double> v;
        for (int i = 0; i < list.ValueCount(); ++i)
            v.push_back(list.ValueAt(i));
        return v;
    }
    // The counts that are not 0, as (X of the bar, count).
    std::vector<std::pair<double, double>> Counted() const {
        std::vector<std::pair<double, double>> v;
        for (int i = 0; i < form->SeriesHistogram.PointCount(); ++i)
            if (Counts()[std::size_t(i)] != 0)
                v.emplace_back(Bars()[std::size_t(i)], Counts()[std::size_t(i)]);
        return v;
    }
};

struct CountCase {
    const char* name;
    QString groups;
    std::initializer_list<double> results;
    int bars;
    double firstBar, lastBar;
    std::vector<std::pair<double, double>> counted; // (X of the bar, count)
};

} // namespace

TEST_F(Histogram, CountsEachResultInTheBarAtTheUpperEndOfItsGroup) {
    const CountCase cases[] = {
        {"ten groups",
         "10",
         {99, 100, 250, 251, 999},
         10,
         100,
         1000,
         {{100, 1}, {200, 1}, {300, 2}, {1000, 1}}},
        {"a thousand groups", "1000", {5}, 1000, 1, 1000, {{6, 1}}},
        {"groups that do not divide 1000", "3", {998, 1}, 3, 333, 999, {{333, 1}, {999, 1}}},
        {"halves to the even neighbour",
         "1000",
         {150.5, 151.5},
         1000,
         1,
         1000,
         {{151, 1}, {153, 1}}},
        {"an empty table", "10", {}, 10, 100, 1000, {}},
        {"0 ms is no result", "10", {0, 0.4, 50}, 10, 100, 1000, {{100, 1}}},
        {"a short negative result falls in the first group",
         "10",
         {-50},
         10,
         100,
         1000,
         {{100, 1}}},
        {"results beyond the bars are skipped",
         "3",
         {999, 1000, 5000, -333, -1e12, 1e12, 2147483648.0},
         3,
         333,
         999,
         {}},
        {"no bars for negative groups", "-1", {1, 500, -5}, 0, 0, 0, {}},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetResults(c.results);
        Build(c.groups);
        EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
        ASSERT_EQ(form->SeriesHistogram.PointCount(), c.bars);
        if (c.bars > 0) {
            EXPECT_EQ(Bars().front(), c.firstBar);
            EXPECT_EQ(Bars().back(), c.lastBar);
        }
        EXPECT_EQ(Counted(), c.counted);
    }
}

TEST_F(Histogram, TheCountWalksTheTableAndEndsOnItsLastRecord) {
    SetResults({120, 130, 140});
    form->PageControl1->setCurrentIndex(1);
    form->DBGrid1->setCurrentIndex(form->DBGrid1->model()->index(1, 1));
    Build("10");
    EXPECT_EQ(Counted(), (std::vector<std::pair<double, double>>{{200, 3}}))
        << "counted from the first record, whatever was current";
    EXPECT_EQ(form->Series0DataSet.RecNo(), 3);
    EXPECT_EQ(form->DBGrid1->currentIndex().row(), 2);
}

TEST_F(Histogram, AnEditPendingInAGridIsPostedBeforeTheCount) {
    SetResults({120});
    form->Series0DataSet.Edit();
    form->Series0DataSet.FieldByName("Y").SetAsFloat(420);
    Build("10");
    EXPECT_EQ(form->Series0.YValues().ValueAt(0), 420);
    EXPECT_EQ(Counted(), (std::vector<std::pair<double, double>>{{500, 1}}));
}

TEST_F(Histogram, AGroupCountThatIsNoNumberOrGivesNoWidthIsShownAndLeavesItEmpty) {
    const std::pair<QString, QString> cases[] = {
        {"0", "Division by zero."},
        {"1001", "Division by zero."},
        {"-2000", "Division by zero."},
        {"abc", "'abc' is not a valid integer value."},
        {"", "'' is not a valid integer value."},
        {"2,5", "'2,5' is not a valid integer value."},
    };
    SetResults({120, 130});
    for (const auto& [groups, message] : cases) {
        SCOPED_TRACE(groups.toStdString());
        Build("10");
        ASSERT_EQ(form->SeriesHistogram.PointCount(), 10);
        form->Series0DataSet.Last();
        errors.clear();
        Build(groups);
        EXPECT_EQ(errors, QStringList{message});
        EXPECT_EQ(form->SeriesHistogram.PointCount(), 0);
        EXPECT_EQ(form->Series0DataSet.RecNo(), 1) << "the first record is current";
    }
}

TEST_F(Histogram, ChangingTheNumberOfGroupsEmptiesItUntilTheNextBuild) {
    SetResults({120});
    Build("10");
    form->PageControl1->setCurrentIndex(2);
    form->HistoSpinEdit->setFocus();
    form->HistoSpinEdit->Editor()->end(false);
    QTest::keyClick(form->HistoSpinEdit, Qt::Key_0);
    EXPECT_EQ(form->SeriesHistogram.PointCount(), 0);
    form->Button5->click();
    EXPECT_EQ(form->SeriesHistogram.PointCount(), 100);
    QTest::keyClick(form->HistoSpinEdit, Qt::Key_Up);
    EXPECT_EQ(form->SeriesHistogram.PointCount(), 0);
}

// The median and quartiles of the results (Python: quantiles(ms, n=4) gives 208.75, 237.5,
// 266.75) are drawn as lines inside the slots of the bars that count them, and named under the
// chart; a changed group count takes them away with the bars.
TEST_F(Histogram, MarksTheMedianAndQuartilesInsideTheirBars) {
    SetResults({212, 245, 198, 305, 260, 231, 199, 287, 244, 221});
    Build("10");
    EXPECT_EQ(form->HistogramMarkersText->text(),
              QStringLiteral("Medijana 238 ms (crvena linija), prvi i treći kvartil 209 i 267 ms "
                             "(plave isprekidane linije)"));
    const auto& lines = form->HistogramMarkers.Lines();
    ASSERT_EQ(lines.size(), 3u);

    QImage window(form->DBChart2.Width(), form->DBChart2.Height(), QImage::Format_RGB32);
    form->DBChart2.PaintChart(window);
    const TChartAxis& axis = *form->DBChart2.BottomAxis();
    const TRect plot = form->DBChart2.PlotRect();
    // (value, the X of the bar of its group)
    const std::pair<double, double> expected[] = {{208.75, 300}, {237.5, 300}, {266.75, 300}};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [value, bar] = expected[i];
        const int x = axis.ValueToPixel(lines[i].value);
        EXPECT_EQ(x, axis.ValueToPixel(value + 50));
        EXPECT_GT(x, axis.ValueToPixel(bar - 50));
        EXPECT_LT(x, axis.ValueToPixel(bar + 50));
        const QRgb middle = window.pixel(x, (plot.top + plot.bottom) / 2);
        const QRgb top = window.pixel(x, plot.top);
        EXPECT_TRUE(middle == QColor(lines[i].color == clRed ? Qt::red : Qt::blue).rgb() ||
                    top == QColor(lines[i].color == clRed ? Qt::red : Qt::blue).rgb())
            << i;
    }

    form->HistoSpinEdit->Editor()->setText(QStringLiteral("5"));
    EXPECT_TRUE(form->HistogramMarkers.Lines().empty());
    EXPECT_TRUE(form->HistogramMarkersText->text().isEmpty());
}
