#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro::atlas {

// A place of the offline atlas (GeoNames' places of 500 inhabitants or
// more), names in German where the atlas knows them.
struct AtlasPlace {
  std::string name;              // "Köln"
  std::string state;             // "Baden-Württemberg", where it tells places of one name apart
  std::string country;           // "Deutschland"
  std::string countryCode;       // "DE" (ISO 3166)
  std::string zone;              // "Europe/Berlin"
  double latitude = 0;           // north positive
  double longitude = 0;          // east positive
  unsigned population = 0;       // inhabitants
  std::uint32_t geonamesId = 0;  // the place's number at GeoNames
};

// False where the program finds no atlas files; the coordinates and the
// zone are then typed by hand.
bool atlasAvailable();

// The places one of whose names (the German one, GeoNames' own and every
// other name GeoNames knows: "Cologne", "Colonia") holds the words of
// `query` as whole words, in their order ("Frankfurt" finds Frankfurt am Main, "Frank"
// finds nothing), case and accents compared as the atlas compares them
// ("koln" and "koeln" find Köln); the most populous first, at most `limit`
// of them.
std::vector<AtlasPlace> findPlaces(std::string_view query, std::size_t limit = 50);

// "Gengenbach, Deutschland"; "Neustadt, Hessen, Deutschland" where the
// region tells places of one name apart (parts the atlas lacks left out).
std::string placeLabel(const AtlasPlace& place);

}  // namespace kelvaro::atlas
