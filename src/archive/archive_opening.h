#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "archive/archive_failure.h"
#include "archive/database.h"
#include "archive/schema.h"
#include "core/checked.h"

namespace kelvaro::archive {

// The refusal of a database that recognise() found: another program's, a
// newer Kelvaro's, a damaged one. Nothing for an empty database or an archive.
std::optional<std::string> refusalOf(const Recognition& found, const std::filesystem::path& file);

// What the examination of an existing file found.
struct Verdict {
  std::optional<std::string> refusal;  // why the file is not opened; nothing: it may be
  std::optional<FailureKind> failure;  // where the library failed: what stopped it

  // Refused because nothing can be written beside it (no -shm, as on a
  // read-only or full disk): it may still be readable as it is.
  bool unwritable() const {
    return failure == FailureKind::readOnly || failure == FailureKind::full ||
           failure == FailureKind::cannotOpen;
  }
};

// The message for an archive whose file, folder or disk is write-protected.
std::string readOnlyMessage(const std::filesystem::path& file);

// Examines `file` through a read-only connection and refuses it unless it is
// an archive of ours, whole and not newer (or an empty database). A refused
// file is left without a -wal or -shm that the examination made beside it.
Verdict examineExisting(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout,
                        Database::Opening opening);

// Whether a -wal beside `file` holds changes not yet in the file itself.
bool hasLogContent(const std::filesystem::path& file);

// Makes a new, empty archive at `file` in one step: it is built under a
// temporary name beside it and moved there unless another program was
// quicker (then that one's archive is used). Another program therefore
// never sees a half-made archive. Whether this call made it (not another
// program), or the German message why it failed.
Checked<bool> createArchiveFile(const std::filesystem::path& file,
                                std::chrono::milliseconds busyTimeout);

}  // namespace kelvaro::archive
