#include "core/keywords.h"

#include <utility>

#include "core/checked.h"
#include "core/entry_text.h"
#include "core/factor.h"
#include "core/text_encoding.h"

namespace kelvaro {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kQuotedLength = 40;  // characters of a line quoted in a problem

// One side of a key as written: a factor (op ' ') or two with their operator.
struct TermKey {
  char op = ' ';
  int first = 0;
  int second = 0;
};

// "SO/MO" in the written order.
std::string shown(const TermKey& term) {
  std::string text(factorName(term.first));
  if (term.op == ' ') return text;
  text += term.op;
  text += factorName(term.second);
  return text;
}

// The same text for every order in which a pair with '/' or '+' is written.
std::string canonical(TermKey term) {
  if ((term.op == '/' || term.op == '+') && term.first > term.second)
    std::swap(term.first, term.second);
  return shown(term);
}

TermKey termKeyOf(const PictureTerm& term) {
  return {termOperator(term.kind), term.first.factor, term.second.factor};
}

std::string pictureKey(const std::string& left, const std::string& right) {
  return right < left ? right + "=" + left : left + "=" + right;
}

Checked<int> readFactor(std::string_view text) {
  const std::string name = upperCasedAscii(text);
  if (name.empty()) return Rejection{"Faktor fehlt"};
  if (name.size() == 2) {
    if (const auto number = lookupFactor(name)) return *number;
  }
  if (name.size() == 3 && lookupFactor(name.substr(0, 2)) &&
      variantFromLetterAnyCase(static_cast<unsigned char>(name[2]))) {
    return Rejection{std::string(text) + ": Faktoren ohne r, p, s oder t"};
  }
  return Rejection{"unbekannter Faktor " + std::string(text)};
}

Checked<TermKey> readTerm(std::string_view text) {
  const auto written = splitWrittenTerm(text);
  if (!written) return Rejection{"mehr als zwei Faktoren in " + std::string(trimmed(text))};
  const auto first = readFactor(written->first);
  if (const Rejection* refused = rejection(first)) return *refused;
  if (written->op == ' ') return TermKey{' ', std::get<int>(first), 0};
  const auto second = readFactor(written->second);
  if (const Rejection* refused = rejection(second)) return *refused;
  return TermKey{written->op, std::get<int>(first), std::get<int>(second)};
}

struct LineEntry {
  std::string key;    // the same for every spelling
  std::string shown;  // as written, factor names in upper case
  std::string words;
};

// A line that is no comment: the key before the last '=', the words after it.
Checked<LineEntry> readEntry(std::string_view line) {
  const std::size_t last = line.rfind('=');
  if (last == std::string_view::npos) return Rejection{"kein „=“ vor den Stichworten"};
  const std::string_view keyText = line.substr(0, last);
  const std::string words(trimmed(line.substr(last + 1)));

  const std::size_t sides = keyText.find('=');
  if (sides == std::string_view::npos) {
    const auto term = readTerm(keyText);
    if (const Rejection* refused = rejection(term)) return *refused;
    if (words.empty()) return Rejection{"keine Stichworte nach „=“"};
    if (!rejection(readTerm(words))) return Rejection{"Bild ohne Stichworte"};
    const auto& key = std::get<TermKey>(term);
    return LineEntry{canonical(key), shown(key), words};
  }

  const auto left = readTerm(keyText.substr(0, sides));
  if (const Rejection* refused = rejection(left)) return *refused;
  const auto right = readTerm(keyText.substr(sides + 1));
  if (const Rejection* refused = rejection(right)) {
    return Rejection{refused->message + "; die Stichworte beginnen nach dem letzten „=“"};
  }
  if (words.empty()) return Rejection{"keine Stichworte nach „=“"};
  const auto& leftKey = std::get<TermKey>(left);
  const auto& rightKey = std::get<TermKey>(right);
  return LineEntry{pictureKey(canonical(leftKey), canonical(rightKey)),
                   shown(leftKey) + " = " + shown(rightKey), words};
}

std::string quotedLine(std::string_view line) {
  const std::string_view text = trimmed(line);
  if (utf8Length(text) <= kQuotedLength) return "„" + std::string(text) + "“";
  return "„" + utf8Left(text, kQuotedLength) + "…“";
}

std::string lineLabel(std::size_t number) { return "Zeile " + std::to_string(number) + ": "; }

}  // namespace

