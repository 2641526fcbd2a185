#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/checked.h"

namespace kelvaro::archive {

// The largest AAF file Kelvaro reads: 50 MB, some hundred thousand persons.
inline constexpr std::uintmax_t kAafFileLimit = std::uintmax_t{50} * 1024 * 1024;

// The bytes of an AAF file. What stat() tells is checked before the file is
// opened: a folder, a named pipe, a device and a file over kAafFileLimit are
// refused, so nothing waits for a writer or reads for ever. The file is
// opened without blocking and read up to the limit; a read error is reported.
// Every refusal is a German message naming the file.
Checked<std::string> readAafFile(const std::filesystem::path& file);

}  // namespace kelvaro::archive
