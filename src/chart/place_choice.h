#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "atlas/place_atlas.h"
#include "core/checked.h"

namespace kelvaro::chart {

// The atlas place that a name given on the command line stands for, never a
// guess. `found` are the atlas's places of that name, the most populous
// first; a non-empty `countryCode` ("DE", any case) keeps only that
// country's. One place left is taken; of several, the first only when it has
// at least ten times the inhabitants of the next. Where the first is named
// as written (any case), only places of that same name count as the next:
// "Hamburg" is Hamburg, though its districts carry the name among their
// others. Otherwise the refusal lists up to ten of them with country and
// inhabitants.
Checked<atlas::AtlasPlace> chooseAtlasPlace(std::string_view name,
                                            std::vector<atlas::AtlasPlace> found,
                                            std::string_view countryCode);

// "Köln, Nordrhein-Westfalen, Deutschland, 50°56' N, 06°57' O, Europe/Berlin"
std::string placeDescription(const atlas::AtlasPlace& place);

}  // namespace kelvaro::chart
