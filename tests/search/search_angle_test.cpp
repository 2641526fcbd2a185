#include "search/search_angle.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(SearchAngle, AcceptsZeroToTwentyTwoFiftyNine) {
  const auto top = checkSearchAngle("22", "59");
  EXPECT_TRUE(top.valid);
  EXPECT_DOUBLE_EQ(top.angle, 22 + 59.0 / 60);
  const auto zero = checkSearchAngle("", "");
  EXPECT_TRUE(zero.valid);
  EXPECT_EQ(zero.angle, 0);
  EXPECT_EQ(zero.degreesText, "0");
  EXPECT_EQ(zero.minutesText, "00");
  EXPECT_TRUE(checkSearchAngle(" ", "30").valid);
  EXPECT_TRUE(checkSearchAngle("07", "30").valid);
}

TEST(SearchAngle, RefusesOutOfRangeNegativeAndNonNumbers) {
  for (const auto& [degrees, minutes] : {std::pair{"23", "00"},
                                         {"22", "60"},
                                         {"-1", "00"},
                                         {"0", "-5"},
                                         {"-0", "00"},
                                         {"a", "10"},
                                         {"1", "1.5"},
                                         {"  ", "10"}}) {
    EXPECT_FALSE(checkSearchAngle(degrees, minutes).valid) << degrees << ":" << minutes;
  }
}

TEST(SearchAngle, KeepsTheAngleOfARefusedEntryThatIsANumber) {
  const auto refused = checkSearchAngle("23", "30");
  EXPECT_FALSE(refused.valid);
  EXPECT_DOUBLE_EQ(refused.angle, 23.5);
}

}  // namespace
}  // namespace kelvaro
