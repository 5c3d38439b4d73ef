#pragma once

#include "CycleCounter.h"
#include "FakePlatform.h"

// Cycles that run at a set clock against the fake performance counter.
class FakeCycleCounter final : public CycleCounter {
public:
    explicit FakeCycleCounter(platform::FakeClock& clock, long double mhz = 2400)
        : mhz(mhz), clock_(clock) {}
    std::uint64_t Read() override {
        const long double seconds = static_cast<long double>(clock_.Now()) / clock_.Frequency();
        return std::uint64_t(seconds * mhz * 1e6L);
    }

    long double mhz;

private:
    platform::FakeClock& clock_;
};
