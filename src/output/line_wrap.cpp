#include "output/line_wrap.h"

#include <algorithm>

#include "core/text_encoding.h"

namespace kelvaro {

std::vector<std::string> wrapLine(std::string_view line, std::size_t width, std::size_t indent) {
  std::u32string rest = utf8ToCodePoints(line);
  if (width == 0 || rest.size() <= width) return {std::string(line)};
  rest.erase(rest.find_last_not_of(U' ') + 1);
  if (indent >= width) indent = 0;

  std::vector<std::string> pieces{codePointsToUtf8(std::u32string_view(rest).substr(0, width))};
  const std::string blanks(indent, ' ');
  for (std::size_t start = width; start < rest.size(); start += width - indent) {
    pieces.push_back(blanks +
                     codePointsToUtf8(std::u32string_view(rest).substr(start, width - indent)));
  }
  return pieces;
}

}  // namespace kelvaro
