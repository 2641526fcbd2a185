#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/factor.h"

namespace kelvaro {

// The text without the blanks and tabs at either end.
std::string_view trimmed(std::string_view text);

// The text without the blanks of every kind at either end: spaces, tabs,
// line ends, vertical tabs, form feeds and no-break spaces (UTF-8), which
// all look like nothing in an entry field.
std::string_view trimmedOfAnyBlank(std::string_view text);

// '0' to '9'.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The letters a–z upper-cased; every other byte stays.
std::string upperCasedAscii(std::string_view text);

// The text of an entry field, read by character position as every entry of
// the searches is ("KN+JU": name at 1–2, operator at 3, name at 4–5).
// Positions are 1-based, as the entries are described.
class EntryText {
 public:
  explicit EntryText(std::string_view utf8);

  std::size_t length() const { return chars_.size(); }
  // The character at a 1-based position; 0 when the text is shorter.
  char32_t at(std::size_t position) const;
  bool isOneOf(std::size_t position, std::u32string_view allowed) const;

  // Upper-cases the letters a–z at the given positions; other characters stay.
  void upperCaseLetters(std::initializer_list<std::size_t> positions);

  // Looks up the two characters at position and position + 1 in the factor
  // table (numbers 1–23, exact comparison).
  std::optional<int> factorAt(std::size_t position) const;

  // Characters [first, first + count) as UTF-8.
  std::string slice(std::size_t first, std::size_t count) const;
  std::string utf8() const;

 private:
  std::u32string chars_;
};

}  // namespace kelvaro
