#include "DateTimeStamp.h"

#include <cmath>

double DateTimeStamp::DaysToMilliseconds(double days) {
    const double date = DateDelta + std::trunc(days);
    const double time = std::round(std::fabs(days - std::trunc(days)) * MSecsPerDay);
    return date * MSecsPerDay + time;
}

double DateTimeStamp::MillisecondsToDays(double milliseconds) {
    const double ms = std::round(milliseconds);
    const double date = std::floor(ms / MSecsPerDay);
    const double time = ms - date * MSecsPerDay;
    const double days = date - DateDelta;
    // Before 1899 the day number is negative and the time of day counts away from zero.
    return days < 0 ? days - time / MSecsPerDay : days + time / MSecsPerDay;
}