Keywords Keywords::read(std::string_view fileText) {
  if (fileText.starts_with(kByteOrderMark)) fileText.remove_prefix(kByteOrderMark.size());
  Keywords keywords;
  std::size_t number = 0;
  for (std::size_t start = 0; start <= fileText.size(); ++number) {
    std::size_t end = fileText.find('\n', start);
    if (end == std::string_view::npos) end = fileText.size();
    std::string_view bytes = fileText.substr(start, end - start);
    start = end + 1;
    if (bytes.ends_with('\r')) bytes.remove_suffix(1);
    // Line by line, so that a file saved by editors of both kinds reads whole.
    const std::string line = isUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);

    const std::string_view content = trimmed(line);
    if (content.empty() || content.starts_with('#')) continue;
    const std::size_t lineNumber = number + 1;
    auto entry = readEntry(line);
    if (const Rejection* refused = rejection(entry)) {
      keywords.problems_.push_back({lineNumber, lineLabel(lineNumber) + quotedLine(line) +
                                                    " nicht verstanden (" + refused->message +
                                                    ")"});
      continue;
    }
    auto& [key, shownKey, words] = std::get<LineEntry>(entry);
    auto [it, added] = keywords.entries_.try_emplace(key, Entry{words, lineNumber});
    if (!added) {
      keywords.problems_.push_back(
          {lineNumber, lineLabel(lineNumber) + shownKey + " steht schon in Zeile " +
                           std::to_string(it->second.line) + "; die spätere gilt"});
      it->second = {std::move(words), lineNumber};
    }
  }
  return keywords;
}

const Keywords::Entry* Keywords::find(const std::string& key) const {
  const auto it = entries_.find(key);
  return it == entries_.end() ? nullptr : &it->second;
}

std::optional<std::string> Keywords::ofFactor(int factorNumber) const {
  if (factorNumber < 1 || factorNumber > factor::kCount) return std::nullopt;
  const Entry* entry = find(std::string(factorName(factorNumber)));
  if (entry == nullptr) return std::nullopt;
  return entry->words;
}

std::string Keywords::ofTerm(const PictureTerm& term) const {
  if (term.kind == PictureTerm::Kind::angle) return {};
  if (const Entry* own = find(canonical(termKeyOf(term)))) return own->words;
  if (term.kind == PictureTerm::Kind::factor) return {};
  std::string text;
  for (const int number : {term.first.factor, term.second.factor}) {
    const auto words = ofFactor(number);
    if (!words) continue;
    const std::string part = std::string(factorName(number)) + ": " + *words;
    if (text == part) continue;  // the same factor twice, "SOr/SOt"
    if (!text.empty()) text += "; ";
    text += part;
  }
  return text;
}

std::string Keywords::ofPicture(const Picture& picture) const {
  const bool angles = picture.left.kind == PictureTerm::Kind::angle ||
                      picture.right.kind == PictureTerm::Kind::angle;
  if (!angles) {
    const std::string key =
        pictureKey(canonical(termKeyOf(picture.left)), canonical(termKeyOf(picture.right)));
    if (const Entry* own = find(key)) return own->words;
  }
  std::string text;
  std::string previous;  // the canonical key of the side before
  for (const PictureTerm* side : {&picture.left, &picture.right}) {
    if (side->kind == PictureTerm::Kind::angle) continue;
    const TermKey key = termKeyOf(*side);
    // Two sides of the same factors ("SOr/MOr = SOt/MOt") name their words once.
    std::string sideKey = canonical(key);
    if (sideKey == previous) continue;
    previous = std::move(sideKey);
    std::string part;
    if (const Entry* own = find(canonical(key))) {
      part = shown(key) + ": " + own->words;
    } else {
      part = ofTerm(*side);
    }
    if (part.empty()) continue;
    if (!text.empty()) text += " | ";
    text += part;
  }
  return text;
}

}  // namespace kelvaro
