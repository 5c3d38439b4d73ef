#pragma once

namespace platform {

// Makes short sleeps and the 1 ms window timer as exact as the system allows, for as long as
// the main window lives.
class TimerResolution {
public:
    virtual ~TimerResolution() = default;
    virtual void Begin(unsigned milliseconds) = 0;
    virtual void End(unsigned milliseconds) = 0;
};

// The thread's timer slack goes to 1 ns between Begin and End and is then put back.
class SystemTimerResolution final : public TimerResolution {
public:
    void Begin(unsigned milliseconds) override;
    void End(unsigned milliseconds) override;

private:
    long saved_ = -1;
};

} // namespace platform
