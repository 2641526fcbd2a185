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
  unsigned population = 0;  // inhabitants
};

// False where the program has no atlas (neither Debian's geonames library
// nor the atlas files); the coordinates and the zone are then typed by hand.
bool atlasAvailable();

// The places whose German or English name holds the words of `query` as
// whole words, in their order ("Frankfurt" finds Frankfurt am Main, "Frank"
// finds nothing), case and accents compared as the atlas compares them
// ("koln" and "koeln" find Köln); the most populous first, at most `limit`
// of them.
std::vector<AtlasPlace> findPlaces(std::string_view query, std::size_t limit = 50);

// "Köln, Nordrhein-Westfalen, Deutschland" (parts the atlas lacks left out).
std::string placeLabel(const AtlasPlace& place);

}  // namespace kelvaro::chart
