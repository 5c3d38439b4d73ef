// How exactly the machine times a short sleep, as the calibration run does it: the counter read
// on either side of a 17 ms sleep with the 1 ms timer resolution in force. The counters report
// the largest and the mean deviation above the set sleep (target on an idle machine: the largest
// below +0.2 ms) and the overhead of two counter reads in a row, in counter ticks.
#include "PerformanceCounter.h"
#include "Sleeper.h"
#include "TimerResolution.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t SetSleep = 17; // ms

void BM_TimedSleep(benchmark::State& state) {
    platform::SystemPerformanceCounter counter;
    platform::SystemSleeper sleeper;
    platform::SystemTimerResolution resolution;
    resolution.Begin(1);
    const double frequency = double(counter.Frequency());
    double largest = 0, total = 0;
    for (auto _ : state) {
        const std::int64_t a = counter.Counter();
        sleeper.Sleep(SetSleep);
        const std::int64_t b = counter.Counter();
        const double deviation = double((b - a) * 1000) / frequency - SetSleep;
        largest = std::max(largest, deviation);
        total += deviation;
    }
    resolution.End(1);
    state.counters["largest_ms"] = largest;
    state.counters["mean_ms"] = total / double(state.iterations());
}
BENCHMARK(BM_TimedSleep)->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_CounterOverhead(benchmark::State& state) {
    platform::SystemPerformanceCounter counter;
    std::int64_t smallest = INT64_MAX;
    for (auto _ : state) {
        const std::int64_t first = counter.Counter();
        smallest = std::min(smallest, counter.Counter() - first);
    }
    state.counters["smallest_ticks"] = double(smallest);
}
BENCHMARK(BM_CounterOverhead);

} // namespace
