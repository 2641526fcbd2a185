#pragma once

#include <chrono>
#include <string>

#include "chart/chart_entry.h"
#include "timing/timeline.h"

// The hits of a timeline as an iCalendar file (RFC 5545) that calendar
// programs import: S and P as all-day events on the day the list shows, T
// as events at the minute it shows, in UTC. The summary is the line's text
// without its date. A hit's UID is made of what the hit is (its day in UT,
// mover, point, direction and the person), so that the same hit has the same
// UID in every export and a calendar that imports it again updates it; a
// second hit of the same day, mover, point and direction in one file gets
// "-2" before the "@" (a third "-3"), so that no UID stands twice.
namespace kelvaro::timing {

// The file's text: UTF-8, lines ended by CR LF and folded at 75 bytes;
// `stamp` is the moment of the export (every event's DTSTAMP).
std::string icalendarText(const chart::BirthData& birth, const Timeline& timeline,
                          std::chrono::sys_seconds stamp);

}  // namespace kelvaro::timing
