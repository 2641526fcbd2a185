#pragma once

#include <string>

#include "core/result_text.h"

namespace kelvaro {

// What an overview or a search shows: the text of the heading label above
// the result list and the lines of the list, in one text.
struct SearchResult {
  std::string heading;
  ResultText lines;

  friend bool operator==(const SearchResult&, const SearchResult&) = default;
};

}  // namespace kelvaro
