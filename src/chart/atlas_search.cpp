#include "chart/atlas_search.h"

#include <algorithm>

namespace kelvaro::chart {

bool FoldedName::holds(std::string_view query) const {
  return words.find(query) != std::string::npos || ascii.find(query) != std::string::npos ||
         germanAscii.find(query) != std::string::npos;
}

std::vector<const SearchablePlace*> matchingPlaces(const std::vector<SearchablePlace>& places,
                                                   std::string_view query, std::size_t limit) {
  std::vector<const SearchablePlace*> found;
  for (const SearchablePlace& place : places) {
    if (place.german.holds(query) || place.english.holds(query)) found.push_back(&place);
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const SearchablePlace* a, const SearchablePlace* b) {
                     return a->population > b->population;
                   });
  if (found.size() > limit) found.resize(limit);
  return found;
}

}  // namespace kelvaro::chart
