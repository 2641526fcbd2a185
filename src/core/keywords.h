#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/picture.h"

// The astrologer's keywords ("Stichworte"): a UTF-8 text file of lines
//
//   KEY = words
//
// KEY is a factor ("SO"), a pair ("SO/MO", "SO+MO", "SO-MO") or a picture
// ("SO = MA/SA", "KN+JU = MO/SA"), without variant letters; factor names are
// read in any case and blanks around the parts do not count. The words start
// after the LAST "=" of the line, so "SO = Lebenskraft", "SO=MA/SA =
// Kraftprobe" and "SO = MA/SA = Kraftprobe" all read as meant, and a
// mistyped picture key is reported instead of turning into words of a
// factor; the words themselves hold no "=".
//
// Pairs with '/' and '+' are the same in either order, pairs with '-' are
// not; a picture is the same with its sides swapped. Blank lines and lines
// starting with '#' are comments. A line that is no UTF-8 is read as
// Windows-1252, a byte order mark is skipped, CR LF and LF both end lines.
namespace kelvaro {

inline constexpr std::string_view kKeywordsFileName = "Stichworte.txt";

// A line that did not count or was overridden. The message is the whole
// German text, "Zeile 7: …".
struct KeywordProblem {
  std::size_t line = 0;  // 1-based
  std::string message;
  friend bool operator==(const KeywordProblem&, const KeywordProblem&) = default;
};

class Keywords {
 public:
  // Never fails: lines that cannot be read are reported and skipped; a key
  // given twice takes the later line's words, and the later line is reported.
  static Keywords read(std::string_view fileText);

  const std::vector<KeywordProblem>& problems() const { return problems_; }
  bool empty() const { return entries_.empty(); }

  // The words of factor 1–24 (in every variant), if any.
  std::optional<std::string> ofFactor(int factorNumber) const;
  // The words of a side: its own entry as it is; for a pair without one, its
  // factors' words labelled, "SO: …; MO: …" (those that have words); empty
  // for an angle or when nothing is known.
  std::string ofTerm(const PictureTerm& term) const;
  // The picture's own entry as it is; else the sides that have words, each
  // labelled, "SO: … | MA/SA: …" or "SO: … | MA: …; SA: …", two sides of the
  // same factors once; empty when nothing is known.
  std::string ofPicture(const Picture& picture) const;

 private:
  struct Entry {
    std::string words;
    std::size_t line = 0;
  };
  const Entry* find(const std::string& key) const;

  std::map<std::string, Entry> entries_;  // by a key the same for every spelling
  std::vector<KeywordProblem> problems_;
};

// The keywords Kelvaro ships: a comment header on the format with examples,
// and one line for each factor MC … PO.
std::string_view shippedKeywords();

}  // namespace kelvaro
