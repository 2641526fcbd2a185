#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <system_error>

namespace kelvaro {

// The first bytes of a file, read the same way on every system.
struct FileStart {
  std::size_t size = 0;       // bytes read: all that were asked for, or up to the file's end
  std::error_code error;      // why the file could not be opened (generic category: an errno value)
  std::error_code readError;  // why reading stopped before the file's end (a device's failure)
};

// Opens `path` for reading without waiting in the open itself (a named pipe
// that nobody writes into would otherwise hold it for ever; reading such a
// pipe ends at once), refuses a folder (EISDIR) and on Windows anything that
// is not a file on a disk (ENODEV), and fills `bytes` as far as the file
// goes. A read error ends the file too (and is told in `readError`). Nothing
// after `bytes` is read.
FileStart readFileStart(const std::filesystem::path& path, std::span<unsigned char> bytes);

}  // namespace kelvaro
