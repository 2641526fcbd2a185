#include "output/output_lines.h"

#include "output/result_file.h"

namespace kelvaro {
namespace {

constexpr std::string_view kBlankLine = " ";

// Header and first line framed by blank lines; `blankAfterFirst` adds the
// blank line that only the printout has between the first and second line.
ResultText framedLines(const std::string& header, const ResultText& lines, bool blankAfterFirst) {
  ResultText out{kBlankLine, header, kBlankLine, lines.empty() ? "" : lines.front()};
  if (blankAfterFirst) out.push_back(kBlankLine);
  out.reserve(out.text().size() + lines.text().size(), out.size() + lines.size());
  for (std::size_t k = 1; k < lines.size(); ++k) out.push_back(lines[k]);
  return out;
}

}  // namespace

ResultText printedLines(const TransitRecord& record, const ResultText& lines) {
  return framedLines(printHeader(record), lines, true);
}

ResultText printedBodyLines(const ResultText& lines) {
  ResultText out{lines.empty() ? "" : lines.front(), kBlankLine};
  out.reserve(out.text().size() + lines.text().size(), out.size() + lines.size());
  for (std::size_t k = 1; k < lines.size(); ++k) out.push_back(lines[k]);
  return out;
}

ResultText savedLines(const TransitRecord& record, const ResultText& lines) {
  return framedLines(saveHeader(record), lines, false);
}

}  // namespace kelvaro
