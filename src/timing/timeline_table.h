#pragma once

#include "core/text_table.h"
#include "timing/timeline.h"

// The hits of a timeline as a table for spreadsheets, made from the hits
// themselves: one row per line of the list, in its order. Days are written
// as ISO dates of the calendar the list shows them in ("2031-03-14"), the
// place on the dial both as the list's text ("07°30'") and in decimal
// degrees ("7.5000").
namespace kelvaro::timing {

TextTable timelineTable(const Timeline& timeline, const CalendarRequest& request);

}  // namespace kelvaro::timing
