// The number and angle texts are built digit by digit into one string for
// speed. These tests hold them against the formulas written plainly, with
// std::to_string and concatenation, over many values.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/std_ho.h"

namespace kelvaro {
namespace {

std::string plainZahlText(std::int64_t v, int width) {
  const auto value = static_cast<std::uint16_t>(v);
  const std::string digits = value == 0 ? std::string() : std::to_string(value);
  const int padding = std::max(width - static_cast<int>(digits.size()), 0);
  return std::string(static_cast<std::size_t>(padding), '0') + digits;
}

std::string plainDegreesAndMinutes(std::int64_t degrees, int width, std::int64_t minutes) {
  return plainZahlText(degrees, width) + "°" + plainZahlText(minutes, 2) + "'";
}

std::string plainWinkelText(double x, int width, AngleMode mode) {
  const bool negative = x < 0;
  x = std::fabs(x);
  x = mode == AngleMode::dial22 ? modus22(x) : modus30(x);
  std::int64_t degrees = truncToInt(x);
  const double seconds = std::trunc((x - std::trunc(x)) * 3600);
  std::int64_t minutes = truncToInt(runden(seconds / 60));
  if (minutes == 60) {
    minutes = 0;
    ++degrees;
  }
  std::string text = negative ? "-" : "";
  return text + plainDegreesAndMinutes(degrees, width, minutes);
}

std::string plainGrad3Text(double x) {
  std::int64_t degrees = truncToInt(x);
  std::int64_t minutes = truncToInt(runden((x - std::trunc(x)) * 3600 / 60));
  if (minutes == 60) {
    minutes = 0;
    ++degrees;
  }
  return plainDegreesAndMinutes(degrees, 3, minutes);
}

// Longitudes near every half minute of the circle (where the rounding
// turns) and near the rounding seconds of the dial, both signs, seeded
// random values over a wide range, and the values without a sensible text.
std::vector<double> angles() {
  std::vector<double> values;
  for (int halfMinutes = 0; halfMinutes <= 2 * 60 * 100; ++halfMinutes) {
    const double x = halfMinutes / 120.0;
    for (const double near : {x, std::nextafter(x, -1e9), std::nextafter(x, 1e9), x + 1e-7}) {
      values.push_back(near);
      values.push_back(-near);
    }
  }
  // Where whole seconds round the minute up (31 s) or not (30 s), over the
  // range that dial texts take as sums of two dial values.
  for (int minute = 0; minute < 50 * 60; ++minute) {
    for (const int second : {30, 31}) {
      const double x = minute / 60.0 + second / 3600.0;
      for (const double near : {x, std::nextafter(x, -1e9), std::nextafter(x, 1e9)}) {
        values.push_back(near);
        values.push_back(-near);
      }
    }
  }
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> wide(-2e5, 2e5);
  for (int k = 0; k < 20000; ++k) values.push_back(wide(random));
  for (const double odd : {1e300, -1e300, 3e9, -3e9, std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), std::nan(""), -0.0}) {
    values.push_back(odd);
  }
  return values;
}

TEST(TextFormatReference, ZahlTextAgreesForEvery16BitValueAndWidth) {
  for (const int width : {-1, 0, 1, 2, 3, 4, 6}) {
    for (std::int64_t v = -1000; v <= 70000; ++v) {
      ASSERT_EQ(zahl_text(v, width), plainZahlText(v, width)) << v << " width " << width;
    }
  }
  for (const std::int64_t v : {std::numeric_limits<std::int64_t>::min(),
                               std::numeric_limits<std::int64_t>::max(), std::int64_t{1} << 40}) {
    EXPECT_EQ(zahl_text(v, 3), plainZahlText(v, 3));
  }
  EXPECT_EQ(zahl_text(7, 20), plainZahlText(7, 20));  // longer than any short-string buffer
}

TEST(TextFormatReference, WinkelTextAgreesInBothModesAndDialTextWithIt) {
  for (const double x : angles()) {
    for (const AngleMode mode : {AngleMode::dial22, AngleMode::sign30}) {
      ASSERT_EQ(winkel_text(x, 2, mode), plainWinkelText(x, 2, mode)) << x;
    }
    ASSERT_EQ(dialText(x).view(), plainWinkelText(x, 2, AngleMode::dial22)) << x;
  }
  for (const int width : {0, 1, 3, 5, 16, 17, 20}) {  // long widths take another path
    EXPECT_EQ(winkel_text(-17.75, width, AngleMode::dial22),
              plainWinkelText(-17.75, width, AngleMode::dial22));
  }
}

TEST(TextFormatReference, Grad3TextAndItsShortFormAgree) {
  for (const double x : angles()) {
    const std::string plain = plainGrad3Text(x);
    ASSERT_EQ(grad3_text(x), plain) << x;
    // Characters 2 to 7; "°" is one character of two bytes.
    ASSERT_EQ(grad3_kurz(x), plain.substr(1, 7)) << x;
  }
}

}  // namespace
}  // namespace kelvaro
