#pragma once

// Date-time values as the chart stores them (days since 30 December 1899, the time of day as the
// fraction) and as the record framework carries them (milliseconds since 1 January of year 1).
namespace DateTimeStamp {

inline constexpr double DateDelta = 693594; // days from 0001-01-01 to 1899-12-30
inline constexpr double MSecsPerDay = 86400000;

double DaysToMilliseconds(double days);
// The milliseconds are rounded to a whole number first.
double MillisecondsToDays(double milliseconds);

} // namespace DateTimeStamp
