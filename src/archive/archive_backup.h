#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/checked.h"

namespace kelvaro::archive {

class Database;

// How many backups of an archive are kept; the oldest beyond go.
inline constexpr std::size_t kKeptBackups = 10;

// A backup of the archive: a copy in the folder Sicherungen beside it, named
// after the archive and the local time it was made
// ("personen-2026-12-09-165100.sqlite").
struct Backup {
  std::filesystem::path file;
  std::string day;                   // "2026-12-09"
  std::string taken;                 // "09.12.2026 16:51:00"
  std::optional<long long> persons;  // nothing where the copy cannot be read
};

// The folder of the backups of `archiveFile`: "Sicherungen" beside it.
std::filesystem::path backupFolder(const std::filesystem::path& archiveFile);

// The backups of `archiveFile`, the newest first, with their persons counted.
std::vector<Backup> backupsOf(const std::filesystem::path& archiveFile);
// How many backups of `archiveFile` there are (read from their names only).
std::size_t backupCount(const std::filesystem::path& archiveFile);

// Today's date, local time, as a backup names it ("2026-12-09").
std::string backupDay();
// Whether a backup of `archiveFile` was made on `day`.
bool hasBackupOfDay(const std::filesystem::path& archiveFile, const std::string& day);

// Copies the archive of `database` (the file `archiveFile`) with SQLite's
// backup API into a new backup: under a temporary name, then moved to its
// own, so that a backup is whole or not there. The oldest beyond
// kKeptBackups are removed. The new backup's file, or the German message why
// none was made.
Checked<std::filesystem::path> writeBackup(Database& database,
                                           const std::filesystem::path& archiveFile);

}  // namespace kelvaro::archive
