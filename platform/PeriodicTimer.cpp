#include "PeriodicTimer.h"

#include <cerrno>
#include <sys/timerfd.h>
#include <system_error>
#include <unistd.h>

namespace platform {

namespace {

timespec ToTimespec(std::chrono::nanoseconds ns) {
    return {time_t(ns.count() / 1'000'000'000), long(ns.count() % 1'000'000'000)};
}

} // namespace

PeriodicTimer::PeriodicTimer() : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ < 0)
        throw std::system_error(errno, std::system_category(), "timerfd_create");
}

PeriodicTimer::~PeriodicTimer() {
    close(fd_);
}

void PeriodicTimer::Start(std::chrono::nanoseconds interval) {
    const itimerspec period{ToTimespec(interval), ToTimespec(interval)};
    timerfd_settime(fd_, 0, &period, nullptr);
}

void PeriodicTimer::Stop() {
    const itimerspec off{};
    timerfd_settime(fd_, 0, &off, nullptr);
}

std::uint64_t PeriodicTimer::TakeExpiries() {
    std::uint64_t count = 0;
    if (read(fd_, &count, sizeof count) != sizeof count)
        return 0;
    return count;
}

} // namespace platform
