#include <algorithm>
#include <chrono>
#include <string>
#include <variant>
#include <vector>

#include "archive/person_birth.h"
#include "cli/persons_commands.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/orb_entry.h"
#include "output/file_replace.h"
#include "timing/calendar_entry.h"
#include "timing/ical_export.h"
#include "timing/timeline.h"

namespace kelvaro::cli {
namespace {

constexpr int kDone = 0;
constexpr int kUsage = 1;
constexpr int kRefused = 2;

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

// The entry of the options; the zone is the birth zone unless --zone names one.
Checked<timing::CalendarEntry> entryOf(const OptionWords& words, const chart::BirthData& birth) {
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
  entry.with = words.value("with");
  if (words.has("orb")) {
    entry.orb = parseOrbText(words.value("orb"));
    if (!entry.orb) return Rejection{orbTextRefusal(words.value("orb"))};
  }
  return entry;
}

// The request of the options for the person, or nothing (the message written).
std::optional<timing::CalendarRequest> requestOf(const PersonsInvocation& call,
                                                 const chart::BirthData& birth) {
  const auto entry = entryOf(call.words, birth);
  if (const Rejection* refused = rejection(entry)) {
    call.err << refused->message << "\n";
    return std::nullopt;
  }
  auto checked = timing::checkCalendarEntry(std::get<timing::CalendarEntry>(entry));
  if (const auto* refusal = std::get_if<timing::CalendarRefusal>(&checked)) {
    call.err << refusal->message << "\n";
    return std::nullopt;
  }
  return std::get<timing::CalendarRequest>(std::move(checked));
}

}  // namespace

int personTimeline(const PersonsInvocation& call) {
  for (const char* required : {"from", "to"}) {
    if (!call.words.has(required)) {
      call.err << "Die Angabe --" << required << " fehlt.\n";
      return kUsage;
    }
  }
  auto found = personOfWord(call);
  if (const int* status = std::get_if<int>(&found)) return *status;
  const auto birth = archive::birthDataOf(std::get<archive::Person>(found));
  if (const Rejection* refused = rejection(birth)) {
    call.err << refused->message << "\n";
    return kRefused;
  }
  const chart::BirthData& person = std::get<chart::BirthData>(birth);
  const auto request = requestOf(call, person);
  if (!request) return kRefused;
  const auto timeline = timing::timeline(person, *request);
  for (const std::string_view line : timeline->result.lines) call.out << line << '\n';
  if (!call.words.has("ics")) return kDone;
  const std::string target = call.words.value("ics");
  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  if (const auto error = replaceFileContents(pathFromUtf8(target),
                                             timing::icalendarText(person, *timeline, now))) {
    call.err << "Die Datei " << target << " lässt sich nicht schreiben: " << systemErrorText(error)
             << ".\n";
    return kRefused;
  }
  return kDone;
}

}  // namespace kelvaro::cli
