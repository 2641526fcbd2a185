#pragma once

#include <string_view>

#include "chart/chart_entry.h"
#include "cli/option_words.h"
#include "core/checked.h"
#include "timing/calendar_entry.h"

namespace kelvaro::cli {

// The entry that the options of a person's timeline ask for: --from, --to,
// --zone (the birth zone without it), --movers (S, P and T without it),
// --bodies, --points, --with (`defaultWith` without it), --orb and --dial
// (the standard 22.5° dial without it), checked
// by the one check of the calendar; refused with the German message of the
// first option that is wrong.
Checked<timing::CalendarRequest> timelineRequestOf(const OptionWords& words,
                                                   const chart::BirthData& birth,
                                                   std::string_view defaultWith = {});

}  // namespace kelvaro::cli
