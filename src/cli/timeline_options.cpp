#include "cli/timeline_options.h"

#include <algorithm>
#include <utility>
#include <variant>
#include <vector>

#include "loading/orb_entry.h"

namespace kelvaro::cli {
namespace {

// --bodies names the factors that move: T takes those of them the calendar
// lists, S and P all of them. Without it, T has the calendar's slow bodies
// and S and P every factor.
Checked<std::monostate> setMovingFactors(const OptionWords& words, timing::CalendarEntry& entry) {
  entry.bodies = timing::defaultCalendarBodies();
  entry.factors = timing::allDirectedFactors();
  if (!words.has("bodies")) return std::monostate{};
  auto named = timing::parseCalendarFactors(words.value("bodies"));
  if (const Rejection* refused = rejection(named)) return *refused;
  entry.factors = std::get<std::vector<int>>(std::move(named));
  entry.bodies.clear();
  for (const int body : timing::kCalendarBodies) {
    if (std::find(entry.factors.begin(), entry.factors.end(), body) != entry.factors.end()) {
      entry.bodies.push_back(body);
    }
  }
  return std::monostate{};
}

Checked<timing::CalendarEntry> entryOf(const OptionWords& words, const chart::BirthData& birth,
                                       std::string_view defaultWith) {
  timing::CalendarEntry entry;
  entry.from = words.value("from");
  entry.to = words.value("to");
  entry.zone = words.has("zone") ? words.value("zone") : birth.zone.name();
  entry.movers = {true, true, true};
  if (words.has("movers")) {
    auto movers = timing::parseMovers(words.value("movers"));
    if (const Rejection* refused = rejection(movers)) return *refused;
    entry.movers = std::get<timing::MoverChoice>(movers);
  }
  if (const auto set = setMovingFactors(words, entry); const Rejection* refused = rejection(set)) {
    return *refused;
  }
  if (words.has("points")) {
    const auto points = timing::parseCalendarPoints(words.value("points"));
    if (const Rejection* refused = rejection(points)) return *refused;
    entry.points = std::get<timing::CalendarPoints>(points);
  }
  entry.with = words.has("with") ? words.value("with") : std::string(defaultWith);
  if (words.has("orb")) {
    entry.orb = parseOrbText(words.value("orb"));
    if (!entry.orb) return Rejection{orbTextRefusal(words.value("orb"))};
  }
  if (words.has("dial")) {
    const auto dial = parseDialSize(words.value("dial"));
    if (const Rejection* refused = rejection(dial)) return *refused;
    entry.dial = std::get<DialSize>(dial);
  }
  return entry;
}

}  // namespace

Checked<timing::CalendarRequest> timelineRequestOf(const OptionWords& words,
                                                   const chart::BirthData& birth,
                                                   std::string_view defaultWith) {
  const auto entry = entryOf(words, birth, defaultWith);
  if (const Rejection* refused = rejection(entry)) return *refused;
  auto checked = timing::checkCalendarEntry(std::get<timing::CalendarEntry>(entry));
  if (const auto* refusal = std::get_if<timing::CalendarRefusal>(&checked)) {
    return Rejection{refusal->message};
  }
  return std::get<timing::CalendarRequest>(std::move(checked));
}

}  // namespace kelvaro::cli
