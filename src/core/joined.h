#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvaro {

// One result line made of its parts, with a single allocation of the exact
// size and one copy per part: the searches write thousands of lines a run.
inline std::string joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  std::string line(size, '\0');
  char* out = line.data();
  for (const std::string_view part : parts) out = std::copy(part.begin(), part.end(), out);
  return line;
}

}  // namespace kelvaro
