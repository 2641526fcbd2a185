#include "output/csv_text.h"

namespace kelvaro {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void appendField(std::string& out, const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void appendRow(std::string& out, const std::vector<std::string>& row) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) out += ',';
    appendField(out, row[i]);
  }
  out += "\r\n";
}

}  // namespace

std::string csvText(const TextTable& table) {
  std::string out(kByteOrderMark);
  appendRow(out, table.header);
  for (const auto& row : table.rows) appendRow(out, row);
  return out;
}

}  // namespace kelvaro
