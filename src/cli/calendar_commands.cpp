#include <algorithm>
#include <memory>
#include <string>

#include "cli/command_set.h"
#include "output/csv_text.h"
#include "timing/calendar_entry.h"
#include "timing/transit_calendar.h"

namespace kelvaro::cli {
namespace {

// The options of the calendar command as typed.
struct CalendarOptions {
  std::string from;
  std::string to;
  std::string zone = "Europe/Berlin";
  std::string bodies;  // empty: the slow bodies, from JU on
  bool moon = false;
  std::string points = "all";
  std::string with;
  std::string dial;  // empty: the standard dial
  bool csv = false;  // the table for spreadsheets instead of the lines
};

// The entry of the options, or the message of a list that is refused.
Checked<timing::CalendarEntry> entryOf(const CalendarOptions& options) {
  using namespace timing;
  CalendarEntry entry;
  entry.from = options.from;
  entry.to = options.to;
  entry.zone = options.zone;
  std::vector<int> named = defaultCalendarBodies();
  if (!options.bodies.empty()) {
    auto bodies = parseCalendarBodies(options.bodies);
    if (const Rejection* refused = rejection(bodies)) return *refused;
    named = std::get<std::vector<int>>(std::move(bodies));
  }
  // --moon adds the Moon either way.
  for (const int body : kCalendarBodies) {
    const bool listed = std::find(named.begin(), named.end(), body) != named.end();
    if (listed || (body == factor::MO && options.moon)) entry.bodies.push_back(body);
  }
  const auto points = parseCalendarPoints(options.points);
  if (const Rejection* refused = rejection(points)) return *refused;
  entry.points = std::get<CalendarPoints>(points);
  entry.with = options.with;
  if (!options.dial.empty()) {
    const auto dial = parseDialSize(options.dial);
    if (const Rejection* refused = rejection(dial)) return *refused;
    entry.dial = std::get<DialSize>(dial);
  }
  return entry;
}

CommandResult calendar(const Session& session, const CalendarOptions& options) {
  const auto entry = entryOf(options);
  if (const Rejection* refused = rejection(entry))
    return CommandResult::refused({refused->message});
  const auto checked = timing::checkCalendarEntry(std::get<timing::CalendarEntry>(entry));
  if (const auto* refusal = std::get_if<timing::CalendarRefusal>(&checked)) {
    return CommandResult::refused({refusal->message});
  }
  auto result = timing::transitCalendar(session.record, std::get<timing::CalendarRequest>(checked));
  std::optional<std::string> csv;
  if (options.csv) csv = csvText(*result->table);
  CommandResult listed = CommandResult::listOf(std::move(*result));
  listed.csv = std::move(csv);
  return listed;
}

}  // namespace
void addCalendarCommands(CommandSet& commands) {
  auto options = std::make_shared<CalendarOptions>();
  CLI::App* command = commands.add(
      "calendar",
      "Transit-Kalender: wann ein Transit einen Radix-Punkt oder eine Halbsumme auf der "
      "Scheibe auslöst",
      [options](const Session& session) { return calendar(session, *options); });
  command->add_option("--from", options->from, "erster Tag, TT.MM.JJJJ (ab 00:00)")->required();
  command->add_option("--to", options->to, "letzter Tag, TT.MM.JJJJ (bis 24:00)")->required();
  command->add_option("--zone", options->zone,
                      "Zeitzone der Tage und Zeiten: Name wie Europe/Berlin, UT oder +01:00 "
                      "(Vorgabe Europe/Berlin)");
  command->add_option(
      "--bodies", options->bodies,
      "Transit-Körper, z. B. SA,UR (Vorgabe: JU, SA, UR, NE, PL, KN und CU bis PO)");
  command->add_flag("--moon", options->moon, "auch den Mond auflisten");
  command->add_option("--points", options->points,
                      "Radix-Punkte: factors, midpoints oder all (Vorgabe all)");
  command->add_option("--with", options->with,
                      "nur Punkte, die einen dieser Faktoren enthalten, z. B. MC,SO");
  command->add_flag("--csv", options->csv,
                    "die Zeilen als CSV-Tabelle für Tabellenkalkulationen (--save speichert die "
                    "Zeilen)");
  command->add_option("--dial", options->dial,
                      "Scheibe in Grad: 360, 90, 45, 22.5 oder 11.25 (Vorgabe 22.5)");
}

}  // namespace kelvaro::cli
