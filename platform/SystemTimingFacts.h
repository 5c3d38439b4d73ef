#pragma once

#include "TimingFacts.h"

struct xcb_connection_t;

namespace platform {

// The figures as the running system gives them: the primary screen's refresh rate, the X
// server's compositor selection (only with a connection to it) and the USB mice under /sys.
class SystemTimingFacts final : public TimingFacts {
public:
    explicit SystemTimingFacts(xcb_connection_t* connection = nullptr) : connection_(connection) {}
    std::optional<double> RefreshHz() override;
    std::optional<bool> Composited() override;
    std::optional<double> MousePollingHz() override;

private:
    xcb_connection_t* connection_;
};

} // namespace platform
