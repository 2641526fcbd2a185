#include "core/entry_text.h"

#include "core/text_encoding.h"

namespace kelvaro {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The length of the blank that begins (or ends) `text`; 0 where there is none.
std::size_t blankAtFront(std::string_view text) {
  if (!text.empty() && isBlank(text.front())) return 1;
  return text.starts_with(kNoBreakSpace) ? kNoBreakSpace.size() : 0;
}

std::size_t blankAtBack(std::string_view text) {
  if (!text.empty() && isBlank(text.back())) return 1;
  return text.ends_with(kNoBreakSpace) ? kNoBreakSpace.size() : 0;
}

}  // namespace

std::string_view trimmedOfAnyBlank(std::string_view text) {
  while (const std::size_t blank = blankAtFront(text)) text.remove_prefix(blank);
  while (const std::size_t blank = blankAtBack(text)) text.remove_suffix(blank);
  return text;
}

std::string upperCasedAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

EntryText::EntryText(std::string_view utf8) : chars_(utf8ToCodePoints(utf8)) {}

char32_t EntryText::at(std::size_t position) const {
  return position >= 1 && position <= chars_.size() ? chars_[position - 1] : 0;
}

bool EntryText::isOneOf(std::size_t position, std::u32string_view allowed) const {
  const char32_t c = at(position);
  return c != 0 && allowed.find(c) != std::u32string_view::npos;
}

void EntryText::upperCaseLetters(std::initializer_list<std::size_t> positions) {
  for (std::size_t position : positions) {
    if (position < 1 || position > chars_.size()) continue;
    char32_t& c = chars_[position - 1];
    if (c >= U'a' && c <= U'z') c = c - U'a' + U'A';
  }
}

std::optional<int> EntryText::factorAt(std::size_t position) const {
  const char32_t first = at(position);
  const char32_t second = at(position + 1);
  if (first == 0 || second == 0 || first > 0x7F || second > 0x7F) return std::nullopt;
  const char name[2] = {static_cast<char>(first), static_cast<char>(second)};
  return lookupFactor(std::string_view(name, 2));
}

std::string EntryText::slice(std::size_t first, std::size_t count) const {
  if (first < 1 || first > chars_.size()) return {};
  return codePointsToUtf8(std::u32string_view(chars_).substr(first - 1, count));
}

std::string EntryText::utf8() const { return codePointsToUtf8(chars_); }

}  // namespace kelvaro
