#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "chart/chart_entry.h"
#include "core/search_result.h"
#include "timing/movers.h"
#include "timing/transit_calendar.h"

// The timeline of a person: the moments at which a solar-arc direction (S),
// a progression (P) or a transit (T) reaches a radix point or a radix
// midpoint on the dial, as the transit calendar defines it.
namespace kelvaro::timing {

// The label above the list:
// "Zeitleiste: Solarbogen, Progression und Transite auf der 90°-Scheibe".
std::string timelineHeading(DialSize dial);

struct TimelineHit {
  double julianDay = 0;  // UT, the exact moment
  MoverKind kind = MoverKind::transit;
  int factor = 0;         // the factor that moves
  std::size_t point = 0;  // index into the timeline's points
  bool direct = true;     // the mover's longitude grows at that moment
  // This is pass `pass` of `passes` of the mover over the same place: a
  // body that turns back may cross a point several times in one loop.
  int pass = 1;
  int passes = 1;
  // S and P with an orb: the moments the orb is entered and left (nothing
  // when that lies more than two hundred years away).
  std::optional<double> orbEntered;
  std::optional<double> orbLeft;
  // The moment shown: T its minute, S and P their day (at 00:00); local,
  // and in UT.
  chart::LocalTime shownLocal;
  std::chrono::sys_seconds shown;
};

struct Timeline {
  DialSize dial;  // the dial the hits were found on
  std::vector<RadixPoint> points;
  std::vector<TimelineHit> hits;  // in the order of the lines
  // The heading, then the title line and one line per hit:
  //   14.03.2031         SAs = MCr/SOr  07°30'  direkt
  //   05.11.2031 14:07   PLt = MCr/SOr  07°30'  rückläufig  (2/3)
  // sorted by the moment shown (S and P by their day), then S, P, T, then
  // factor and point order.
  SearchResult result;
};

// The column at which the text of a hit line begins, after its date (and time).
inline constexpr std::size_t kHitTextColumn = 19;

// The timeline of a request (see checkCalendarEntry). S and P begin at the
// birth. nullopt when cancelled.
std::optional<Timeline> timeline(const chart::BirthData& birth, const CalendarRequest& request,
                                 const CalendarProgress& progress = {});

// "Zeitleiste für Müller, Anna vom 01.01.2030 bis 31.12.2031, Zeiten in Europe/Berlin"
std::string timelineTitle(const chart::BirthData& birth, const CalendarRequest& request);

}  // namespace kelvaro::timing
