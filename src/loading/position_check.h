#pragma once

#include <string>

#include "core/transit_record.h"

namespace kelvaro {

// A real transit file holds only longitudes in [0°, 360°). A file of some
// other kind (a text, a picture) that happens to be long enough gives
// positions outside that range for factors 1 to 22 in the four horoscopes.
bool hasPositionsOutsideCircle(const TransitRecord& record);

// The question the window asks before it loads such a file; kelvaro-cli
// writes the same sentence as a warning. `path` is UTF-8, cut to 255
// characters as in the other messages of loading.
std::string outsidePositionsQuestion(const std::string& path);

}  // namespace kelvaro
