#include "chart/place_atlas.h"

#include "chart/atlas_source.h"
#include "core/text_encoding.h"

namespace kelvaro::chart {

bool atlasAvailable() { return atlas_source::available(); }

std::vector<AtlasPlace> findPlaces(std::string_view query, std::size_t limit) {
  if (!atlas_source::available()) return {};
  // The folding needs UTF-8.
  const std::string wanted = atlas_source::foldedWords(showableUtf8(query));
  if (wanted == " ") return {};
  std::vector<AtlasPlace> places;
  for (const SearchablePlace* found : matchingPlaces(atlas_source::names(), wanted, limit)) {
    places.push_back(atlas_source::place(found->source));
  }
  return places;
}

std::string placeLabel(const AtlasPlace& place) {
  std::string label = place.name;
  for (const std::string* part : {&place.state, &place.country}) {
    if (!part->empty() && *part != place.name) label += ", " + *part;
  }
  return label;
}

}  // namespace kelvaro::chart
