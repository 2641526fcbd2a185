#include <algorithm>
#include <chrono>
#include <string>
#include <variant>
#include <vector>

#include "archive/person_birth.h"
#include "cli/exit_status.h"
#include "cli/persons_commands.h"
#include "cli/timeline_options.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "loading/orb_entry.h"
#include "output/csv_text.h"
#include "output/free_file_name.h"
#include "timing/calendar_entry.h"
#include "timing/ical_export.h"
#include "timing/timeline.h"
#include "timing/timeline_table.h"

namespace kelvaro::cli {
namespace {

// The request of the options for the person, or nothing (the message written).
std::optional<timing::CalendarRequest> requestOf(const PersonsInvocation& call,
                                                 const chart::BirthData& birth) {
  auto request = timelineRequestOf(call.words, birth);
  if (const Rejection* refused = rejection(request)) {
    call.err << refused->message << "\n";
    return std::nullopt;
  }
  return std::get<timing::CalendarRequest>(std::move(request));
}

}  // namespace

int personTimeline(const PersonsInvocation& call) {
  for (const char* required : {"from", "to"}) {
    if (!call.words.has(required)) {
      call.err << "Die Angabe --" << required << " fehlt.\n";
      return kExitUsage;
    }
  }
  if (call.words.flags.contains("ics-all") && !call.words.has("ics")) {
    call.err << "Die Angabe --ics-all gilt nur mit --ics.\n";
    return kExitUsage;
  }
  auto found = personOfWord(call);
  if (const int* status = std::get_if<int>(&found)) return *status;
  const archive::Person& stored = std::get<archive::Person>(found);
  const auto birth = archive::birthDataOf(stored);
  if (const Rejection* refused = rejection(birth)) {
    call.err << refused->message << "\n";
    return kExitRefused;
  }
  const chart::BirthData& person = std::get<chart::BirthData>(birth);
  const auto request = requestOf(call, person);
  if (!request) return kExitRefused;
  if (archive::birthTimeUnknown(stored)) {
    call.err << archive::noonNote(stored, "die Zeitleiste") << "\n";
  }
  const auto timeline = timing::timeline(person, *request);
  if (call.words.flags.contains("csv")) {
    const TextTable table = timing::timelineTable(*timeline, *request);
    call.out << csvText(table);
  } else {
    for (const std::string_view line : timeline->result.lines) call.out << line << '\n';
  }
  if (!call.words.has("ics")) return kExitDone;
  const std::string target = call.words.value("ics");
  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  const timing::IcalFilter filter{.everyHit = call.words.flags.contains("ics-all")};
  const timing::IcalCalendar calendar = timing::icalendarOf(person, *timeline, now, filter);
  const WrittenFile written = writeBesideEarlier(pathFromUtf8(target), calendar.text);
  if (written.error) {
    call.err << "Die Datei " << written.name
             << " lässt sich nicht schreiben: " << systemErrorText(written.error) << ".\n";
    return kExitRefused;
  }
  if (written.name != target) call.err << takenNameNote(target, written.name) << "\n";
  call.err << written.name << ": " << timing::icalendarReport(calendar, filter) << "\n";
  return kExitDone;
}

}  // namespace kelvaro::cli
