#pragma once

#include "PeriodicTimer.h"

#include <QObject>
#include <QSocketNotifier>
#include <functional>

// A periodic timer of the window. A tick gives way to input: whatever input is waiting is
// handled first, and the tick only after it, if the timer is then still on. Ticks that fall
// due meanwhile are dropped, so at most one is ever pending. The first tick comes one interval
// after switching on, as exactly as the system's clock allows.
class TWindowTimer : public QObject {
    Q_OBJECT
public:
    TWindowTimer(int intervalMs, QObject* parent);

    bool Enabled() const { return enabled_; }
    // Switching on starts the interval anew.
    void SetEnabled(bool enabled);
    int Interval() const { return intervalMs_; }

    std::function<void()> OnTimer;

    // One tick as the event loop would deliver it.
    void Tick();

private:
    int intervalMs_;
    platform::PeriodicTimer timer_;
    QSocketNotifier due_;
    bool enabled_ = false;
    bool ticking_ = false;
};
