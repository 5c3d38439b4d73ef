#include "WindowTimer.h"

#include "LatencyStamps.h"

#include <QCoreApplication>

TWindowTimer::TWindowTimer(int intervalMs, QObject* parent) : QObject(parent) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TWindowTimer::Tick);
}

void TWindowTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

void TWindowTimer::Tick() {
    LatencyStamps::StampOnce(LatencyStamps::TickEntered);
    if (ticking_ || !enabled_)
        return;
    ticking_ = true;
    // Input that queued up while the thread was busy comes before the tick.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ticking_ = false;
    if (enabled_ && OnTimer)
        OnTimer();
}
