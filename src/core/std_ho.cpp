#include "core/std_ho.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <string_view>

namespace kelvaro {
namespace {

constexpr std::string_view kZodiac = "  WIDSTIZWIKRELOEJUNWAASKOSCHSTEWASFIS";

double frac(double x) { return x - std::trunc(x); }

// The decimal digits of v taken as an unsigned 16-bit number, last digit
// first; none for 0.
struct Digits {
  std::array<char, 5> reversed{};  // 65535 has five digits
  std::size_t count = 0;
};

Digits digitsOf(std::int64_t v) {
  Digits digits;
  for (auto rest = static_cast<std::uint16_t>(v); rest != 0; rest /= 10) {
    digits.reversed[digits.count++] = static_cast<char>('0' + rest % 10);
  }
  return digits;
}

// Zeros in front of the digits up to the width.
std::size_t paddingOf(const Digits& digits, int width) {
  return width > static_cast<int>(digits.count) ? static_cast<std::size_t>(width) - digits.count
                                                : 0;
}

// Writes the digits behind their padding (which the caller has filled with
// zeros) and returns the position after them.
char* writeDigits(char* out, const Digits& digits, std::size_t padding) {
  out += padding;
  for (std::size_t k = digits.count; k > 0; --k) *out++ = digits.reversed[k - 1];
  return out;
}

// "DD°MM'", made in one string of the final length: the searches write
// thousands of these per run, so no intermediate strings are built.
std::string degreesAndMinutes(bool negative, std::int64_t degrees, int degreeWidth,
                              std::int64_t minutes) {
  constexpr std::string_view kDegreeSign = "°";
  const Digits degreeDigits = digitsOf(degrees);
  const Digits minuteDigits = digitsOf(minutes);
  const std::size_t degreePadding = paddingOf(degreeDigits, degreeWidth);
  const std::size_t minutePadding = paddingOf(minuteDigits, 2);
  std::string text((negative ? 1 : 0) + degreePadding + degreeDigits.count + kDegreeSign.size() +
                       minutePadding + minuteDigits.count + 1,
                   '0');
  char* out = text.data();
  if (negative) *out++ = '-';
  out = writeDigits(out, degreeDigits, degreePadding);
  out = std::copy(kDegreeSign.begin(), kDegreeSign.end(), out);
  out = writeDigits(out, minuteDigits, minutePadding);
  *out = '\'';
  return text;
}

}  // namespace

int truncToInt(double x) {
  if (std::isnan(x)) return 0;
  const double t = std::trunc(x);
  if (t <= static_cast<double>(INT_MIN)) return INT_MIN;
  if (t >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(t);
}

double modus30(double x) { return x - std::trunc(x / 30) * 30; }

double sumAsLongitude(double a, double b) {
  const double s = a + b;
  return s > 360 ? s - 360 : s;
}

int halbsum_mchaus(double longitude, double mcLongitude) {
  double k = std::trunc((longitude - mcLongitude) / 30);
  if (longitude < mcLongitude) k -= 1;
  double h = k + 10;
  if (h > 12) h -= 12;
  if (h <= 0) h += 12;
  return truncToInt(h);
}

int haus(int factorNumber, double longitude, double mcLongitude) {
  if (factorNumber == 1) return 10;
  return halbsum_mchaus(longitude, mcLongitude);
}

std::string signAbbreviation(double longitude) {
  const int k = truncToInt(longitude / 30 + 1);
  if (k < 1 || k > 12) return {};
  return std::string(kZodiac.substr(static_cast<std::size_t>(3 * k - 1), 3));
}

double runden(double x) { return frac(x) > 0.5 ? x + 1 : x; }

std::string zahl_text(std::int64_t v, int width) {
  const Digits digits = digitsOf(v);
  const std::size_t padding = paddingOf(digits, width);
  std::string text(padding + digits.count, '0');
  writeDigits(text.data(), digits, padding);
  return text;
}

std::string winkel_text(double x, int width, AngleMode mode) {
  const bool negative = x < 0;
  x = std::fabs(x);
  x = mode == AngleMode::dial22 ? modus22(x) : modus30(x);
  std::int64_t degrees = truncToInt(x);
  const double seconds = std::trunc(frac(x) * 3600);
  std::int64_t minutes = truncToInt(runden(seconds / 60));
  if (minutes == 60) {
    minutes = 0;
    ++degrees;
  }
  return degreesAndMinutes(negative, degrees, width, minutes);
}

std::string grad3_text(double x) {
  std::int64_t degrees = truncToInt(x);
  std::int64_t minutes = truncToInt(runden(frac(x) * 3600 / 60));
  if (minutes == 60) {
    minutes = 0;
    ++degrees;
  }
  return degreesAndMinutes(false, degrees, 3, minutes);
}

// The degrees of grad3_text have 3 to 5 ASCII digits, so characters 2 to 7
// always hold the "°" (two bytes in UTF-8) and are bytes 2 to 8.
std::string grad3_kurz(double x) { return grad3_text(x).substr(1, 7); }

std::string grad_minuten_text(double x) {
  const std::string hours = zahl_text(std::abs(static_cast<std::int64_t>(truncToInt(x))), 2);
  const std::string minutes = zahl_text(truncToInt(runden(frac(x) * 60)), 2);
  return hours.substr(0, 2) + ":" + minutes.substr(0, 2);
}

}  // namespace kelvaro
