#include "ChartWidget.h"
#include "ChartSettings.h"
#include "FormFixture.h"
#include "LineSeries.h"
#include "frame/DBChart.h"

#include <QEvent>
#include <QWheelEvent>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct MouseLog : TChartEventListener {
    std::vector<std::string> seen;
    void ChartEvent(const TChartEvent& event) override {
        if (const auto* e = dynamic_cast<const TChartMouseEvent*>(&event))
            seen.push_back(std::to_string(int(e->Event)) + " " + std::to_string(e->Button) + " " +
                           std::to_string(e->X) + "," + std::to_string(e->Y) +
                           (e->Shift & ssShift ? " shift" : ""));
    }
};

// DBChart1 in a widget of its own, shown, with the first paint done.
struct ChartWidgetFixture : ::testing::Test {
    TDBChart chart;
    std::unique_ptr<TChartWidget> widget;
    PaintCounter counter;
    int draws = 0;

    void SetUp() override {
        ApplyDBChart1Settings(chart);
        chart.OnBeforeDrawChart = [this] { ++draws; };
        widget = std::make_unique<TChartWidget>(chart, nullptr);
        widget->resize(494, 304);
        widget->installEventFilter(&counter);
        widget->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
        Settle();
        ASSERT_EQ(draws, 1);
        draws = 0;
        counter.paints = 0;
    }
    void TearDown() override { widget.reset(); }
    // Lets the event loop deliver what is pending.
    static void Settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
            QTest::qWait(10);
        }
    }
};

} // namespace

TEST_F(ChartWidgetFixture, ManyChangesLeadToOnePaint) {
    chart.SetColor(clYellow);
    chart.Title().SetCaption("Another title");
    chart.BackWall().SetColor(clLime);
    chart.SetChart3DPercent(30);
    chart.Invalidate();
    EXPECT_EQ(draws, 0); // nothing is drawn at once
    Settle();
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(widget->grab().toImage().pixelColor(5, 150), QColor(Qt::yellow));
}

TEST_F(ChartWidgetFixture, APaintSchedulesNoOtherPaint) {
    chart.OnBeforeDrawSeries = [this] { chart.Title().SetCaption("Changed while painting"); };
    chart.SetColor(clYellow);
    Settle();
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(ChartWidgetFixture, AnUncoveredChartIsCopiedNotDrawn) {
    widget->repaint();
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(draws, 0);
    const QImage shown = widget->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::black)); // the border
    EXPECT_EQ(shown.pixelColor(5, 150), QColor(Qt::white));
}

TEST_F(ChartWidgetFixture, AResizeDrawsAtTheNewSize) {
    EXPECT_TRUE(widget->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_TRUE(widget->testAttribute(Qt::WA_NoSystemBackground));
    chart.SetAxisVisible(false); // the axes would take room from the plotting rectangle
    widget->resize(600, 400);
    Settle();
    EXPECT_EQ(chart.Width(), 600);
    EXPECT_EQ(chart.Height(), 400);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(chart.Canvas().Buffer().size(), QSize(600, 400));
    // Percent margins grew with the size: 3 % of 600 is 18.
    EXPECT_EQ(chart.PlotRect().left, 1 + 18);
}

TEST_F(ChartWidgetFixture, MouseEventsReachTheChartsListeners) {
    MouseLog log;
    chart.AddListener(log);
    QTest::mousePress(widget.get(), Qt::RightButton, Qt::ShiftModifier, QPoint(30, 40));
    QTest::mouseRelease(widget.get(), Qt::RightButton, {}, QPoint(31, 41));
    ASSERT_EQ(log.seen.size(), 2u);
    EXPECT_EQ(log.seen[0], "0 1 30,40 shift");
    EXPECT_EQ(log.seen[1], "1 1 31,41");
    chart.RemoveListener(log);
}

// Side buttons are not the chart's: their presses and releases reach no listener, so a
// side-button drag zooms nothing and its release leaves a left-button drag going on.
TEST_F(ChartWidgetFixture, SideButtonsDoNotActOnTheChart) {
    TLineSeries series;
    chart.AddSeries(series);
    Settle();
    MouseLog log;
    chart.AddListener(log);
    for (const Qt::MouseButton side : {Qt::BackButton, Qt::ForwardButton, Qt::ExtraButton3}) {
        QTest::mousePress(widget.get(), side, {}, QPoint(30, 40));
        QTest::mouseRelease(widget.get(), side, {}, QPoint(200, 180));
    }
    EXPECT_TRUE(log.seen.empty());
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(widget.get(), QPoint(200, 180));
    QTest::mousePress(widget.get(), Qt::BackButton, {}, QPoint(120, 120));
    QTest::mouseRelease(widget.get(), Qt::BackButton, {}, QPoint(120, 120));
    EXPECT_TRUE(chart.Zoom().Active());
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(110, 105));
    EXPECT_FALSE(chart.Zoom().Active());
    chart.RemoveListener(log);
    chart.RemoveSeries(series);
}

