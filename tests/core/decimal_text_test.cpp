// Numbers in written files keep their decimal point under any locale.
#include "core/decimal_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "support/german_locale.h"

namespace kelvaro {
namespace {

std::string printed(const char* format, int precision, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, precision, value);
  return text;
}

// Values whose printf text is the same on every C library (no ties, no
// exponent beyond two digits).
const std::vector<double> kValues = {
    2440065.105, 2433046.3541666665, 50.933333333, -33.8667, -0.1, 151.2, 359.999999999,
    1e-9,        123456.789012,      0.0,          -6.95};

TEST(DecimalText, WritesAsPrintfInTheCLocaleWhateverLocaleIsSet) {
  std::vector<std::string> fixed4, fixed6, general17;
  for (const double value : kValues) {
    fixed4.push_back(printed("%.*f", 4, value));
    fixed6.push_back(printed("%.*f", 6, value));
    general17.push_back(printed("%.*g", 17, value));
  }
  const testing::GermanLocale german;
#ifndef _WIN32
  ASSERT_TRUE(german.inEffect()) << "the locale de_DE.UTF-8 is missing (scripts/install-deps)";
#endif
  for (std::size_t i = 0; i < kValues.size(); ++i) {
    EXPECT_EQ(fixedDecimal(kValues[i], 4), fixed4[i]);
    EXPECT_EQ(fixedDecimal(kValues[i], 6), fixed6[i]);
    EXPECT_EQ(generalDecimal(kValues[i], 17), general17[i]);
  }
}

TEST(DecimalText, SeventeenDigitsKeepEveryBit) {
  const testing::GermanLocale german;
  for (const double value :
       {1e308, -1e308, std::numeric_limits<double>::denorm_min(), -0.0, 359.999999999, 1.0 / 3}) {
    const std::string text = generalDecimal(value, 17);
    double back = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(error, std::errc{}) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    EXPECT_EQ(std::signbit(back), std::signbit(value)) << text;
    EXPECT_EQ(back, value) << text;
  }
}

}  // namespace
}  // namespace kelvaro
