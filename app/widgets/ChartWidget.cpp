#include "ChartWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <optional>

namespace {

// Only the three buttons the chart knows act on it: a side button (Back, Forward, extra ones)
// taken for the left one would start a zoom, or end one early with its release.
std::optional<TMouseButton> ToChartButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return mbLeft;
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return std::nullopt;
    }
}

TShiftState ToShiftState(const QMouseEvent& event) {
    TShiftState shift = 0;
    const Qt::KeyboardModifiers keys = event.modifiers();
    if (keys & Qt::ShiftModifier)
        shift |= ssShift;
    if (keys & Qt::ControlModifier)
        shift |= ssCtrl;
    if (keys & Qt::AltModifier)
        shift |= ssAlt;
    const Qt::MouseButtons held = event.buttons();
    if (held & Qt::LeftButton)
        shift |= ssLeft;
    if (held & Qt::RightButton)
        shift |= ssRight;
    if (held & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

} // namespace

TChartWidget::TChartWidget(TCustomChartPanel& chart, QWidget* parent)
    : QWidget(parent), chart_(chart) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // The chart keeps its size until the widget gets its own: a resize event always comes
    // before the first paint.
    chart_.OnInvalidate = [this] { update(); };
    chart_.OnImageChanged = [this] { update(); };
}

TChartWidget::~TChartWidget() {
    chart_.OnInvalidate = nullptr;
    chart_.OnImageChanged = nullptr;
}

void TChartWidget::paintEvent(QPaintEvent*) {
    if (window_.size() != size())
        window_ = QImage(size(), QImage::Format_RGB32);
    chart_.PaintChart(window_);
    QPainter painter(this);
    painter.drawImage(0, 0, window_);
}

void TChartWidget::resizeEvent(QResizeEvent*) {
    chart_.SetSize(width(), height());
}

void TChartWidget::moveEvent(QMoveEvent*) {
    chart_.Invalidate();
}

void TChartWidget::mousePressEvent(QMouseEvent* event) {
    const std::optional<TMouseButton> button = ToChartButton(event->button());
    if (!button) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    chart_.MouseDown(*button, ToShiftState(*event), p.x(), p.y());
}

void TChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    const std::optional<TMouseButton> button = ToChartButton(event->button());
    if (!button) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    chart_.MouseUp(*button, ToShiftState(*event), p.x(), p.y());
}

void TChartWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    chart_.MouseMove(ToShiftState(*event), p.x(), p.y());
}

void TChartWidget::wheelEvent(QWheelEvent* event) {
    // Not the chart's: the window hands it on to the containers.
    event->ignore();
}
