#pragma once

#include <cstdint>

namespace platform {

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// Sleeps the whole time even when signals interrupt it.
class SystemSleeper final : public Sleeper {
public:
    void Sleep(std::uint32_t milliseconds) override;
};

} // namespace platform
