#pragma once

#include <optional>
#include <string_view>

namespace kelvaro {

// The first character of a UTF-8 text that Windows-1252 cannot hold (the
// transit file's text fields, an AAF file for other programs), if any.
std::optional<char32_t> firstCharacterBeyondWindows1252(std::string_view utf8);

}  // namespace kelvaro
