#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace probe {

// One response as the program stamped it (see the program's LatencyStamps), in nanoseconds of
// the shared clock.
struct ResponseStamps {
    std::int64_t armed = 0, tickEntered = 0, frameHanded = 0, pressEntered = 0, stopped = 0;
    // The blank the screen reported for the green frame; nothing where the program drew it
    // without one.
    std::optional<std::int64_t> onset;
    double reportedMs = 0; // the measured time, before the display rounds it
};

// The file the program appends a line to for every response.
class StampFile {
public:
    explicit StampFile(std::string path);
    // The next line not read yet, waiting for it up to `timeoutNs`.
    std::optional<ResponseStamps> Next(std::int64_t timeoutNs);

private:
    std::string path_;
    std::size_t linesRead_ = 0;
};

} // namespace probe
