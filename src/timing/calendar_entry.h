#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "chart/time_zone.h"
#include "core/checked.h"
#include "timing/transit_calendar.h"

// The checks of what the user asks the transit calendar for, with the
// German message of each refusal.
namespace kelvaro::timing {

// The years of the ephemeris, as every date is checked.
inline constexpr int kFirstCalendarYear = 1800;
inline constexpr int kLastCalendarYear = 2399;
inline constexpr int kLongestCalendarYears = 10;

// "DD.MM.YYYY", a day of the Gregorian calendar in the years 1800 to 2399,
// checked as every date is; `label` names the field in the message.
Checked<chart::LocalTime> parseCalendarDate(std::string_view label, std::string_view text);

// The range from 00:00 of `from` to 24:00 of `to` must not run backwards
// nor be longer than ten years.
std::optional<Rejection> checkCalendarRange(const chart::LocalTime& from,
                                            const chart::LocalTime& to);

// "SA,UR,…": bodies of the calendar (letters in any case), returned in the
// order of the list, each once.
Checked<std::vector<int>> parseCalendarBodies(std::string_view text);

// "MC,SO,…": factors MC … PO (letters in any case), each once.
Checked<std::vector<int>> parseCalendarFactors(std::string_view text);

// "factors", "midpoints" or "all".
Checked<CalendarPoints> parseCalendarPoints(std::string_view text);

}  // namespace kelvaro::timing