// The chart keeps the mouse while a button is held, even over the grid beside it.
TEST_F(FormFixture, WhileAButtonIsHeldTheChartKeepsTheMouse) {
    form->PageControl1->setCurrentIndex(1);
    auto* widget = form->PageControl1->widget(1)->findChild<TChartWidget*>("DBChart1");
    ASSERT_NE(widget, nullptr);
    ChartWidgetFixture::Settle();
    const QPoint beside(widget->width() + 60, 40);
    ASSERT_NE(widget->window()->childAt(widget->mapTo(widget->window(), beside)), widget);
    MouseLog log;
    form->DBChart1.AddListener(log);
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(widget, beside);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, beside);
    form->DBChart1.RemoveListener(log);
    const std::string at = std::to_string(beside.x()) + "," + std::to_string(beside.y());
    ASSERT_EQ(log.seen.size(), 3u);
    EXPECT_EQ(log.seen[1], "2 0 " + at);
    EXPECT_EQ(log.seen[2], "1 0 " + at);
    EXPECT_FALSE(form->DBChart1.Zoom().Active());
}

// A drag shows its rectangle by copying the chart's image again; the chart draws nothing.
TEST_F(ChartWidgetFixture, TheZoomRectangleIsShownWithoutDrawingTheChart) {
    TLineSeries series;
    chart.AddSeries(series);
    Settle();
    draws = 0;
    counter.paints = 0;
    const QImage before = widget->grab().toImage();
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(widget.get(), QPoint(200, 180));
    Settle();
    EXPECT_EQ(draws, 0);
    EXPECT_GE(counter.paints, 1);
    const QImage during = widget->grab().toImage();
    EXPECT_NE(during.pixel(150, 100), before.pixel(150, 100));
    EXPECT_EQ(during.pixel(150, 140), before.pixel(150, 140));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(110, 105)); // too small: no zoom
    Settle();
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(widget->grab().toImage(), before);
    chart.RemoveSeries(series);
}

TEST_F(FormFixture, ChartsTakeNoFocusAndIgnoreTheWheel) {
    form->PageControl1->setCurrentIndex(1);
    auto* widget = form->PageControl1->widget(1)->findChild<TChartWidget*>("DBChart1");
    ASSERT_NE(widget, nullptr);
    ChartWidgetFixture::Settle();
    QWidget* focused = QApplication::focusWidget();
    const int invalidates = form->DBChart1.InvalidateCount();

    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(200, 150));
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(widget->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), focused);

    const QPointF at(200, 150);
    QWheelEvent wheel(at, widget->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
    ChartWidgetFixture::Settle();
    EXPECT_EQ(form->DBChart1.InvalidateCount(), invalidates);
    EXPECT_FALSE(form->DBChart1.Zoomed());
    EXPECT_EQ(form->PageControl1->currentIndex(), 1);
}

TEST_F(FormFixture, EachChartPageShowsItsChartAtTheWidgetsSize) {
    struct Case {
        const char* name;
        int page;
        TDBChart* chart;
    };
    const Case cases[] = {{"DBChart1", 1, &form->DBChart1},
                          {"DBChart2", 2, &form->DBChart2},
                          {"DBChart3", 3, &form->DBChart3}};
    for (const Case& c : cases) {
        form->PageControl1->setCurrentIndex(c.page);
        auto* widget = form->PageControl1->widget(c.page)->findChild<TChartWidget*>(
            QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(&widget->Chart(), c.chart);
        int draws = 0;
        c.chart->OnBeforeDrawChart = [&] { ++draws; };
        ChartWidgetFixture::Settle();
        EXPECT_EQ(draws, 1) << c.name;
        EXPECT_EQ(c.chart->Width(), widget->width()) << c.name;
        EXPECT_EQ(c.chart->Height(), widget->height()) << c.name;
        EXPECT_FALSE(c.chart->Canvas().ImageOutOfDate()) << c.name;
    }
    EXPECT_EQ(form->DBChart1.Title().Text().front(),
              " Vreme reagovanja na promenu vizuelnog sadržaja");
    EXPECT_FALSE(form->DBChart3.View3D());
}
