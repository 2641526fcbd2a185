#pragma once

#include <string>
#include <vector>

#include "core/text_table.h"
#include "timing/timeline.h"

// The hits of a timeline or a transit calendar as a table for spreadsheets,
// made from the hits themselves: one row per line of the list, in its order.
// Days are written as ISO dates of the calendar the list shows them in
// ("2031-03-14"), the place on the dial both as the list's text ("07°30'")
// and in decimal degrees ("7.5000").
namespace kelvaro::timing {

// What one row of the table tells.
struct HitFields {
  chart::LocalTime shown = {};
  bool timed = true;  // T: the list shows the minute
  MoverKind kind = MoverKind::transit;
  int factor = 0;
  RadixPoint point = {};
  bool direct = true;
  std::string pass = {};        // "2/3", or empty
  std::string orbEntered = {};  // ISO dates, or empty
  std::string orbLeft = {};
};

std::vector<std::string> hitTableHeader();
std::vector<std::string> hitTableRow(const HitFields& hit, DialSize dial);

TextTable timelineTable(const Timeline& timeline, const CalendarRequest& request);

}  // namespace kelvaro::timing
