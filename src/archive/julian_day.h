#pragma once

#include <chrono>

namespace kelvaro::archive {

// The Julian day of 1970-01-01 0:00 UT.
inline constexpr double kJulianDayOfUnixEpoch = 2440587.5;

// A UT moment as a Julian day (days since noon UT of 1 January 4713 BC).
double julianDayOf(std::chrono::sys_seconds moment);
// The moment of a Julian day, to the nearest second.
std::chrono::sys_seconds momentOfJulianDay(double julianDay);

}  // namespace kelvaro::archive
