#pragma once

#include <cstdint>
#include <optional>

// When the window system's last mouse press reached the GUI thread, as a reading of the
// performance counter taken before the toolkit turns it into a mouse event: from there to the
// stop count is the program's own lag in handling a response.
class PressArrival {
public:
    // Watches the window system's events from now on. Call once, after the application object
    // exists; without it, Last stays empty.
    static void Install();
    static std::optional<std::int64_t> Last() { return last_; }

private:
    friend class PressWatcher;
    static inline std::optional<std::int64_t> last_;
};
