#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "chart/atlas_search.h"
#include "chart/place_atlas.h"

// The places of the atlas the program is built with: Debian's geonames
// library where the build has it (atlas_source_geonames.cpp), else the
// files exported from it at build time (atlas_source_files.cpp; Windows).
namespace kelvaro::chart::atlas_source {

// False where there are no places (no library, no files).
bool available();

// A query's words, folded as the names were (" frankfurt am main ").
std::string foldedWords(std::string_view utf8);

// Every place's names, folded once for all searches.
const std::vector<SearchablePlace>& names();

// The place of a SearchablePlace's `source`.
AtlasPlace place(std::size_t source);

}  // namespace kelvaro::chart::atlas_source
