#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Lines are UTF-8 inside the program; the record's text fields and the saved
// result files are Windows-1252. These helpers convert at those borders and
// count characters (not bytes) wherever a line is measured or cut.
namespace kelvaro {

// Longest text of a message or a header line that is cut, in characters.
inline constexpr std::size_t kLineLimit = 255;

// Every byte maps to one character; the bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of that number.
std::string windows1252ToUtf8(std::string_view bytes);

// Characters Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string utf8ToWindows1252(std::string_view utf8);
// The same for lines ended by "\n", appended to `out` with CR LF line ends.
void appendWindows1252Lines(std::string& out, std::string_view utf8Lines);

// Decodes UTF-8; a malformed sequence yields U+FFFD and resumes at the next byte.
std::u32string utf8ToCodePoints(std::string_view utf8);
std::string codePointsToUtf8(std::u32string_view codePoints);
// The text with every malformed UTF-8 sequence replaced by U+FFFD, as it can
// be shown (the bytes of a file name, say, that are no UTF-8).
std::string showableUtf8(std::string_view utf8);
void appendUtf8(std::string& out, char32_t codePoint);
// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points beyond U+10FFFF).
bool isUtf8(std::string_view bytes);

// Number of characters (code points) of a UTF-8 string.
std::size_t utf8Length(std::string_view utf8);

// The first n characters of a UTF-8 string (the whole string when shorter).
std::string utf8Left(std::string_view utf8, std::size_t n);

// Up to n characters starting at character `first` (0-based).
std::string utf8Mid(std::string_view utf8, std::size_t first, std::size_t n);

// File system paths from and to UTF-8 text, on every system.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace kelvaro
