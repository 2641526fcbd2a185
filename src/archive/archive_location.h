#pragma once

#include <filesystem>

namespace kelvaro::archive {

// The archive of the program folder, where kelvaro-persons and
// kelvaro-make-transit look without --archive: C:\Astro\Kelvaro\personen.sqlite
// on Windows, ~/Astro/Kelvaro/personen.sqlite elsewhere (HOME, or the home
// folder the user database names).
std::filesystem::path defaultArchiveFile();

}  // namespace kelvaro::archive
