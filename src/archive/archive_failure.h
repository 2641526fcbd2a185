#pragma once

#include <filesystem>
#include <string>

#include "archive/database.h"

namespace kelvaro::archive {

// What stopped the library, as far as the user can do something about it.
enum class FailureKind {
  busy,        // another program writes in the archive
  full,        // no space left on the disk
  readOnly,    // the file, its folder or the disk is write-protected
  cannotOpen,  // a missing folder, missing rights
  damaged,     // not a database, or a damaged one
  disk,        // the disk reports an error
  other,
};
FailureKind failureKind(const DatabaseFailure& failure);

// The German message for a failure of the library on the archive `file`:
// busy, full disk, read-only, damaged, or (in its own words) anything else.
std::string failureMessage(const DatabaseFailure& failure, const std::filesystem::path& file);

// The message for a failure while an existing file is examined: what the
// library cannot place is taken for a damaged file there.
std::string examinationMessage(const DatabaseFailure& failure, const std::filesystem::path& file);

// "Die Datei … ist kein lesbares Personenarchiv …": a damaged file or no
// database at all; with recoveryNote().
std::string damagedMessage(const std::filesystem::path& file);

// Where the archive `file` has backups: where they are and how one comes
// back (" Im Ordner … liegen Sicherungen …"); empty otherwise.
std::string recoveryNote(const std::filesystem::path& file);

}  // namespace kelvaro::archive
