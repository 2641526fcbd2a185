#include "timing/calendar_entry.h"

#include <algorithm>
#include <string>

#include "core/entry_text.h"
#include "core/factor.h"

namespace kelvaro::timing {
namespace {

// The names of a comma-separated list, blanks around them left out; empty
// items are skipped.
std::vector<std::string> names(std::string_view list) {
  std::vector<std::string> items;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view item = trimmed(list.substr(0, comma));
    if (!item.empty()) items.push_back(upperCasedAscii(item));
    if (comma == std::string_view::npos) return items;
    list.remove_prefix(comma + 1);
  }
}

std::string bodyNames() {
  std::string text;
  for (std::size_t i = 0; i < kCalendarBodies.size(); ++i) {
    if (i > 0) text += i + 1 == kCalendarBodies.size() ? " und " : ", ";
    text += factorName(kCalendarBodies[i]);
  }
  return text;
}

}  // namespace

std::optional<Rejection> checkCalendarRange(const chart::Date& from, const chart::Date& to) {
  using chart::dateText;
  if (to < from) {
    return Rejection{"Das Ende " + dateText(to) + " liegt vor dem Anfang " + dateText(from) + "."};
  }
  // 24:00 of `to` may be at most the same day and month ten years on.
  if (to >= chart::Date{from.year + kLongestCalendarYears, from.month, from.day}) {
    return Rejection{"Der Zeitraum von " + dateText(from) + " bis " + dateText(to) +
                     " ist länger als " + std::to_string(kLongestCalendarYears) +
                     " Jahre. Bitte einen kürzeren Zeitraum angeben."};
  }
  return std::nullopt;
}

Checked<std::vector<int>> parseCalendarBodies(std::string_view text) {
  std::vector<bool> chosen(kCalendarBodies.size(), false);
  const std::vector<std::string> given = names(text);
  if (given.empty()) return Rejection{"Bitte mindestens einen Himmelskörper angeben."};
  for (const std::string& name : given) {
    const auto* place = std::find_if(kCalendarBodies.begin(), kCalendarBodies.end(),
                                     [&name](int body) { return factorName(body) == name; });
    if (place == kCalendarBodies.end()) {
      return Rejection{"Unbekannter Himmelskörper \"" + name + "\". Möglich sind " + bodyNames() +
                       "."};
    }
    chosen[static_cast<std::size_t>(place - kCalendarBodies.begin())] = true;
  }
  std::vector<int> bodies;
  for (std::size_t i = 0; i < kCalendarBodies.size(); ++i) {
    if (chosen[i]) bodies.push_back(kCalendarBodies[i]);
  }
  return bodies;
}

Checked<std::vector<int>> parseCalendarFactors(std::string_view text) {
  std::vector<int> factors;
  for (const std::string& name : names(text)) {
    const std::optional<int> number = lookupFactor(name);
    if (!number || *number > factor::kLastInTables) {
      return Rejection{"Unbekannter Faktor \"" + name + "\". Möglich sind die Faktoren " +
                       std::string(factorName(1)) + " bis " +
                       std::string(factorName(factor::kLastInTables)) + "."};
    }
    if (std::find(factors.begin(), factors.end(), *number) == factors.end()) {
      factors.push_back(*number);
    }
  }
  return factors;
}

Checked<CalendarPoints> parseCalendarPoints(std::string_view text) {
  const std::string_view entry = trimmed(text);
  if (entry == "factors") return CalendarPoints::factors;
  if (entry == "midpoints") return CalendarPoints::midpoints;
  if (entry == "all") return CalendarPoints::all;
  return Rejection{"Unbekannte Auswahl der Punkte \"" + std::string(entry) +
                   "\". Möglich sind factors, midpoints und all."};
}

}  // namespace kelvaro::timing
