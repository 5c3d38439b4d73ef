#include "WindowTimer.h"

#include "LatencyStamps.h"

#include <QCoreApplication>

TWindowTimer::TWindowTimer(int intervalMs, QObject* parent)
    : QObject(parent), intervalMs_(intervalMs), due_(timer_.Descriptor(), QSocketNotifier::Read) {
    connect(&due_, &QSocketNotifier::activated, this, [this] {
        // However many fell due while the thread was busy, they make one tick.
        if (timer_.TakeExpiries() > 0)
            Tick();
    });
}

void TWindowTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        timer_.Start(std::chrono::milliseconds(intervalMs_));
    else
        timer_.Stop();
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
