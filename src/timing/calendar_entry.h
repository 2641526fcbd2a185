#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "chart/date_time.h"
#include "core/checked.h"
#include "timing/transit_calendar.h"

// The checks of what the user asks the transit calendar for, with the
// German message of each refusal.
namespace kelvaro::timing {

// The years of the ephemeris, as every date is checked.
inline constexpr int kFirstCalendarYear = 1800;
inline constexpr int kLastCalendarYear = 2399;
inline constexpr int kLongestCalendarYears = 10;

// The range from 00:00 of `from` to 24:00 of `to` must not run backwards
// nor be longer than ten years.
std::optional<Rejection> checkCalendarRange(const chart::Date& from, const chart::Date& to);

// "SA,UR,…": bodies of the calendar (letters in any case), returned in the
// order of the list, each once.
Checked<std::vector<int>> parseCalendarBodies(std::string_view text);

// "MC,SO,…": factors MC … PO (letters in any case), each once.
Checked<std::vector<int>> parseCalendarFactors(std::string_view text);

// "factors", "midpoints" or "all".
Checked<CalendarPoints> parseCalendarPoints(std::string_view text);

}  // namespace kelvaro::timing
