#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/atlas_files.h"
#include "atlas/geonames_places.h"
#include "atlas/iso_names.h"

// GeoNames' places made into the entries of the atlas files: German names
// where they are known, the country's German name, the region where it
// tells places of one name apart, every name folded for the search, the
// most populous first.
namespace kelvaro::atlas {

// A place of Debian's geonames library (about 24,000 towns), with its
// German name where the library has one.
struct LibraryPlace {
  std::uint32_t id = 0;     // GeoNames' number when the library was made
  std::string countryCode;  // "DE"
  std::string englishName;  // GeoNames' name then
  std::string germanName;
  double latitude = 0;
  double longitude = 0;
};

// The German names Debian's geonames library gives: of its places, of
// regions keyed "DE.01" (country code and GeoNames' region code), of
// countries keyed "DE".
struct LibraryNames {
  std::vector<LibraryPlace> places;
  std::map<std::string, std::string> regions;
  std::map<std::string, std::string> countries;
};

// A name's folded forms as the search compares them: its words folded and
// parted by single blanks ("köln"), and the same in ASCII by English and by
// German rules ("koln", "koeln"); forms that repeat one before may be left
// out.
using NameFolding = std::function<std::vector<std::string>(std::string_view name)>;

// The entries of the places, the most populous first (of equal ones, the
// lower GeoNames number first).
std::vector<AtlasEntry> atlasEntries(const std::vector<GeoNamesPlace>& places,
                                     const LibraryNames& library, const IsoNames& iso,
                                     const NameFolding& fold);

}  // namespace kelvaro::atlas
