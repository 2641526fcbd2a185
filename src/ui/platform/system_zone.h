#pragma once

#include "chart/time_zone.h"

namespace kelvaro::ui {

// The zone of the computer's clock, UT where the tz database does not know it.
chart::TimeZone systemZone();

}  // namespace kelvaro::ui
