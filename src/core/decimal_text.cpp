#include "core/decimal_text.h"

#include <array>
#include <charconv>

namespace kelvaro {
namespace {

// Long enough for any double in fixed form with up to 40 decimals.
constexpr std::size_t kLongestText = 360;

std::string written(double value, std::chars_format format, int precision) {
  std::array<char, kLongestText> text{};
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
  if (error != std::errc{}) return {};
  return {text.data(), end};
}

}  // namespace

std::string fixedDecimal(double value, int decimals) {
  return written(value, std::chars_format::fixed, decimals);
}

std::string generalDecimal(double value, int digits) {
  return written(value, std::chars_format::general, digits);
}

}  // namespace kelvaro
