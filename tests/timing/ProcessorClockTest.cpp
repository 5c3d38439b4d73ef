#include "ProcessorClock.h"
#include "Arithmetic.h"
#include "FakeCycleCounter.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct ClockFixture : ::testing::Test {
    platform::FakePlatform fakes;
    FakeCycleCounter cycles{fakes.clock};
    ProcessorClock clock{fakes.clock, fakes.clock, fakes.priority, fakes.registry, cycles};

    void SetRegistryMhz(std::uint32_t mhz) {
        fakes.registry.SetDword(platform::CentralProcessorKey, platform::ProcessorMhzValue, mhz);
    }
};

} // namespace

TEST_F(ClockFixture, ConvertsCyclesAtARegistryClockInEitherOrder) {
    SetRegistryMhz(2400);
    struct Case {
        std::int64_t a, b, ms;
    };
    for (const Case c : {Case{0, 2'400'000, 1}, Case{0, 3'720'000, 2}, Case{0, 3'480'000, 1},
                         Case{3'720'000, 0, 2}})
        EXPECT_EQ(clock.CyclesToMilliseconds(c.a, c.b), c.ms) << c.a << " " << c.b;
    EXPECT_TRUE(fakes.clock.sleeps.empty()) << "a registry clock needs no measurement";
}

TEST_F(ClockFixture, LooksTheClockUpOnceEvenWhenTheRegistryChanges) {
    SetRegistryMhz(2400);
    EXPECT_EQ(clock.CpuGetSpeed(), 2400);
    SetRegistryMhz(1000);
    EXPECT_EQ(clock.CpuGetSpeed(), 2400);
    EXPECT_EQ(fakes.registry.opens, 1);
    EXPECT_EQ(clock.CyclesToMilliseconds(0, 2'400'000), 1);
}

TEST_F(ClockFixture, ClockAbove16BitsEntersTheFactorWhole) {
    SetRegistryMhz(65536 + 2400);
    EXPECT_EQ(clock.CpuGetSpeed(), 2400);
    EXPECT_EQ(clock.CyclesToMilliseconds(0, 67'936'000), 1);
}

TEST_F(ClockFixture, MissingValueIsMeasuredOver200MsAndRoundedHalfUp) {
    struct Case {
        long double measured;
        std::uint16_t expected;
    };
    for (const Case c : {Case{2394.5L, 2395}, Case{2394.49L, 2394}}) {
        platform::FakePlatform fresh;
        fresh.registry.keys[platform::CentralProcessorKey]; // the key opens, the value is missing
        FakeCycleCounter freshCycles{fresh.clock};
        freshCycles.mhz = c.measured;
        ProcessorClock pc{fresh.clock, fresh.clock, fresh.priority, fresh.registry, freshCycles};
        EXPECT_EQ(pc.CpuGetSpeed(), c.expected);
        EXPECT_EQ(fresh.clock.sleeps, std::vector<std::uint32_t>{200});
        EXPECT_EQ(pc.CpuGetSpeed(), c.expected);
        EXPECT_EQ(fresh.clock.sleeps.size(), 1u) << "the measured clock is cached";
    }
}

TEST_F(ClockFixture, UnopenableKeyIsMeasuredAndCachedLikeAMissingValue) {
    cycles.mhz = 1800;
    EXPECT_EQ(clock.CyclesToMilliseconds(0, 3'600'000), 2) << "the clock is obtained first";
    EXPECT_EQ(clock.CpuGetSpeed(), 1800);
    EXPECT_EQ(fakes.clock.sleeps, std::vector<std::uint32_t>{200});
    EXPECT_EQ(fakes.registry.opens, 1);
}

TEST_F(ClockFixture, ValueLongerThanFourBytesFallsBackToMeasuring) {
    fakes.registry.keys[platform::CentralProcessorKey][platform::ProcessorMhzValue] = {1, 2, 3, 4,
                                                                                       5};
    cycles.mhz = 3000;
    EXPECT_EQ(clock.CpuGetSpeed(), 3000);
}

TEST_F(ClockFixture, MeasureCpuClockSleepsAndRestoresThePriority) {
    const platform::SchedulingState before = fakes.priority.state;
    cycles.mhz = 2394.454L;
    const double mhz = clock.MeasureCpuClock(1000);
    EXPECT_NEAR(mhz, 2394.454, 1e-3);
    EXPECT_EQ(fakes.clock.sleeps, std::vector<std::uint32_t>{1000});
    EXPECT_EQ(fakes.priority.raised, 1);
    EXPECT_EQ(fakes.priority.state, before);
}

TEST_F(ClockFixture, MeasureCpuClockDividesByWholeMicroseconds) {
    // 1000 ms of sleep plus 999 ns read overhead: 1,000,000 whole microseconds.
    fakes.clock.onSleep = [&](std::uint32_t) { fakes.clock.Advance(999); };
    cycles.mhz = 1000;
    const double mhz = clock.MeasureCpuClock(1000);
    // cycles = 1,000,000,999 ns at 1000 MHz = 1,000,000,999 cycles; ÷ 1,000,000 µs
    EXPECT_DOUBLE_EQ(mhz, 1000.000999);
}

TEST_F(ClockFixture, AClockOfZeroRaisesAndIsAskedForAgainNextTime) {
    SetRegistryMhz(0);
    for (int call = 1; call <= 2; ++call) {
        try {
            clock.CyclesToMilliseconds(0, 1'000'000);
            FAIL() << "a clock of 0 gives no factor";
        } catch (const EArithmeticError& e) {
            EXPECT_STREQ(e.what(), "Floating point division by zero");
        }
        EXPECT_EQ(fakes.registry.opens, call);
    }
    SetRegistryMhz(1000);
    EXPECT_EQ(clock.CyclesToMilliseconds(0, 1'000'000), 1);
}

TEST_F(ClockFixture, AMeasurementWithoutElapsedTimeRaisesInsteadOfDividing) {
    const platform::SchedulingState before = fakes.priority.state;
    fakes.clock.onSleep = [&](std::uint32_t) { fakes.clock.Set(0); };
    EXPECT_THROW(clock.MeasureCpuClock(200), EArithmeticError);
    EXPECT_EQ(fakes.priority.state, before) << "restored all the same";
    EXPECT_THROW(clock.CpuGetSpeed(), EArithmeticError) << "measured as the fallback";
}

TEST(Arithmetic, TruncatesTowardZeroAndRefusesWhatNoIntegerHolds) {
    EXPECT_EQ(TruncToInt64(-2.7L), -2);
    EXPECT_EQ(TruncToInt64(2394.99L), 2394);
    EXPECT_EQ(TruncToInt64(-9223372036854775808.0L), INT64_MIN);
    for (long double bad : {std::numeric_limits<long double>::infinity(),
                            -std::numeric_limits<long double>::infinity(),
                            std::numeric_limits<long double>::quiet_NaN(), 9223372036854775808.0L})
        EXPECT_THROW(TruncToInt64(bad), EArithmeticError) << static_cast<double>(bad);
}
