#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "atlas/atlas_files.h"

// The search of the place atlas: a query's words, folded as the names were,
// looked up in the index of the names' words, then compared with the names
// of the places that hold them all.
namespace kelvaro::atlas {

// Whether one of the names ("köln|koln|koeln", folded, parted by "|") holds
// the words of `phrase` ("frankfurt am main", parted by single blanks) as
// whole words in their order.
bool namesHold(std::string_view names, std::string_view phrase);

// The places whose names hold the words of the folded query
// (" frankfurt am main "), the most populous first (the order of the
// atlas), at most `limit` of them.
std::vector<std::size_t> matchingPlaces(const AtlasFiles& atlas, std::string_view query,
                                        std::size_t limit);

}  // namespace kelvaro::atlas
