#pragma once

#include "CycleCounter.h"
#include "Platform.h"

#include <cstdint>

// The processor clock in MHz and the conversion of cycle counts to milliseconds. The clock is
// looked up once for the life of this object; the program keeps one for the whole process.
class ProcessorClock {
public:
    ProcessorClock(platform::PerformanceCounter& counter, platform::Sleeper& sleeper,
                   platform::ThreadPriority& priority, platform::Registry& registry,
                   CycleCounter& cycles);

    // The cycle counter the clock is measured with; nothing but the read itself.
    std::uint64_t ReadCycleCounter() { return cycles_.Read(); }
    // Times a sleep of the given length with both counters, at the highest thread priority.
    double MeasureCpuClock(std::int32_t milliseconds);
    // The clock, from the registry or, failing that, measured over 200 ms; low 16 bits.
    std::uint16_t CpuGetSpeed();
    // Whole milliseconds between two cycle counts, in either order, half to even.
    std::int64_t CyclesToMilliseconds(std::int64_t a, std::int64_t b);

    static constexpr std::int32_t FallbackInterval = 200;

private:
    std::uint16_t MeasureFallbackClock();

    platform::PerformanceCounter& counter_;
    platform::Sleeper& sleeper_;
    platform::ThreadPriority& priority_;
    platform::Registry& registry_;
    CycleCounter& cycles_;

    std::uint32_t clock_ = 0;
    bool factorsReady_ = false;
    long double millisecondFactor_ = 0;
};
