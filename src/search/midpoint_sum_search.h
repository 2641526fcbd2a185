#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/search_result.h"
#include "core/transit_record.h"

// Search option 1: the midpoint, sum or difference of two entered factors,
// in all 16 variant pairs, against the midpoints and sums of MC, SO and AS
// with themselves on the 22.5° dial.
namespace kelvaro {

// "KN+JU": name, operator, name. The window checks only entries of this length.
inline constexpr std::size_t kMidpointSumEntryLength = 5;

inline constexpr std::string_view kMidpointSumFactorMessage =
    "Bitte zwei gültige Faktoren mit Horoskop-Indizes eingeben!";
inline constexpr std::string_view kMidpointSumOperatorMessage =
    "Bitte in der Suchachse  / + oder - verwenden";

struct MidpointSumEntry {
  int first = 0;     // factor number 1–23
  char op = '+';     // '+' sum, '-' difference, '/' midpoint
  int second = 0;    // factor number 1–23
  std::string text;  // the entry with upper-case names ("KN/JU"): the stored entry
};

// Checks a text of kMidpointSumEntryLength characters: names at 1–2 and 4–5
// (a–z upper-cased, looked up in MC … GZ), operator at 3. The factor message
// comes before the operator message. A text of any other length is refused
// with the factor message (the window never checks one).
Checked<MidpointSumEntry> checkMidpointSumEntry(std::string_view text);

// Hits per axis group, summed over the 16 combination lines (at most 64 each).
struct MidpointSumHits {
  std::uint16_t mcSum = 0;
  std::uint16_t mcMidpoint = 0;
  std::uint16_t soSum = 0;
  std::uint16_t soMidpoint = 0;
  std::uint16_t asSum = 0;
  std::uint16_t asMidpoint = 0;

  friend bool operator==(const MidpointSumHits&, const MidpointSumHits&) = default;
};

// Each combination line carries its two factor variants, then those of the
// axes it stands in ("MCr/MCr" gives MCr), in their order.
struct MidpointSumSearch {
  SearchResult result;  // heading label and the 20 lines of the result list
  MidpointSumHits hits;
};

// A difference whose first longitude is the smaller one stays negative
// (modus22 keeps the sign): it is shown and compared with its sign.
MidpointSumSearch midpointSumSearch(const TransitRecord& record, double orb,
                                    const MidpointSumEntry& entry);

}  // namespace kelvaro
