#include "PerformanceCounter.h"
#include "PeriodicTimer.h"
#include "Registry.h"
#include "Sleeper.h"
#include "ThreadPriority.h"
#include "TimerResolution.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

using namespace platform;

TEST(Registry, ReadsTheNominalClockFromTheTextsLinuxGives) {
    EXPECT_EQ(MhzFromModelName("model name\t: Intel(R) Core(TM) i5-3470 CPU @ 3.20GHz\n"), 3200u);
    EXPECT_EQ(MhzFromModelName("model name\t: Pentium(R) 4 CPU 2394.454 @ 800 MHz\n"), 800u);
    EXPECT_EQ(MhzFromModelName("model name\t: AMD EPYC\ncpu MHz\t\t: 2096.024\n"), std::nullopt);
    EXPECT_EQ(MhzFromTscKhzFile("2394454\n"), 2394u);
    EXPECT_EQ(MhzFromTscKhzFile(""), std::nullopt);
}

TEST(Registry, ServesOnlyTheProcessorKeyAndItsMhzValue) {
    SystemRegistry registry;
    EXPECT_EQ(registry.OpenKey("HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\1"), nullptr);
    auto key = registry.OpenKey(CentralProcessorKey);
    ASSERT_NE(key, nullptr);
    std::uint32_t value = 0, size = 4;
    EXPECT_FALSE(key->QueryValue("Identifier", reinterpret_cast<std::uint8_t*>(&value), size));
    size = 4;
    const bool found =
        key->QueryValue(ProcessorMhzValue, reinterpret_cast<std::uint8_t*>(&value), size);
    EXPECT_EQ(found, NominalProcessorMhz().has_value());
    if (found)
        EXPECT_GT(value, 0u);
}

TEST(SystemServices, CounterRunsInNanosecondsAndSleepWaitsAtLeastItsLength) {
    SystemPerformanceCounter counter;
    SystemSleeper sleeper;
    EXPECT_EQ(counter.Frequency(), 1'000'000'000);
    const std::int64_t start = counter.Counter();
    sleeper.Sleep(2);
    EXPECT_GE(counter.Counter() - start, 2'000'000);
}

// What the system would grant this thread, asked directly and put back at once.
static bool SystemGrantsHighestRealTime() {
    sched_param param{};
    int policy = 0;
    pthread_getschedparam(pthread_self(), &policy, &param);
    const sched_param before = param;
    param.sched_priority = sched_get_priority_max(SCHED_FIFO);
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) != 0)
        return false;
    pthread_setschedparam(pthread_self(), policy, &before);
    return true;
}

TEST(SystemServices, TimeCriticalTakesTheHighestPriorityTheSystemGrants) {
    SystemThreadPriority priority;
    const SchedulingState before = priority.Current();
    const bool realTime = SystemGrantsHighestRealTime();
    priority.SetTimeCritical();
    const SchedulingState raised = priority.Current();
    priority.Restore(before);
    if (realTime) {
        EXPECT_EQ(raised.policy, SCHED_FIFO);
        EXPECT_EQ(raised.realtimePriority, sched_get_priority_max(SCHED_FIFO));
    } else {
        // Refused real time: a nice value no worse than before.
        EXPECT_LE(raised.nice, before.nice);
    }
    EXPECT_EQ(priority.Current(), before);
}

TEST(SystemServices, PeriodicTimerCountsMissedExpiriesAndForgetsThemOnRestartOrStop) {
    using namespace std::chrono_literals;
    PeriodicTimer timer;
    SystemSleeper sleeper;
    EXPECT_EQ(timer.TakeExpiries(), 0u) << "nothing due, and the read does not block";
    timer.Start(1ms);
    sleeper.Sleep(3);
    EXPECT_GE(timer.TakeExpiries(), 2u);
    EXPECT_EQ(timer.TakeExpiries(), 0u) << "taken once";

    sleeper.Sleep(2);
    timer.Start(1h);
    EXPECT_EQ(timer.TakeExpiries(), 0u) << "a restart starts the interval anew";
    timer.Start(1ms);
    sleeper.Sleep(2);
    timer.Stop();
    EXPECT_EQ(timer.TakeExpiries(), 0u);
}

TEST(SystemServices, PriorityAndTimerSlackAreRestoredExactly) {
    SystemThreadPriority priority;
    const SchedulingState before = priority.Current();
    priority.SetTimeCritical();
    priority.Restore(before);
    EXPECT_EQ(priority.Current(), before);

    const long slack = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    SystemTimerResolution resolution;
    resolution.Begin(1);
    EXPECT_EQ(prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0), 1);
    resolution.End(1);
    EXPECT_EQ(prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0), slack);
}
