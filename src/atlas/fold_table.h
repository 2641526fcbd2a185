#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kelvaro::atlas {

// How the atlas folds the characters of a query where the Unicode library
// that folded its names is not at hand (Windows): the characters that belong
// to words, each with its folded form, taken from that library at build
// time. A query is folded character by character; the library folds a word
// at once, which differs only where characters combine (a letter followed
// by a separate accent, say), which typed text does not have.
class FoldTable {
 public:
  // Adds a character that belongs to words, with its folded form;
  // characters are added in ascending order.
  void addWordCharacter(char32_t character, std::string_view folded);

  // The words of a UTF-8 text, each folded and between blanks
  // (" frankfurt am main "); characters not in the table part words.
  std::string foldedWords(std::string_view utf8) const;

  bool empty() const { return runs_.empty() && folds_.empty(); }

  // A header line, then one line per run of characters that fold to
  // themselves ("4E00-9FFF") and one per character that folds to another
  // text ("00C4<TAB>ä"), code points in hexadecimal.
  void write(std::ostream& out) const;
  // The table of such lines; nullopt for any other text.
  static std::optional<FoldTable> read(std::istream& in);

 private:
  // The folded form of a word character, appended to `word`; false for
  // any other character.
  bool appendFolded(char32_t character, std::string& word) const;

  // Ascending runs (first, last) of word characters that fold to themselves.
  std::vector<std::pair<char32_t, char32_t>> runs_;
  std::unordered_map<char32_t, std::string> folds_;  // the other word characters
};

}  // namespace kelvaro::atlas
