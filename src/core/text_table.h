#pragma once

#include <string>
#include <vector>

namespace kelvaro {

// A list as a table of texts, one header row and a row per entry, for the
// files a spreadsheet reads (output/csv_text.h). The rows have the header's
// number of fields.
struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;

  friend bool operator==(const TextTable&, const TextTable&) = default;
};

}  // namespace kelvaro
