#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace kelvaro::testing {

// The parts of `text` between the `separator`s; a separator at the end
// closes the last part and starts none.
inline std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

}  // namespace kelvaro::testing
