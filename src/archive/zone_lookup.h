#pragma once

#include <string_view>

#include "chart/time_zone.h"
#include "core/checked.h"

namespace kelvaro::archive {

// chart::TimeZone::parse, remembered by name: reading a zone reads its file
// from the disk, and an import of thousands of persons names a few zones
// thousands of times.
Checked<chart::TimeZone> zoneNamed(std::string_view name);

}  // namespace kelvaro::archive
