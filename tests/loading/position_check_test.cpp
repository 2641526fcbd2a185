#include "loading/position_check.h"

#include <gtest/gtest.h>

#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

TEST(PositionCheck, OnlyFactorsOneToTwentyTwoMustLieOnTheCircle) {
  EXPECT_FALSE(hasPositionsOutsideCircle(RecordBuilder(0.0).build()));
  EXPECT_FALSE(hasPositionsOutsideCircle(
      RecordBuilder(359.999999).at(Variant::t, 23, 400.0).at(Variant::r, 24, -1.0).build()));
  EXPECT_TRUE(hasPositionsOutsideCircle(RecordBuilder(10.0).at(Variant::t, 22, 360.0).build()));
  EXPECT_TRUE(hasPositionsOutsideCircle(RecordBuilder(10.0).at(Variant::r, 1, -0.001).build()));
  EXPECT_TRUE(hasPositionsOutsideCircle(RecordBuilder(10.0).at(Variant::p, 5, 1e300).build()));
}

TEST(PositionCheck, QuestionNamesTheFile) {
  EXPECT_EQ(outsidePositionsQuestion("/home/a/README.md"),
            "Die Datei /home/a/README.md enthält Positionen außerhalb von 0° bis 360° und ist wohl "
            "keine Transit-Datei. Trotzdem laden?");
}

}  // namespace
}  // namespace kelvaro
