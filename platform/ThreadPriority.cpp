#include "ThreadPriority.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

// Nice values belong to the thread on Linux, addressed by its kernel id.
id_t ThisThread() {
    return id_t(syscall(SYS_gettid));
}

int CurrentNice() {
    errno = 0;
    const int n = getpriority(PRIO_PROCESS, ThisThread());
    return errno == 0 ? n : 0;
}

} // namespace

SchedulingState SystemThreadPriority::Current() {
    SchedulingState s;
    sched_param param{};
    pthread_getschedparam(pthread_self(), &s.policy, &param);
    s.realtimePriority = param.sched_priority;
    s.nice = CurrentNice();
    return s;
}

void SystemThreadPriority::SetTimeCritical() {
    // Ask for the most first: a privileged process (root, or one with CAP_SYS_NICE) is granted
    // it whatever its limits say. A refusal leaves the thread as it was.
    sched_param param{};
    param.sched_priority = sched_get_priority_max(SCHED_FIFO);
    if (param.sched_priority > 0 && pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0)
        return;
    // An unprivileged process may still have a real-time allowance of its own.
    rlimit limit{};
    if (getrlimit(RLIMIT_RTPRIO, &limit) == 0 && limit.rlim_cur > 0 &&
        limit.rlim_cur < rlim_t(param.sched_priority)) {
        param.sched_priority = int(limit.rlim_cur);
        if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0)
            return;
    }
    // No real-time scheduling: the lowest nice value the system grants.
    for (int n = -20; n < CurrentNice(); ++n)
        if (setpriority(PRIO_PROCESS, ThisThread(), n) == 0)
            return;
}

void SystemThreadPriority::Restore(const SchedulingState& state) {
    sched_param param{};
    param.sched_priority = state.realtimePriority;
    pthread_setschedparam(pthread_self(), state.policy, &param);
    setpriority(PRIO_PROCESS, ThisThread(), state.nice);
}

} // namespace platform
