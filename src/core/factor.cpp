#include "core/factor.h"

namespace kelvaro {
namespace {

constexpr std::array<std::string_view, factor::kCount> kNames = {
    "MC", "WI", "SO", "AS", "MO", "KN", "ME", "VE", "MA", "JU", "SA", "UR",
    "NE", "PL", "CU", "HA", "ZE", "KR", "AP", "AD", "VU", "PO", "GZ", "Du"};

}  // namespace

std::optional<Variant> variantFromLetter(char32_t letter) {
  switch (letter) {
    case U'r':
      return Variant::r;
    case U'p':
      return Variant::p;
    case U's':
      return Variant::s;
    case U't':
      return Variant::t;
    default:
      return std::nullopt;
  }
}

std::optional<Variant> variantFromLetterAnyCase(char32_t letter) {
  if (letter >= U'A' && letter <= U'Z') letter = letter - U'A' + U'a';
  return variantFromLetter(letter);
}

std::string_view factorName(int number) { return kNames.at(static_cast<size_t>(number - 1)); }

std::optional<int> lookupFactor(std::string_view twoCharacters) {
  for (int number = 1; number <= factor::kLastByName; ++number) {
    if (factorName(number) == twoCharacters) return number;
  }
  return std::nullopt;
}

std::string factorVariantName(int number, Variant v) {
  std::string text(factorName(number));
  text += variantLetter(v);
  return text;
}

}  // namespace kelvaro
