#include "core/windows1252_check.h"

#include <string>

#include "core/text_encoding.h"

namespace kelvaro {

std::optional<char32_t> firstCharacterBeyondWindows1252(std::string_view utf8) {
  for (const char32_t c : utf8ToCodePoints(utf8)) {
    std::string one;
    appendUtf8(one, c);
    if (c != U'?' && utf8ToWindows1252(one) == "?") return c;
  }
  return std::nullopt;
}

}  // namespace kelvaro
