#pragma once

namespace platform {

// Everything needed to put the calling thread's scheduling back exactly as it was.
struct SchedulingState {
    int policy = 0;
    int realtimePriority = 0;
    int nice = 0;
    bool operator==(const SchedulingState&) const = default;
};

class ThreadPriority {
public:
    virtual ~ThreadPriority() = default;
    virtual SchedulingState Current() = 0;
    // The highest priority the system grants the thread: the highest real-time priority if
    // allowed, else real time within the process's limit, else its lowest nice value.
    virtual void SetTimeCritical() = 0;
    virtual void Restore(const SchedulingState& state) = 0;
};

class SystemThreadPriority final : public ThreadPriority {
public:
    SchedulingState Current() override;
    void SetTimeCritical() override;
    void Restore(const SchedulingState& state) override;
};

} // namespace platform
