#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/checked.h"
#include "core/search_result.h"
#include "core/transit_record.h"

// The quadro search (option 2, method 2): one planetary picture of four
// factors without variants, e.g. "KN+JU=MO/SA", tried in the combinations of
// variants of its factors; every combination whose two sides meet on the
// dial within the orb is listed with its longitudes, dial positions, MCp
// houses and signs.
namespace kelvaro {

inline constexpr std::size_t kQuadroEntryLength = 11;

inline constexpr std::string_view kQuadroFactorMessage = "Bitte vier gültige Faktoren eingeben!";
inline constexpr std::string_view kQuadroEqualsMessage =
    "Bitte im Planetenbild = richtig verwenden";
inline constexpr std::string_view kQuadroOperatorMessage =
    "Bitte im Planetenbild nur + oder / verwenden";

inline constexpr std::string_view kQuadroColumnHeader =
    "                 Faktoren-Winkel im 360°-Kreis    Modus-22,5-Grad-Winkel       "
    "Halbsummen- bzw. Summen-Winkel";

struct QuadroOutcome {
  // Heading label and result list after the search. A refused entry still
  // names itself in the heading and leaves the line " " + entry.
  SearchResult result;
  // The message of a refused entry.
  std::optional<Rejection> rejection;
};

// Runs the search on an entry of kQuadroEntryLength characters (the window
// runs it on no other length). Factor names are upper-cased; the checks are
// the four factors, then "=" at character 6, then "+" or "/" at 3 and 9.
// Each picture line carries its four factor variants, in its order.
QuadroOutcome quadroSearch(const TransitRecord& record, double orb, std::string_view entry);

}  // namespace kelvaro
