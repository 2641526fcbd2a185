#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/checked.h"
#include "core/dial_size.h"
#include "core/search_result.h"
#include "core/transit_record.h"

// Search option 3: every sum and midpoint of two factor variants (MC … PO)
// whose dial value lies on an entered search angle within the orb. The angle
// itself is checked by checkSearchAngle (search/search_angle.h).
namespace kelvaro {

// The question asked after a valid angle: Yes leads to the factor entry,
// No to the planetary-picture search with the angle as its axis.
inline constexpr std::string_view kAngleFactorQuestion =
    "\rSoll nach einem bestimmten Faktor gesucht werden?\r";

// The factor field is checked on every change that leaves this many characters.
inline constexpr std::size_t kAngleFactorEntryLength = 2;
inline constexpr std::string_view kAngleFactorMessage = "Bitte einen gültigen Faktor eingeben!";

// The factor number (1–23) of a two-character entry, a–z upper-cased first.
// GZ is accepted although it takes part in no combination. The window checks
// only texts of kAngleFactorEntryLength; any other length is refused here.
Checked<int> checkAngleFactor(std::string_view text);

// The sums, 18 asterisks, then the midpoints at the search angle (degrees as
// entered, not reduced to the dial). Without a chosen factor every pair of
// factor variants is listed once, the lower factor number first; with one,
// only the pairs that contain it, the chosen factor always first. SO in
// variant s never takes part. At most 14 entries per line. Each line carries
// the factor variants of its entries, both of each pair, in their order, and
// the result says where each entry stands and that each entry is a picture
// of the angle and its pair (SearchResult::pairsOnAxis). On another dial than the
// standard one (the dial window's pointer), the values are placed on that
// dial and meet the angle where their distance on it is below the orb.
SearchResult angleSearch(const TransitRecord& record, double orb, double searchAngle,
                         std::optional<int> chosenFactor, DialSize dial = DialSize::standard());

}  // namespace kelvaro
