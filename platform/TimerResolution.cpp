#include "TimerResolution.h"

#include <sys/prctl.h>

namespace platform {

void SystemTimerResolution::Begin(unsigned) {
    if (saved_ < 0)
        saved_ = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
}

void SystemTimerResolution::End(unsigned) {
    if (saved_ < 0)
        return;
    prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(saved_), 0, 0, 0);
    saved_ = -1;
}

} // namespace platform
