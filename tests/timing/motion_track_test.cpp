#include "timing/motion_track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kelvaro::timing {
namespace {

// A motion that goes forward, back and forward again in every turn of
// 2π: x(t) = t + 2 sin t, turning where cos t = −1/2 (t = 2π/3, 4π/3, …).
Motion looping(double t) { return {t + 2 * std::sin(t), 1 + 2 * std::cos(t)}; }

TEST(MotionTrack, CountsThePassesOverALevelAndFindsTheTurns) {
  MotionTrack track(looping, 0, 0.1);
  const double turnBack = 2 * std::numbers::pi / 3;  // x = 2π/3 + √3 ≈ 3.826
  const double turnOn = 4 * std::numbers::pi / 3;    // x = 4π/3 − √3 ≈ 2.457
  const auto turns = track.turns(0, 7);
  ASSERT_EQ(turns.size(), 2u);
  EXPECT_NEAR(turns[0].time, turnBack, 1e-4);
  EXPECT_TRUE(turns[0].isMaximum);
  EXPECT_NEAR(turns[1].value, turnOn - std::sqrt(3.0), 1e-6);
  EXPECT_FALSE(turns[1].isMaximum);
  // A level inside the loop is passed three times, one outside once.
  EXPECT_EQ(track.passes(3, 0, 7), 3);
  EXPECT_EQ(track.passes(5, 0, 7), 1);
  EXPECT_EQ(track.passes(3, 0, turnBack), 1);
  EXPECT_EQ(track.passes(3, turnBack, 7), 2);
  // Before the start the track goes on backwards: the loop around −2π/3.
  EXPECT_EQ(track.passes(-3, -7, 0), 3);
  EXPECT_NEAR(track.valueAt(-1.234), looping(-1.234).longitude, 1e-6);
}

TEST(MotionTrack, FindsWhereTheValueLeavesADistance) {
  MotionTrack straight([](double t) { return Motion{350 + 2 * t, 2}; }, 0, 1);
  // The longitude goes on past 360 without a jump.
  EXPECT_NEAR(straight.valueAt(10), 370, 1e-9);
  EXPECT_NEAR(*straight.leaves(10, 370, 1.5, +1, 20), 10.75, 1e-9);
  EXPECT_NEAR(*straight.leaves(10, 370, 1.5, -1, 0), 9.25, 1e-9);
  EXPECT_FALSE(straight.leaves(10, 370, 30, +1, 20));
  // Inside a loop the value stays near its level for longer.
  MotionTrack track(looping, 0, 0.1);
  const double level = looping(3).longitude;
  const auto left = track.leaves(3, level, 0.5, +1, 20);
  ASSERT_TRUE(left);
  EXPECT_NEAR(std::fabs(looping(*left).longitude - level), 0.5, 1e-6);
  for (double t = 3; t < *left; t += 0.01) {
    EXPECT_LT(std::fabs(looping(t).longitude - level), 0.5 + 1e-9) << t;
  }
}

}  // namespace
}  // namespace kelvaro::timing
