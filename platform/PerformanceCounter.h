#pragma once

#include <cstdint>

namespace platform {

// The high-resolution counter the reaction times are measured with.
class PerformanceCounter {
public:
    virtual ~PerformanceCounter() = default;
    virtual std::int64_t Counter() = 0;
    virtual std::int64_t Frequency() = 0; // counts per second
};

// CLOCK_MONOTONIC in nanoseconds.
class SystemPerformanceCounter final : public PerformanceCounter {
public:
    std::int64_t Counter() override;
    std::int64_t Frequency() override { return 1'000'000'000; }
};

} // namespace platform
