#include "core/std_ho.h"

#include <climits>
#include <cmath>
#include <string_view>

#include "core/text_encoding.h"

namespace kelvaro {
namespace {

constexpr std::string_view kZodiac = "  WIDSTIZWIKRELOEJUNWAASKOSCHSTEWASFIS";

double frac(double x) { return x - std::trunc(x); }

std::string degreesAndMinutes(std::int64_t degrees, int degreeWidth, std::int64_t minutes) {
  return zahl_text(degrees, degreeWidth) + "°" + zahl_text(minutes, 2) + "'";
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
  const auto value = static_cast<std::uint16_t>(v);
  const std::string digits = value == 0 ? std::string() : std::to_string(value);
  const int padding = width - static_cast<int>(digits.size());
  return std::string(padding > 0 ? static_cast<std::size_t>(padding) : 0, '0') + digits;
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
  return (negative ? "-" : "") + degreesAndMinutes(degrees, width, minutes);
}

std::string grad3_text(double x) {
  std::int64_t degrees = truncToInt(x);
  std::int64_t minutes = truncToInt(runden(frac(x) * 3600 / 60));
  if (minutes == 60) {
    minutes = 0;
    ++degrees;
  }
  return degreesAndMinutes(degrees, 3, minutes);
}

std::string grad3_kurz(double x) { return utf8Mid(grad3_text(x), 1, 6); }

std::string grad_minuten_text(double x) {
  const std::string hours = zahl_text(std::abs(static_cast<std::int64_t>(truncToInt(x))), 2);
  const std::string minutes = zahl_text(truncToInt(runden(frac(x) * 60)), 2);
  return hours.substr(0, 2) + ":" + minutes.substr(0, 2);
}

}  // namespace kelvaro
