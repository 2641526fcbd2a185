#include "output/line_wrap.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Lines = std::vector<std::string>;

TEST(LineWrap, ALineThatFitsStaysAsItIs) {
  EXPECT_EQ(wrapLine("MCr/SOr  12°30'   ", 18), Lines{"MCr/SOr  12°30'   "});
  EXPECT_EQ(wrapLine("", 10), Lines{""});
}

// Characters, not bytes, are counted: "°" and "´" are one each.
TEST(LineWrap, AWideLineContinuesIndentedAndLosesNoCharacter) {
  EXPECT_EQ(wrapLine("0123456789°´abcdefghij", 10, 4),
            (Lines{"0123456789", "    °´abcd", "    efghij"}));
}

TEST(LineWrap, BlanksPastTheEdgeAtTheEndMakeNoLine) {
  EXPECT_EQ(wrapLine("0123456789          ", 10, 4), Lines{"0123456789"});
  EXPECT_EQ(wrapLine("0123456789ab    ", 10, 4), (Lines{"0123456789", "    ab"}));
}

}  // namespace
}  // namespace kelvaro
