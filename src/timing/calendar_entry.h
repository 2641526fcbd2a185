#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "chart/chart_entry.h"
#include "chart/date_time.h"
#include "core/checked.h"
#include "timing/transit_calendar.h"

// The checks of what the user asks the transit calendar and the timeline
// for, with the German message of each refusal. The windows and the command
// lines fill in an entry and call the one check.
namespace kelvaro::timing {

// The years of the ephemeris, as every date is checked.
inline constexpr int kFirstCalendarYear = chart::kFirstYear;
inline constexpr int kLastCalendarYear = chart::kLastYear;
// The longest range with transits, and with S and P alone.
inline constexpr int kLongestCalendarYears = 10;
inline constexpr int kLongestDirectionYears = 100;

// The fields of an entry, in the order they are checked.
enum class CalendarField { from, to, zone, movers, bodies, factors, with };

// What is typed or chosen.
struct CalendarEntry {
  std::string from;  // "TT.MM.JJJJ"
  std::string to;
  std::string zone;
  MoverChoice movers;
  std::vector<int> bodies;   // T
  std::vector<int> factors;  // S and P
  CalendarPoints points = CalendarPoints::all;
  std::string with;           // "MC,SO": only points with one of these
  std::optional<double> orb;  // checked by the orb entry's rules
  DialSize dial;              // chosen from the five sizes
};

struct CalendarRefusal {
  CalendarField field;
  std::string message;
};

// The request of an entry, or the first field refused with its message: the
// dates (1000 to 2999), the range (not backwards; at most ten years with T,
// a hundred with S and P alone), the zone, at least one kind of mover, a
// body for T, a factor for S and P, the factors of `with`.
std::variant<CalendarRequest, CalendarRefusal> checkCalendarEntry(const CalendarEntry& entry);

// Every factor MC … PO: the factors of S and P unless others are chosen.
std::vector<int> allDirectedFactors();

// "SA,UR,…": bodies of the calendar (letters in any case), returned in the
// order of the list, each once.
Checked<std::vector<int>> parseCalendarBodies(std::string_view text);

// "MC,SO,…": factors MC … PO (letters in any case), each once.
Checked<std::vector<int>> parseCalendarFactors(std::string_view text);

// "S,P,T": the kinds of movers (letters in any case).
Checked<MoverChoice> parseMovers(std::string_view text);

// "factors", "midpoints" or "all" (letters in any case).
Checked<CalendarPoints> parseCalendarPoints(std::string_view text);

}  // namespace kelvaro::timing
