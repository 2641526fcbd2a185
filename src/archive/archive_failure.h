#pragma once

#include <filesystem>
#include <string>

#include "archive/database.h"

namespace kelvaro::archive {

// The German message for a failure of the library on the archive `file`:
// busy, full disk, read-only, damaged, or (in its own words) anything else.
std::string failureMessage(const DatabaseFailure& failure, const std::filesystem::path& file);

// "Die Datei … ist kein lesbares Personenarchiv …": a damaged file or no
// database at all.
std::string damagedMessage(const std::filesystem::path& file);

}  // namespace kelvaro::archive
