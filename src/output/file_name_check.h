#pragma once

#include <optional>
#include <string>

namespace kelvaro {

// A result file name must name a file inside the folder it is saved in, on
// every system: no path separator ("/" or "\"), none of the characters
// Windows forbids in names (< > : " | ? * and control characters), not "."
// or "..". Returns the message that refuses the name, nothing when it is fine.
std::optional<std::string> fileNameRefusal(const std::string& name);

}  // namespace kelvaro
