#include "PressArrival.h"

#include "PerformanceCounter.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <xcb/xcb.h>

class PressWatcher final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType == "xcb_generic_event_t") {
            const auto* event = static_cast<const xcb_generic_event_t*>(message);
            const int type = event->response_type & 0x7f;
            // With XInput 2 the toolkit gets presses as generic events (XI_ButtonPress is 4).
            const bool press =
                type == XCB_BUTTON_PRESS ||
                (type == XCB_GE_GENERIC &&
                 reinterpret_cast<const xcb_ge_generic_event_t*>(event)->event_type == 4);
            if (press)
                PressArrival::last_ = counter_.Counter();
        }
        return false;
    }

private:
    platform::SystemPerformanceCounter counter_;
};

void PressArrival::Install() {
    static PressWatcher watcher;
    QCoreApplication::instance()->installNativeEventFilter(&watcher);
}
