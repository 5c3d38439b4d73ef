#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

// A periodic timer an event loop waits on as a file descriptor that becomes readable when the
// timer falls due. Its expiries keep the system clock's precision: the first comes one interval
// after starting, not rounded up to a whole millisecond as the toolkit's own timers are.
class PeriodicTimer {
public:
    PeriodicTimer(); // throws std::system_error when the system gives no timer
    ~PeriodicTimer();
    PeriodicTimer(const PeriodicTimer&) = delete;
    PeriodicTimer& operator=(const PeriodicTimer&) = delete;

    int Descriptor() const { return fd_; }
    // Starting again starts the interval anew and forgets expiries not taken yet.
    void Start(std::chrono::nanoseconds interval);
    void Stop();
    // The number of expiries since the last call (0 when none is due); the descriptor is
    // readable again only at the next one.
    std::uint64_t TakeExpiries();

private:
    int fd_ = -1;
};

} // namespace platform
