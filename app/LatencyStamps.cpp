#include "LatencyStamps.h"

#include "PerformanceCounter.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <xcb/xcb.h>

namespace {

struct Trial {
    std::array<std::int64_t, LatencyStamps::PointCount> at{};
};

platform::SystemPerformanceCounter& Counter() {
    static platform::SystemPerformanceCounter counter;
    return counter;
}

Trial& Current() {
    static Trial trial;
    return trial;
}

QString& Path() {
    static QString path;
    return path;
}

// The earliest the GUI thread sees a press: the window system's event, before the toolkit
// turns it into a mouse event. Every press is stamped; the one before the stop count counts.
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
                Current().at[LatencyStamps::PressEntered] = Counter().Counter();
        }
        return false;
    }
};

} // namespace

void LatencyStamps::InstallFromEnvironment() {
    Path() = qEnvironmentVariable("TAVULIN_LATENCY_STAMPS");
    on_ = !Path().isEmpty();
    if (!on_)
        return;
    static PressWatcher watcher;
    QCoreApplication::instance()->installNativeEventFilter(&watcher);
}

void LatencyStamps::StampOnceSlow(Point point) {
    std::int64_t& at = Current().at[point];
    if (at == 0)
        at = Counter().Counter();
}

void LatencyStamps::SetSlow(Point point, std::int64_t count) {
    if (point == Armed)
        Current() = Trial{};
    Current().at[point] = count;
}

void LatencyStamps::WriteResponse(double milliseconds) {
    if (!on_)
        return;
    QFile file(Path());
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        QTextStream out(&file);
        for (const std::int64_t at : Current().at)
            out << at << ' ';
        out << Counter().Frequency() << ' ' << QString::number(milliseconds, 'f', 6) << '\n';
    }
    Current() = Trial{};
}
