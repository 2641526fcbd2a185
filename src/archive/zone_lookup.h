#pragma once

#include <string_view>

#include "chart/time_zone.h"
#include "core/checked.h"

namespace kelvaro::archive {

// chart::TimeZone::parse, remembered by name: reading a zone reads its file
// from the disk, and an import of thousands of persons names a few zones
// thousands of times.
Checked<chart::TimeZone> zoneNamed(std::string_view name);

// Whether a person's zone is a fixed offset ("+01:00") rather than a name.
inline bool isFixedOffset(std::string_view zone) {
  return zone.starts_with('+') || zone.starts_with('-');
}

}  // namespace kelvaro::archive
