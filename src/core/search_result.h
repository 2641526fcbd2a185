#pragma once

#include <string>
#include <vector>

namespace kelvaro {

// What an overview or a search shows: the text of the heading label above
// the result list and the lines of the list.
struct SearchResult {
  std::string heading;
  std::vector<std::string> lines;

  friend bool operator==(const SearchResult&, const SearchResult&) = default;
};

}  // namespace kelvaro
