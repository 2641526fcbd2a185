#include "archive/julian_day.h"

#include <cmath>

namespace kelvaro::archive {

double julianDayOf(std::chrono::sys_seconds moment) {
  return kJulianDayOfUnixEpoch + static_cast<double>(moment.time_since_epoch().count()) / 86400;
}

std::chrono::sys_seconds momentOfJulianDay(double julianDay) {
  return std::chrono::sys_seconds{
      std::chrono::seconds{std::llround((julianDay - kJulianDayOfUnixEpoch) * 86400)}};
}

}  // namespace kelvaro::archive
