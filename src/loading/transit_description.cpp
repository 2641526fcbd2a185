#include "loading/transit_description.h"

#include <array>
#include <charconv>
#include <cmath>
#include <sstream>

#include "core/decimal_text.h"
#include "core/text_encoding.h"

namespace kelvaro {
namespace {

// A position's column: its 17 significant digits, padded with blanks.
constexpr std::size_t kPositionWidth = 20;

Rejection lineError(int lineNumber, const std::string& what) {
  return {"Zeile " + std::to_string(lineNumber) + ": " + what};
}

std::string_view nextWord(std::string_view& rest) {
  const auto begin = rest.find_first_not_of(" \t");
  if (begin == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(begin);
  const auto end = std::min(rest.find_first_of(" \t"), rest.size());
  const std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  return word;
}

std::optional<double> parseLongitude(std::string_view word) {
  double value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> factorByExactName(std::string_view name) {
  for (int number = 1; number <= factor::kCount; ++number) {
    if (factorName(number) == name) return number;
  }
  return std::nullopt;
}

bool isTextFieldLine(std::string_view line) {
  return line.size() >= 2 && line[0] == 'S' && line[1] >= '0' && line[1] <= '6' &&
         (line.size() == 2 || line[2] == ' ');
}

}  // namespace

Checked<TransitRecord> parseTransitDescription(std::string_view text) {
  TransitRecord record;
  std::array<bool, kTextFieldCount> haveText{};
  std::array<bool, factor::kCount> haveFactor{};
  int lineNumber = 0;
  while (!text.empty()) {
    const auto lineEnd = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(std::min(lineEnd + 1, text.size()));
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') continue;

    if (isTextFieldLine(line)) {
      const auto field = static_cast<std::size_t>(line[1] - '0');
      if (haveText[field])
        return lineError(lineNumber, std::string(line.substr(0, 2)) + " doppelt");
      const std::string value(line.size() > 3 ? line.substr(3) : std::string_view());
      if (utf8Length(value) > 255) return lineError(lineNumber, "Text länger als 255 Zeichen");
      record.texts[field] = value;
      haveText[field] = true;
      continue;
    }
    std::string_view rest = line;
    const auto number = factorByExactName(nextWord(rest));
    if (!number) return lineError(lineNumber, "unbekannter Faktor oder Textfeld");
    if (haveFactor[static_cast<std::size_t>(*number - 1)]) {
      return lineError(lineNumber, std::string(factorName(*number)) + " doppelt");
    }
    for (Variant v : kVariants) {
      const auto longitude = parseLongitude(nextWord(rest));
      if (!longitude) return lineError(lineNumber, "vier Längen (R P S T) erwartet");
      record.setPosition(v, *number, *longitude);
    }
    if (!nextWord(rest).empty()) return lineError(lineNumber, "mehr als vier Längen");
    haveFactor[static_cast<std::size_t>(*number - 1)] = true;
  }
  for (std::size_t i = 0; i < kTextFieldCount; ++i) {
    if (!haveText[i]) return Rejection{"Textfeld S" + std::to_string(i) + " fehlt"};
  }
  for (int number = 1; number <= factor::kCount; ++number) {
    if (!haveFactor[static_cast<std::size_t>(number - 1)]) {
      return Rejection{"Faktor " + std::string(factorName(number)) + " fehlt"};
    }
  }
  return record;
}

std::string describeTransitRecord(const TransitRecord& record) {
  std::string text;
  for (std::size_t i = 0; i < kTextFieldCount; ++i) {
    text += 'S';
    text += std::to_string(i);
    text += ' ';
    text += record.texts[i];
    text += '\n';
  }
  text += "#   R                    P                    S                    T\n";
  for (int number = 1; number <= factor::kCount; ++number) {
    text += factorName(number);
    for (Variant v : kVariants) {
      const std::string value = generalDecimal(record.position(v, number), 17);
      text += ' ';
      text += value;
      if (value.size() < kPositionWidth) text.append(kPositionWidth - value.size(), ' ');
    }
    while (text.back() == ' ') text.pop_back();
    text += "\n";
  }
  return text;
}

}  // namespace kelvaro
