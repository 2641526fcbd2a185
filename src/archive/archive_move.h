#pragma once

#include <chrono>
#include <filesystem>

#include "archive/archive_location.h"

namespace kelvaro::archive {

// Where the archive `current` is to be, moved there once from `earlier`:
// with `current` there (or no archive at `earlier`) `current`, its folder
// made. Otherwise the archive at `earlier` is locked against every other
// program (none may be using it: then it stays for this time), copied page
// by page through SQLite into a new file, which must pass the integrity
// check before it takes the name `current`; only then is `earlier` renamed
// aside ("personen.sqlite.verschoben"), never removed. No other program
// opens either file meanwhile. A file at `earlier` that is no archive of
// ours stays where it is and is used there, so that its message is seen.
ArchiveChoice archiveAfterMove(const std::filesystem::path& earlier,
                               const std::filesystem::path& current,
                               std::chrono::milliseconds busyTimeout = std::chrono::seconds(2));

}  // namespace kelvaro::archive
