#include "timing/calendar_entry.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "chart/chart_entry.h"
#include "core/factor.h"

namespace kelvaro::timing {
namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string upperCased(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// The names of a comma-separated list, blanks around them left out; empty
// items are skipped.
std::vector<std::string> names(std::string_view list) {
  std::vector<std::string> items;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view item = trimmed(list.substr(0, comma));
    if (!item.empty()) items.push_back(upperCased(item));
    if (comma == std::string_view::npos) return items;
    list.remove_prefix(comma + 1);
  }
}

std::string dateText(const chart::LocalTime& day) {
  return chart::localTimeText(day).substr(0, 10);  // "DD.MM.YYYY"
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

Checked<chart::LocalTime> parseCalendarDate(std::string_view label, std::string_view text) {
  const Checked<chart::Date> checked = chart::checkDate(label, text);
  if (const Rejection* refused = rejection(checked)) return *refused;
  const chart::Date& date = std::get<chart::Date>(checked);
  return chart::LocalTime{date.year, date.month, date.day};
}

std::optional<Rejection> checkCalendarRange(const chart::LocalTime& from,
                                            const chart::LocalTime& to) {
  const auto first = std::tie(from.year, from.month, from.day);
  if (std::tie(to.year, to.month, to.day) < first) {
    return Rejection{"Das Ende " + dateText(to) + " liegt vor dem Anfang " + dateText(from) + "."};
  }
  // 24:00 of `to` may be at most the same day and month ten years on.
  const int lastYear = from.year + kLongestCalendarYears;
  if (std::tie(to.year, to.month, to.day) >= std::tie(lastYear, from.month, from.day)) {
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
