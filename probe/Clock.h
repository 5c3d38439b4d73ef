#pragma once

#include <cstdint>
#include <ctime>

// The probe's clock is the one the program's performance counter reads, so that the program's
// stamps and the probe's own readings lie on one time line.
namespace probe {

inline std::int64_t NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// Sleeps until the given reading; returns at once when it has passed.
inline void SleepUntil(std::int64_t ns) {
    const timespec deadline{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) != 0) {
    }
}

// Sleeps until shortly before the reading, then spins the rest: precise without keeping a core
// busy for longer than the last stretch.
inline void WaitPreciselyUntil(std::int64_t ns) {
    constexpr std::int64_t spinNs = 300'000;
    SleepUntil(ns - spinNs);
    while (NowNs() < ns) {
    }
}

inline double Ms(std::int64_t ns) {
    return double(ns) / 1e6;
}

} // namespace probe
