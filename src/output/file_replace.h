#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kelvaro {

// Gives `target` the content `bytes` without ever leaving a half-written
// file: the bytes go to a temporary file in the same folder, which is
// flushed to the disk, closed and checked, and only then renamed over the
// target. After a failure the target is as it was and the temporary file is
// gone. Returns the system's error, or an empty error_code on success.
std::error_code replaceFileContents(const std::filesystem::path& target, std::string_view bytes);

}  // namespace kelvaro
