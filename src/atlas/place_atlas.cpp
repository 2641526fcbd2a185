#include "atlas/place_atlas.h"

#include "atlas/atlas_search.h"
#include "atlas/atlas_source.h"
#include "core/text_encoding.h"

namespace kelvaro::atlas {

bool atlasAvailable() { return sharedAtlas() != nullptr; }

std::vector<AtlasPlace> findPlaces(std::string_view query, std::size_t limit) {
  const AtlasFiles* atlas = sharedAtlas();
  if (atlas == nullptr) return {};
  // The folding needs UTF-8.
  const std::string wanted = atlas->folding().foldedWords(showableUtf8(query));
  std::vector<AtlasPlace> places;
  for (const std::size_t found : matchingPlaces(*atlas, wanted, limit)) {
    places.push_back(atlas->place(found));
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

}  // namespace kelvaro::atlas
