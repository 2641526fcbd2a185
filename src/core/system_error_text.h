#pragma once

#include <string>
#include <system_error>

namespace kelvaro {

// The German text of a system error that opening, reading or saving a file
// can meet (no such file, not a folder, a folder, no permission, disk full,
// read-only file system, too many symbolic links, name too long, file too
// large, file exists, quota exceeded, input/output error, no such device);
// any other error keeps the system's own text.
std::string systemErrorText(int error);
std::string systemErrorText(const std::error_code& error);

}  // namespace kelvaro
