#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// GeoNames' table of places ("cities500.txt": every place of 500
// inhabitants or more), from which the build makes the atlas files.
namespace kelvaro::atlas {

// One line of the table: its fields as GeoNames writes them.
struct GeoNamesPlace {
  std::uint32_t id = 0;                 // geonameid
  std::string name;                     // the name in its own country's script, mostly
  std::string asciiName;                // the same in plain ASCII
  std::vector<std::string> alternates;  // every other name GeoNames knows
  double latitude = 0;                  // north positive
  double longitude = 0;                 // east positive
  std::string countryCode;              // ISO 3166 ("DE")
  std::string admin1;                   // GeoNames' code of the region ("01", "VS")
  unsigned population = 0;
  std::string zone;  // IANA time zone
};

// The place of one line (19 fields parted by tabs); nullopt for a line of
// another form, or without a name, a country or a zone.
std::optional<GeoNamesPlace> geonamesPlace(std::string_view line);

// Every place of the table; the message (German) of the first faulty line
// when there is one.
struct GeoNamesTable {
  std::vector<GeoNamesPlace> places;
  std::optional<std::string> fault;
};
GeoNamesTable readGeoNamesTable(std::istream& in);

}  // namespace kelvaro::atlas
