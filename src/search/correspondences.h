#pragma once

#include <string_view>

#include "core/search_result.h"
#include "core/transit_record.h"

// Search option 5: every factor variant MC … GZ compared on the dial with
// every other one. The report holds four one-factor lists (one per variant
// of the first factor), the repetitions against the transit positions, the
// correspondences in the MC, SO and AS axes and the table of pair counts.
namespace kelvaro {

inline constexpr std::string_view kCorrespondencesHeading =
    "Variantenbezogene Auswertung und korrespondierende Halbsummen";

// The whole report: 171 lines, or 169 when SOt corresponds with nothing and
// the SO axis line and its separator are left out.
SearchResult correspondences(const TransitRecord& record, double orb);

}  // namespace kelvaro
