#include <memory>
#include <string>

#include "chart/chart_entry.h"
#include "cli/command_set.h"
#include "timing/calendar_entry.h"
#include "timing/transit_calendar.h"

namespace kelvaro::cli {
namespace {

// The options of the calendar command as typed.
struct CalendarOptions {
  std::string from;
  std::string to;
  std::string zone = "Europe/Berlin";
  std::string bodies;  // empty: every body but the Moon
  bool moon = false;
  std::string points = "all";
  std::string with;
};

// The request, or the message of the first option that is refused.
Checked<timing::CalendarRequest> request(const CalendarOptions& options) {
  using namespace timing;
  using chart::Date;
  using chart::TimeZone;
  CalendarRequest asked;
  const auto from = chart::checkDate("Von", options.from);
  if (const Rejection* refused = rejection(from)) return *refused;
  const auto to = chart::checkDate("Bis", options.to);
  if (const Rejection* refused = rejection(to)) return *refused;
  asked.from = std::get<Date>(from);
  asked.to = std::get<Date>(to);
  if (auto refused = checkCalendarRange(asked.from, asked.to)) return *refused;

  auto zone = TimeZone::parse(options.zone);
  if (const Rejection* refused = rejection(zone)) return *refused;
  asked.zone = std::get<TimeZone>(std::move(zone));

  std::vector<int> named;
  if (!options.bodies.empty()) {
    auto bodies = parseCalendarBodies(options.bodies);
    if (const Rejection* refused = rejection(bodies)) return *refused;
    named = std::get<std::vector<int>>(std::move(bodies));
  }
  // Without --bodies every body but the Moon; --moon adds it either way.
  for (const int body : kCalendarBodies) {
    const bool listed = options.bodies.empty()
                            ? body != factor::MO
                            : std::find(named.begin(), named.end(), body) != named.end();
    if (listed || (body == factor::MO && options.moon)) asked.bodies.push_back(body);
  }

  const auto points = parseCalendarPoints(options.points);
  if (const Rejection* refused = rejection(points)) return *refused;
  asked.points = std::get<CalendarPoints>(points);
  auto with = parseCalendarFactors(options.with);
  if (const Rejection* refused = rejection(with)) return *refused;
  asked.with = std::get<std::vector<int>>(std::move(with));
  return asked;
}

CommandResult calendar(const Session& session, const CalendarOptions& options) {
  const auto asked = request(options);
  if (const Rejection* refused = rejection(asked))
    return CommandResult::refused({refused->message});
  auto result = timing::transitCalendar(session.record, std::get<timing::CalendarRequest>(asked));
  return CommandResult::listOf(std::move(*result));
}

}  // namespace

void addCalendarCommands(CommandSet& commands) {
  auto options = std::make_shared<CalendarOptions>();
  CLI::App* command = commands.add(
      "calendar",
      "Transit-Kalender: wann ein Transit einen Radix-Punkt oder eine Halbsumme auf der "
      "22,5°-Scheibe auslöst",
      [options](const Session& session) { return calendar(session, *options); });
  command->add_option("--from", options->from, "erster Tag, TT.MM.JJJJ (ab 00:00)")->required();
  command->add_option("--to", options->to, "letzter Tag, TT.MM.JJJJ (bis 24:00)")->required();
  command->add_option("--zone", options->zone,
                      "Zeitzone der Tage und Zeiten: Name wie Europe/Berlin, UT oder +01:00 "
                      "(Vorgabe Europe/Berlin)");
  command->add_option("--bodies", options->bodies,
                      "Transit-Körper, z. B. SA,UR (Vorgabe: alle außer dem Mond)");
  command->add_flag("--moon", options->moon, "auch den Mond auflisten");
  command->add_option("--points", options->points,
                      "Radix-Punkte: factors, midpoints oder all (Vorgabe all)");
  command->add_option("--with", options->with,
                      "nur Punkte, die einen dieser Faktoren enthalten, z. B. MC,SO");
}

}  // namespace kelvaro::cli
