#include "atlas/fold_table.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/text_encoding.h"

namespace kelvaro::atlas {
namespace {

constexpr std::string_view kHeader = "# kelvaro folding 1";
constexpr char32_t kLastCodePoint = 0x10FFFF;

std::string hex(char32_t codePoint) {
  char text[16];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(codePoint));
  return text;
}

std::optional<char32_t> codePointOf(std::string_view text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty() ||
      value > kLastCodePoint) {
    return std::nullopt;
  }
  return static_cast<char32_t>(value);
}

}  // namespace

void FoldTable::addWordCharacter(char32_t character, std::string_view folded) {
  std::string itself;
  appendUtf8(itself, character);
  if (folded != itself) {
    folds_.emplace(character, folded);
  } else if (!runs_.empty() && runs_.back().second + 1 == character) {
    runs_.back().second = character;
  } else {
    runs_.emplace_back(character, character);
  }
}

bool FoldTable::appendFolded(char32_t character, std::string& word) const {
  const auto run = std::upper_bound(
      runs_.begin(), runs_.end(), character,
      [](char32_t wanted, const std::pair<char32_t, char32_t>& r) { return wanted < r.first; });
  if (run != runs_.begin() && character <= std::prev(run)->second) {
    appendUtf8(word, character);
    return true;
  }
  const auto folded = folds_.find(character);
  if (folded == folds_.end()) return false;
  word += folded->second;
  return true;
}

std::string FoldTable::foldedWords(std::string_view utf8) const {
  std::string words = " ";
  std::string word;
  for (const char32_t character : utf8ToCodePoints(utf8)) {
    if (appendFolded(character, word)) continue;
    if (!word.empty()) words += word + " ";
    word.clear();
  }
  if (!word.empty()) words += word + " ";
  return words;
}

void FoldTable::write(std::ostream& out) const {
  out << kHeader << '\n';
  for (const auto& [first, last] : runs_) out << hex(first) << '-' << hex(last) << '\n';
  std::vector<std::pair<char32_t, std::string>> folds(folds_.begin(), folds_.end());
  std::sort(folds.begin(), folds.end());
  for (const auto& [character, folded] : folds) out << hex(character) << '\t' << folded << '\n';
}

std::optional<FoldTable> FoldTable::read(std::istream& in) {
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return std::nullopt;
  FoldTable table;
  while (std::getline(in, line)) {
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos) {
      const auto character = codePointOf(std::string_view(line).substr(0, tab));
      if (!character) return std::nullopt;
      table.folds_.emplace(*character, line.substr(tab + 1));
      continue;
    }
    const std::size_t dash = line.find('-');
    if (dash == std::string::npos) return std::nullopt;
    const auto first = codePointOf(std::string_view(line).substr(0, dash));
    const auto last = codePointOf(std::string_view(line).substr(dash + 1));
    // Runs must ascend without overlap, for the search by halves.
    if (!first || !last || *last < *first ||
        (!table.runs_.empty() && *first <= table.runs_.back().second)) {
      return std::nullopt;
    }
    table.runs_.emplace_back(*first, *last);
  }
  return table;
}

}  // namespace kelvaro::atlas
