#pragma once

#include <optional>

namespace platform {

// What the system tells about the way from a frame to the eye and from the hand to the program:
// each figure is nothing where the system does not say.
class TimingFacts {
public:
    virtual ~TimingFacts() = default;
    // The refresh rate of the screen the program's window is on, as the window system reports it.
    virtual std::optional<double> RefreshHz() = 0;
    // Whether a compositor draws the screen (it adds frames of its own between a window and it).
    virtual std::optional<bool> Composited() = 0;
    // How often the system asks the mouse for its state; the slowest where there are several.
    virtual std::optional<double> MousePollingHz() = 0;
};

} // namespace platform
