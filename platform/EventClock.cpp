#include "EventClock.h"

#include <QGuiApplication>
#include <ctime>

namespace platform {

std::optional<std::uint64_t> SystemEventClock::Now() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    timespec t{};
    if (clock_gettime(CLOCK_MONOTONIC, &t) != 0)
        return std::nullopt;
    const auto ms = std::uint64_t(t.tv_sec) * 1000 + std::uint64_t(t.tv_nsec) / 1'000'000;
    return ms & 0xFFFF'FFFFu;
}

} // namespace platform
