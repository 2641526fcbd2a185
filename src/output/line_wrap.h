#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// Blanks in front of the continuation of a wrapped line.
inline constexpr std::size_t kContinuationIndent = 4;

// A line as it fits a page `width` characters wide: unchanged when it fits,
// else cut at the width, every continuation after `indent` blanks so that
// the reader sees it belongs to the line above. Blanks at the end of the
// line that would start a continuation of their own show nothing and are
// left out. Widths count characters (UTF-8).
std::vector<std::string> wrapLine(std::string_view line, std::size_t width,
                                  std::size_t indent = kContinuationIndent);

}  // namespace kelvaro
