#pragma once

#include <optional>
#include <string>

#include "core/line_factors.h"
#include "core/result_text.h"
#include "core/text_table.h"

namespace kelvaro {

// What an overview or a search shows: the text of the heading label above
// the result list and the lines of the list, in one text, with the factor
// variants each line names (searches that fill them say so).
struct SearchResult {
  std::string heading;
  ResultText lines;
  LineFactors factors = {};  // none unless the search fills them
  // Where the lines are rows of equal entries (as the angle search's are),
  // where each entry stands.
  std::optional<EntryColumns> entries = {};
  // The lines as a table for spreadsheets, where the result has one (the
  // transit calendar).
  std::optional<TextTable> table = {};

  friend bool operator==(const SearchResult&, const SearchResult&) = default;
};

}  // namespace kelvaro
