#include "output/output_lines.h"

#include "output/result_file.h"

namespace kelvaro {
namespace {

const std::string kBlankLine = " ";

// Header and first line framed by blank lines; `blankAfterFirst` adds the
// blank line that only the printout has between the first and second line.
std::vector<std::string> framedLines(const std::string& header,
                                     const std::vector<std::string>& lines, bool blankAfterFirst) {
  std::vector<std::string> out{kBlankLine, header, kBlankLine, lines.empty() ? "" : lines.front()};
  if (blankAfterFirst) out.push_back(kBlankLine);
  if (lines.size() > 1) out.insert(out.end(), lines.begin() + 1, lines.end());
  return out;
}

}  // namespace

std::vector<std::string> printedLines(const TransitRecord& record,
                                      const std::vector<std::string>& lines) {
  return framedLines(printHeader(record), lines, true);
}

std::vector<std::string> savedLines(const TransitRecord& record,
                                    const std::vector<std::string>& lines) {
  return framedLines(saveHeader(record), lines, false);
}

}  // namespace kelvaro
