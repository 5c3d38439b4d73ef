#include "ProcessorClock.h"

#include "Arithmetic.h"

#include <cfenv>
#include <cmath>

ProcessorClock::ProcessorClock(platform::PerformanceCounter& counter, platform::Sleeper& sleeper,
                               platform::ThreadPriority& priority, platform::Registry& registry,
                               CycleCounter& cycles)
    : counter_(counter), sleeper_(sleeper), priority_(priority), registry_(registry),
      cycles_(cycles) {}

double ProcessorClock::MeasureCpuClock(std::int32_t milliseconds) {
    const platform::SchedulingState saved = priority_.Current();
    priority_.SetTimeCritical();

    // The counter interval encloses the cycle interval.
    const std::int64_t startCount = counter_.Counter();
    const std::uint64_t startCycles = cycles_.Read();
    sleeper_.Sleep(std::uint32_t(milliseconds));
    const std::int64_t cycles = std::int64_t(cycles_.Read() - startCycles);
    const std::int64_t ticks = counter_.Counter() - startCount;
    priority_.Restore(saved);

    const std::int64_t frequency = counter_.Frequency();
    if (frequency == 0)
        throw EArithmeticError(IntegerDivisionByZero);
    const std::int64_t microseconds = ticks * 1'000'000 / frequency;
    if (microseconds == 0)
        throw EArithmeticError(cycles == 0 ? InvalidFloatOperation : FloatDivisionByZero);
    return double(static_cast<long double>(cycles) / microseconds);
}

std::uint16_t ProcessorClock::MeasureFallbackClock() {
    const double measured = MeasureCpuClock(FallbackInterval);
    clock_ = std::uint16_t(TruncToInt64(static_cast<long double>(measured) + 0.5L));
    return std::uint16_t(clock_);
}

std::uint16_t ProcessorClock::CpuGetSpeed() {
    if (clock_ != 0)
        return std::uint16_t(clock_);

    std::uint16_t result = 0;
    // A key that cannot be opened is treated like a missing value: measuring is the only way
    // left to a clock above zero, and it is cached like any other.
    if (auto key = registry_.OpenKey(platform::CentralProcessorKey)) {
        std::uint32_t buffer = 0;
        std::uint32_t size = sizeof buffer;
        if (key->QueryValue(platform::ProcessorMhzValue, reinterpret_cast<std::uint8_t*>(&buffer),
                            size)) {
            clock_ = buffer;
            result = std::uint16_t(clock_);
        } else {
            result = MeasureFallbackClock();
        }
    } else {
        result = MeasureFallbackClock();
    }

    if (clock_ == 0) {
        // No factor can be formed from a clock of 0: nothing is kept, the next call asks again.
        throw EArithmeticError(FloatDivisionByZero);
    }
    millisecondFactor_ = 0.001L / static_cast<long double>(clock_);
    factorsReady_ = true;
    return result;
}

std::int64_t ProcessorClock::CyclesToMilliseconds(std::int64_t a, std::int64_t b) {
    if (!factorsReady_)
        CpuGetSpeed();
    std::int64_t d = b - a;
    if (d < 0)
        d = -d;
    // nearbyintl rounds in the current mode, which is to nearest with ties to even.
    return TruncToInt64(std::nearbyintl(static_cast<long double>(d) * millisecondFactor_));
}
