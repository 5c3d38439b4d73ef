#include "StampFile.h"

#include "Clock.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace probe {

StampFile::StampFile(std::string path) : path_(std::move(path)) {}

std::optional<ResponseStamps> StampFile::Next(std::int64_t timeoutNs) {
    const std::int64_t deadline = NowNs() + timeoutNs;
    for (;;) {
        std::ifstream in(path_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        if (lines.size() > linesRead_) {
            std::istringstream fields(lines[linesRead_++]);
            std::array<std::int64_t, 6> at{};
            std::int64_t frequency = 0;
            ResponseStamps r;
            for (std::int64_t& a : at)
                fields >> a;
            fields >> frequency >> r.reportedMs;
            if (!fields || frequency <= 0)
                return std::nullopt;
            const auto ns = [frequency](std::int64_t count) {
                return std::int64_t((long double)count * 1e9L / (long double)frequency);
            };
            r.armed = ns(at[0]);
            r.tickEntered = ns(at[1]);
            r.frameHanded = ns(at[2]);
            r.pressEntered = ns(at[3]);
            r.stopped = ns(at[4]);
            if (at[5] != 0)
                r.onset = ns(at[5]);
            return r;
        }
        if (NowNs() > deadline)
            return std::nullopt;
        SleepUntil(NowNs() + 10'000'000);
    }
}

} // namespace probe
