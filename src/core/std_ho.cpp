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

// The most digits of v taken as an unsigned 16-bit number (65535).
constexpr int kMaxDigits = 5;

// Writes zahl_text(v, width) so that it ends just before `end` and returns
// where it starts: the digits of v as an unsigned 16-bit number (none for
// 0), zeros in front up to the width. Room for max(width, kMaxDigits).
char* writeNumberBefore(char* end, std::int64_t v, int width) {
  int written = 0;
  for (auto rest = static_cast<std::uint16_t>(v); rest != 0; rest /= 10, ++written) {
    *--end = static_cast<char>('0' + rest % 10);
  }
  for (; written < width; ++written) *--end = '0';
  return end;
}

// The degree widths written on the stack; the texts use 2 and 3.
constexpr int kMaxShortWidth = 16;
constexpr std::string_view kDegreeSign = "°";
// Sign, degrees, "°", minutes (up to five digits, as zahl_text allows), "'".
constexpr std::size_t kMaxAngleText = 1 + kMaxShortWidth + kDegreeSign.size() + kMaxDigits + 1;

// Writes "DD°MM'" so that it ends just before `end` and returns where it
// starts. Room for kMaxAngleText characters.
char* writeAngleBefore(char* end, bool negative, std::int64_t degrees, int degreeWidth,
                       std::int64_t minutes) {
  char* start = end;
  *--start = '\'';
  start = writeNumberBefore(start, minutes, 2);
  start -= kDegreeSign.size();
  std::copy(kDegreeSign.begin(), kDegreeSign.end(), start);
  start = writeNumberBefore(start, degrees, degreeWidth);
  if (negative) *--start = '-';
  return start;
}

// "DD°MM'", written backwards into one buffer and copied out once: the
// searches make thousands of these per run.
std::string degreesAndMinutes(bool negative, std::int64_t degrees, int degreeWidth,
                              std::int64_t minutes) {
  if (degreeWidth > kMaxShortWidth) {
    std::string text = negative ? "-" : "";
    return text + zahl_text(degrees, degreeWidth) + "°" + zahl_text(minutes, 2) + "'";
  }
  std::array<char, kMaxAngleText> buffer;
  char* const end = buffer.data() + buffer.size();
  return std::string(writeAngleBefore(end, negative, degrees, degreeWidth, minutes), end);
}

struct DegreesMinutes {
  std::int64_t degrees;
  std::int64_t minutes;
};

// 60 minutes are carried into the degrees.
DegreesMinutes carried(std::int64_t degrees, std::int64_t minutes) {
  return minutes == 60 ? DegreesMinutes{degrees + 1, 0} : DegreesMinutes{degrees, minutes};
}

// The split of splitAngle for 0 ≤ a < 45 on the dial, without a division. There
// a × 10 / 225 stays below 1 for a < 22.5 and below 2 for a < 45 (22.5 gives
// exactly 1), so modus22 subtracts 22.5 at most once. The seconds are whole
// numbers below 3600, so seconds / 60 rounded half down is their quotient,
// plus one when more than 30 seconds remain.
DegreesMinutes splitOnDial(double a) {
  const int minute = dialMinute(a);
  return {minute / 60, minute % 60};
}

// "DD°MM'" of degrees and minutes below 100, written forward in place.
constexpr ShortText smallAngleText(bool negative, DegreesMinutes split) {
  const auto writeTwoDigits = [](char* out, std::int64_t v) {
    out[0] = static_cast<char>('0' + v / 10);
    out[1] = static_cast<char>('0' + v % 10);
    return out + 2;
  };
  ShortText text;
  char* out = text.bytes.data();
  if (negative) *out++ = '-';
  out = writeTwoDigits(out, split.degrees);
  out = std::copy(kDegreeSign.begin(), kDegreeSign.end(), out);
  out = writeTwoDigits(out, split.minutes);
  *out++ = '\'';
  text.size = static_cast<std::uint8_t>(out - text.bytes.data());
  return text;
}

// |x| reduced to the dial or the sign and split as the texts show it: whole
// degrees, and the minutes of the truncated seconds rounded half down.
DegreesMinutes splitAngle(double a, AngleMode mode) {
  if (mode == AngleMode::dial22 && a < 2 * kDial) return splitOnDial(a);
  a = mode == AngleMode::dial22 ? modus22(a) : modus30(a);
  const double seconds = std::trunc(frac(a) * 3600);
  return carried(truncToInt(a), truncToInt(runden(seconds / 60)));
}

}  // namespace

int truncToInt(double x) {
  if (std::isnan(x)) return 0;
  const double t = std::trunc(x);
  if (t <= static_cast<double>(INT_MIN)) return INT_MIN;
  if (t >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(t);
}

double placeFarOnDial(double v) {
  const double r = std::fmod(v, kDial);
  return r < 0 ? r + kDial : r;
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
  std::array<char, kMaxDigits> digits;
  char* const end = digits.data() + digits.size();
  const char* const start = writeNumberBefore(end, v, 0);
  const auto count = static_cast<int>(end - start);
  std::string text(static_cast<std::size_t>(width > count ? width - count : 0), '0');
  text.append(start, static_cast<std::size_t>(count));
  return text;
}

std::string winkel_text(double x, int width, AngleMode mode) {
  const auto [degrees, minutes] = splitAngle(std::fabs(x), mode);
  return degreesAndMinutes(x < 0, degrees, width, minutes);
}

// The text of every minute of the dial, made by the compiler.
constexpr std::array<ShortText, kLastDialMinute + 1> kDialMinuteTexts = [] {
  std::array<ShortText, kLastDialMinute + 1> texts;
  for (int minute = 0; minute <= kLastDialMinute; ++minute) {
    texts[static_cast<std::size_t>(minute)] = smallAngleText(false, {minute / 60, minute % 60});
  }
  return texts;
}();

ShortText dialText(double x) {
  const double a = std::fabs(x);
  if (a < 2 * kDial) {
    return x < 0 ? smallAngleText(true, splitOnDial(a)) : dialMinuteText(dialMinute(a));
  }
  const auto [degrees, minutes] = splitAngle(a, AngleMode::dial22);
  std::array<char, kMaxAngleText> buffer;
  char* const end = buffer.data() + buffer.size();
  const char* const start = writeAngleBefore(end, x < 0, degrees, 2, minutes);
  ShortText text;
  text.size = static_cast<std::uint8_t>(end - start);
  std::copy(start, static_cast<const char*>(end), text.bytes.begin());
  return text;
}

std::string grad3_text(double x) {
  const auto [degrees, minutes] = carried(truncToInt(x), truncToInt(runden(frac(x) * 3600 / 60)));
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
