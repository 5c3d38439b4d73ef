#pragma once

#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#else
#include <ctime>
#endif

// The processor's time-stamp counter, read with a single instruction and no fence, so that
// the reading adds as little as possible to what it measures.
inline std::uint64_t ReadCycleCounter() {
#if defined(__x86_64__) || defined(__i386__)
    return __rdtsc();
#else
    // Without a time-stamp counter, a raw nanosecond count stands in: a 1000 MHz "clock".
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_RAW, &ts);
    return std::uint64_t(ts.tv_sec) * 1'000'000'000u + std::uint64_t(ts.tv_nsec);
#endif
}

// Where the processor clock routines take their cycle counts from; tests count their own.
class CycleCounter {
public:
    virtual ~CycleCounter() = default;
    virtual std::uint64_t Read() = 0;
};

class SystemCycleCounter final : public CycleCounter {
public:
    std::uint64_t Read() override { return ReadCycleCounter(); }
};
