#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "timing/transit_calendar.h"

namespace kelvaro::ui {

// What the user chose in the timeline window, kept for the next timeline,
// in this run and the next ones.
struct TimelineChoices {
  std::array<bool, 3> movers = {true, true, true};            // S, P, T
  std::vector<int> bodies = timing::defaultCalendarBodies();  // transiting bodies of T
  timing::CalendarPoints points = timing::CalendarPoints::all;
  std::string zone;  // as typed; empty: the user's own zone
  std::string orb;   // as typed ("1:12"); empty: none
  friend bool operator==(const TimelineChoices&, const TimelineChoices&) = default;
};

// The choices of the last timeline computed, or nothing before the first.
// What the settings file holds beyond the known bodies is left out.
std::optional<TimelineChoices> rememberedTimelineChoices();
void rememberTimelineChoices(const TimelineChoices& choices);

// The zone this computer's clock shows, by its tz name ("Europe/Berlin"),
// where the program knows that zone; else nothing.
std::optional<std::string> userZoneName();

}  // namespace kelvaro::ui
