#include "search/dial_pointer.h"

#include <cmath>
#include <optional>

#include "core/std_ho.h"
#include "search/dial_layout.h"

namespace kelvaro {
namespace {

constexpr int kDialMinutes = 22 * 60 + 30;

constexpr std::size_t kEntryLength = 7;  // "MCr+WIp"

std::optional<std::pair<int, Variant>> factorVariant(std::string_view text) {
  const auto number = lookupFactor(text.substr(0, 2));
  const auto variant = variantFromLetter(static_cast<unsigned char>(text[2]));
  if (!number || !variant) return std::nullopt;
  return std::pair{*number, *variant};
}

}  // namespace

std::vector<std::pair<int, Variant>> factorsOfLine(std::string_view line) {
  std::vector<std::pair<int, Variant>> factors;
  for (std::size_t at = 0; at + kEntryLength <= line.size(); ++at) {
    const std::string_view entry = line.substr(at, kEntryLength);
    if ((at > 0 && line[at - 1] != ' ') || (entry[3] != '+' && entry[3] != '/')) continue;
    const auto a = factorVariant(entry.substr(0, 3));
    const auto b = factorVariant(entry.substr(4, 3));
    if (!a || !b) continue;
    factors.push_back(*a);
    factors.push_back(*b);
    at += kEntryLength - 1;
  }
  return factors;
}

int movePointer(int pointer, int minutes) {
  const int moved = (pointer + minutes) % kPointerSteps;
  return moved < 0 ? moved + kPointerSteps : moved;
}

int pointerAt(double dialValue) {
  const int nearest = truncToInt(std::floor(dialPlace(dialValue) * 60 + 0.5));
  return nearest % kDialMinutes;
}

std::string pointerText(int pointer) { return "Zeiger " + grad3_kurz(pointerAngle(pointer)); }

bool inPointerAxis(double dialValue, int pointer, double orb) {
  return orbHit(dialPlace(pointerAngle(pointer)), dialValue, orb);
}

}  // namespace kelvaro
