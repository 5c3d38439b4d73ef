#pragma once

#include "frame/CustomChartPanel.h"

#include <QImage>
#include <QWidget>

// The window a chart shows in. It refers to the chart (which must outlive it) and owns nothing
// of it: every repaint request of the chart becomes one update() of the widget, so any number of
// changes lead to one paint; a paint asks the chart to paint itself, which only copies its image
// while nothing changed. The chart covers every pixel, so the background is never erased.
// Resizes keep the chart's size equal to the widget's; mouse events go to the chart in its
// pixels, and while a button is held the widget keeps receiving them outside its bounds too
// (Qt grabs the mouse for it). The widget never takes the keyboard focus, so the wheel, which
// goes to the focus, never scrolls a chart.
class TChartWidget : public QWidget {
    Q_OBJECT
public:
    TChartWidget(TCustomChartPanel& chart, QWidget* parent);
    ~TChartWidget() override;

    TCustomChartPanel& Chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TCustomChartPanel& chart_;
    // What the chart paints into before it goes to the screen.
    QImage window_;
};
