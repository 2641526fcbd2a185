#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro::chart {

// A place of the offline city atlas, names in German where the atlas has them.
struct AtlasPlace {
  std::string name;         // "Köln"
  std::string state;        // "Nordrhein-Westfalen"
  std::string country;      // "Deutschland"
  std::string countryCode;  // "DE" (ISO 3166)
  std::string zone;         // "Europe/Berlin"
  double latitude = 0;      // north positive
  double longitude = 0;     // east positive
};

// False where the program was built without the atlas; the coordinates and
// the zone are then typed by hand.
bool atlasAvailable();

// The places whose German or English name matches `query` (as the atlas
// matches: from the start of a word, case ignored), the most populous first,
// at most `limit` of them.
std::vector<AtlasPlace> findPlaces(std::string_view query, std::size_t limit = 50);

// "Köln, Nordrhein-Westfalen, Deutschland" (parts the atlas lacks left out).
std::string placeLabel(const AtlasPlace& place);

}  // namespace kelvaro::chart
