#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace kelvaro {

// Why an existing file is not replaced although the system would allow it.
// Their error codes carry the German message (systemErrorText() shows it).
enum class ReplaceRefusal {
  notAPlainFile = 1,  // a named pipe, a device, a symbolic link …
  writeProtected,     // a file without any write permission
  heldDatabase,       // the persons archive this process has open (see held_files.h)
};
// The name std::error_code looks for.
// NOLINTNEXTLINE(readability-identifier-naming)
std::error_code make_error_code(ReplaceRefusal refusal);

}  // namespace kelvaro

template <>
struct std::is_error_code_enum<kelvaro::ReplaceRefusal> : std::true_type {};

namespace kelvaro {

// What becomes of a file that already has the target's name.
enum class ExistingFile {
  // Replaced by the new content, keeping its permission bits (and its owner,
  // where the system allows). A folder, anything that is no plain file, a
  // file the user may not write, and the open persons archive are refused
  // and stay as they are.
  replace,
  // Kept as it is: the write fails with std::errc::file_exists.
  keep,
};

// Gives `target` the content `bytes` without ever leaving a half-written
// file: the bytes go to a temporary file in the same folder, which is
// flushed to the disk, closed and checked, and only then renamed onto the
// target. After a failure the target is as it was and the temporary file is
// gone; a file-size limit is such a failure too, never the end of the
// program. Returns the system's error, or an empty error_code on success.
std::error_code writeFileContents(const std::filesystem::path& target, std::string_view bytes,
                                  ExistingFile existing);

// Moves the file `from` to `to` in one step, only where no file has that
// name yet (std::errc::file_exists otherwise); both in one folder.
std::error_code moveIfFree(const std::filesystem::path& from, const std::filesystem::path& to);

inline std::error_code replaceFileContents(const std::filesystem::path& target,
                                           std::string_view bytes) {
  return writeFileContents(target, bytes, ExistingFile::replace);
}

}  // namespace kelvaro
