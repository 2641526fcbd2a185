#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The search of the place atlas over names folded beforehand, the same
// whichever source the places come from.
namespace kelvaro::chart {

// A name's words as the atlas compares them: folded (case and compatible
// forms ignored), each between blanks (" münchen "); and the same in ASCII
// as English writes it (" munchen ") and as German writes it (" muenchen ").
// An ASCII form equal to the form before it is left empty, which most
// names' are: the search then has less to scan.
struct FoldedName {
  std::string words;
  std::string ascii;
  std::string germanAscii;

  // Whether the folded words of a query (" frankfurt ") stand in one of
  // the forms, as whole words in their order.
  bool holds(std::string_view query) const;
};

// One place's names as the search compares them.
struct SearchablePlace {
  std::size_t source = 0;  // the place's number in its atlas
  unsigned population = 0;
  FoldedName english;
  FoldedName german;
};

// The places whose German or English name holds the folded query, the most
// populous first (equal ones in the atlas' order), at most `limit` of them.
std::vector<const SearchablePlace*> matchingPlaces(const std::vector<SearchablePlace>& places,
                                                   std::string_view query, std::size_t limit);

}  // namespace kelvaro::chart
