#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <vector>

#include "chart/atlas_search.h"
#include "chart/fold_table.h"
#include "chart/place_atlas.h"

// The atlas as files, for a system without Debian's geonames library
// (Windows), exported from it at build time: "places.tsv", one place per
// line with its names folded as the library folds them, and "folding.tsv",
// the folding of a query's characters (chart/fold_table.h).
namespace kelvaro::chart {

inline constexpr const char* kPlacesFile = "places.tsv";
inline constexpr const char* kFoldingFile = "folding.tsv";

struct AtlasFiles {
  std::vector<AtlasPlace> places;
  std::vector<SearchablePlace> names;  // `source` is the place's index in `places`
  FoldTable folding;
};

// The header line of "places.tsv".
void writePlacesHeader(std::ostream& out);
// A place's line, fields parted by tabs: name, state, country, country
// code, zone, latitude, longitude (shortest exact decimals), population,
// then the English and the German folded name: words, ASCII, German ASCII
// as FoldedName holds them (" köln ", " koln ", " koeln "), the German
// name's three empty where it is the English.
void writePlace(std::ostream& out, const AtlasPlace& place, const SearchablePlace& names);

// The places of such lines; false for any other text (`atlas` then holds
// the places up to the faulty line).
bool readPlaces(std::istream& in, AtlasFiles& atlas);

// Both files of the folder; nullopt where one is missing or faulty.
std::optional<AtlasFiles> readAtlasFiles(const std::filesystem::path& folder);

}  // namespace kelvaro::chart
