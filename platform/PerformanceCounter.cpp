#include "PerformanceCounter.h"

#include <ctime>

namespace platform {

std::int64_t SystemPerformanceCounter::Counter() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

} // namespace platform
