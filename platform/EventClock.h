#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The clock the window system stamps input events with (what QInputEvent::timestamp() gives),
// read now: the time from a paint to a press handled later comes from the two stamps.
class EventClock {
public:
    virtual ~EventClock() = default;
    // Milliseconds on that clock, or nothing where the stamps follow no clock the program can
    // read.
    virtual std::optional<std::uint64_t> Now() = 0;
};

// A local X server stamps events with its monotonic clock in milliseconds, 32 bits wide; no
// other platform's stamps are known to follow a readable clock.
class SystemEventClock final : public EventClock {
public:
    std::optional<std::uint64_t> Now() override;
};

// The milliseconds from `from` to `to` on the event clock, across a wrap of the X server's
// 32-bit time.
inline double EventClockSpan(std::uint64_t from, std::uint64_t to) {
    return double(std::uint32_t(to - from));
}

} // namespace platform
