#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A periodic timer of the window. A tick gives way to input: whatever input is waiting is
// handled first, and the tick only after it, if the timer is then still on. Ticks that fall
// due meanwhile are dropped, so at most one is ever pending.
class TWindowTimer : public QObject {
    Q_OBJECT
public:
    TWindowTimer(int intervalMs, QObject* parent);

    bool Enabled() const { return enabled_; }
    // Switching on starts the interval anew.
    void SetEnabled(bool enabled);
    int Interval() const { return timer_.interval(); }

    std::function<void()> OnTimer;

    // One tick as the event loop would deliver it.
    void Tick();

private:
    QTimer timer_;
    bool enabled_ = false;
    bool ticking_ = false;
};
