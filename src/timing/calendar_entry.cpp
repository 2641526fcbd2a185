#include "timing/calendar_entry.h"

#include <algorithm>
#include <string>

#include "chart/chart_entry.h"
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

// The range from 00:00 of `from` to 24:00 of `to`.
std::optional<std::string> rangeRefusal(const chart::Date& from, const chart::Date& to,
                                        const MoverChoice& movers) {
  using chart::dateText;
  if (to < from)
    return "Das Ende " + dateText(to) + " liegt vor dem Anfang " + dateText(from) + ".";
  const int years = movers.transit ? kLongestCalendarYears : kLongestDirectionYears;
  // 24:00 of `to` may be at most the same day and month that many years on.
  if (to < chart::Date{from.year + years, from.month, from.day}) return std::nullopt;
  std::string message = "Der Zeitraum von " + dateText(from) + " bis " + dateText(to) +
                        " ist länger als " + std::to_string(years) +
                        " Jahre. Bitte einen kürzeren Zeitraum angeben.";
  if (movers.transit && movers.directions()) {
    message += " Ohne T (Transite) sind bis zu " + std::to_string(kLongestDirectionYears) +
               " Jahre möglich.";
  }
  return message;
}

}  // namespace

std::vector<int> allDirectedFactors() {
  std::vector<int> factors;
  for (int number = 1; number <= factor::kLastInTables; ++number) factors.push_back(number);
  return factors;
}

std::variant<CalendarRequest, CalendarRefusal> checkCalendarEntry(const CalendarEntry& entry) {
  using F = CalendarField;
  CalendarRequest request;
  const auto from = chart::checkDate("Von", entry.from);
  if (const Rejection* refused = rejection(from)) return CalendarRefusal{F::from, refused->message};
  const auto to = chart::checkDate("Bis", entry.to);
  if (const Rejection* refused = rejection(to)) return CalendarRefusal{F::to, refused->message};
  request.from = std::get<chart::Date>(from);
  request.to = std::get<chart::Date>(to);
  if (auto refused = rangeRefusal(request.from, request.to, entry.movers)) {
    return CalendarRefusal{F::to, std::move(*refused)};
  }
  auto zone = chart::TimeZone::parse(entry.zone);
  if (const Rejection* refused = rejection(zone)) return CalendarRefusal{F::zone, refused->message};
  request.zone = std::get<chart::TimeZone>(std::move(zone));

  if (!entry.movers.any()) {
    return CalendarRefusal{F::movers, "Bitte mindestens eine Art wählen: S, P oder T."};
  }
  request.movers = entry.movers;
  if (entry.movers.transit && entry.bodies.empty()) {
    return CalendarRefusal{F::bodies, "Bitte mindestens einen Himmelskörper angeben."};
  }
  if (entry.movers.directions() && entry.factors.empty()) {
    return CalendarRefusal{F::factors, "Bitte mindestens einen Faktor für S und P angeben."};
  }
  if (entry.movers.transit) request.bodies = entry.bodies;
  if (entry.movers.directions()) request.factors = entry.factors;
  request.points = entry.points;
  auto with = parseCalendarFactors(entry.with);
  if (const Rejection* refused = rejection(with)) return CalendarRefusal{F::with, refused->message};
  request.with = std::get<std::vector<int>>(std::move(with));
  request.orb = entry.orb;
  request.dial = entry.dial;
  return request;
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
  const std::string chosen = upperCasedAscii(entry);
  if (chosen == "FACTORS") return CalendarPoints::factors;
  if (chosen == "MIDPOINTS") return CalendarPoints::midpoints;
  if (chosen == "ALL") return CalendarPoints::all;
  return Rejection{"Unbekannte Auswahl der Punkte \"" + std::string(entry) +
                   "\". Möglich sind factors, midpoints und all."};
}

Checked<MoverChoice> parseMovers(std::string_view text) {
  MoverChoice movers{false, false, false};
  for (const std::string& name : names(text)) {
    if (name == "S") {
      movers.solarArc = true;
    } else if (name == "P") {
      movers.progressed = true;
    } else if (name == "T") {
      movers.transit = true;
    } else {
      return Rejection{"Unbekannte Art \"" + name +
                       "\". Möglich sind S (Solarbogen), P (Progression) und T (Transite)."};
    }
  }
  return movers;
}

}  // namespace kelvaro::timing
