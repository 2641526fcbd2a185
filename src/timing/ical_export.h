#pragma once

#include <chrono>
#include <string>

#include "chart/chart_entry.h"
#include "timing/timeline.h"

// The hits of a timeline as an iCalendar file (RFC 5545) that calendar
// programs import: S and P as all-day events on the day the list shows, T
// as events at the minute it shows, in UTC. The summary names the person and
// the hit ("Müller, Jürgen: SOs = MCr/SAr"), the description holds the
// line of the list. A hit's UID is made of what the hit is (its day in UT,
// mover, point, direction and the person), so that the same hit has the same
// UID in every export and a calendar that imports it again updates it; a
// second hit of the same day, mover, point and direction in one file gets
// "-2" before the "@" (a third "-3"), so that no UID stands twice.
namespace kelvaro::timing {

// Which hits become events. The standard keeps a year readable: S and P of
// every factor but the Moon, T of Jupiter to Pluto.
struct IcalFilter {
  bool everyHit = false;  // every hit of the list

  bool takes(const TimelineHit& hit) const;
};

struct IcalCalendar {
  std::string text;        // UTF-8, lines ended by CR LF and folded at 75 bytes
  std::size_t events = 0;  // the hits the filter took
};

// The file of the hits `filter` takes; `stamp` is the moment of the export
// (every event's DTSTAMP).
IcalCalendar icalendarOf(const chart::BirthData& birth, const Timeline& timeline,
                         std::chrono::sys_seconds stamp, IcalFilter filter = {});

// "23 Termine geschrieben (S und P ohne MO, T von JU bis PL)."
std::string icalendarReport(const IcalCalendar& written, IcalFilter filter);

}  // namespace kelvaro::timing
