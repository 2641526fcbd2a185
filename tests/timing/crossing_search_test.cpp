#include "timing/crossing_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kelvaro::timing {
namespace {

constexpr double kMinute = 1.0 / 1440;

std::vector<Crossing> crossingsOf(const MotionFunction& motion, CrossingRange range,
                                  std::vector<double> targets, double spacing = 22.5) {
  std::vector<Crossing> found;
  EXPECT_TRUE(findCrossings(motion, range, targets, spacing, found));
  return found;
}

// A turning motion: x(t) = t³ − 3t turns at t = −1 (x = 2) and t = 1 (x = −2).
Motion turning(double t) { return {t * t * t - 3 * t, 3 * t * t - 3}; }

TEST(CrossingSearch, FindsEveryCrossingAroundTwoStations) {
  // Target 0 is crossed three times: at −√3 and √3 rising, at 0 falling.
  const auto found = crossingsOf(turning, {-3, 3, 1}, {0.0}, 100);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_NEAR(found[0].time, -std::sqrt(3.0), 1e-7);
  EXPECT_NEAR(found[1].time, 0, 1e-7);
  EXPECT_NEAR(found[2].time, std::sqrt(3.0), 1e-7);
  EXPECT_TRUE(found[0].increasing);
  EXPECT_FALSE(found[1].increasing);
  EXPECT_TRUE(found[2].increasing);

  // A target just below the upper turning value is crossed twice within a
  // few minutes of the station, and both crossings are there.
  const double justBelow = 2 - 1e-6;
  const auto close = crossingsOf(turning, {-3, 3, 1}, {justBelow}, 100);
  ASSERT_EQ(close.size(), 3u);
  EXPECT_LT(close[1].time - close[0].time, 5 * kMinute);
  EXPECT_TRUE(close[0].increasing);
  EXPECT_FALSE(close[1].increasing);
  for (const Crossing& c : close) EXPECT_NEAR(turning(c.time).longitude, justBelow, 1e-6);
}

TEST(CrossingSearch, FollowsTheWrapOfTheCircleAndTheDialSpacing) {
  // 13°/day across 0°: longitudes from 350° on, reported within [0, 360).
  const auto moon = [](double t) { return Motion{std::fmod(350 + 13 * t, 360.0), 13}; };
  // Target 5° (27.5°, 50° … on the dial) and a negative target −1° (21.5°, 44° …).
  const auto found = crossingsOf(moon, {0, 3, 1}, {5.0, -1.0});
  // 350° → 389°: −1° at 359° and 381.5°, 5° at 365° and 387.5°.
  std::vector<double> times;
  for (const Crossing& c : found) times.push_back(c.time);
  std::sort(times.begin(), times.end());
  ASSERT_EQ(times.size(), 4u);
  EXPECT_NEAR(times[0], 9 / 13.0, 1e-7);
  EXPECT_NEAR(times[1], 15 / 13.0, 1e-7);
  EXPECT_NEAR(times[2], 31.5 / 13, 1e-7);
  EXPECT_NEAR(times[3], 37.5 / 13, 1e-7);
}

TEST(CrossingSearch, CountsACrossingOnceAtASampleAndKeepsToTheRange) {
  // The longitude reaches the target exactly at a sample time (t = 2):
  // one crossing, not two. A crossing at the end of the range is left out.
  const auto linear = [](double t) { return Motion{t * 11.25, 11.25}; };
  const auto found = crossingsOf(linear, {0, 4, 1}, {0.0});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NEAR(found[0].time, 2, 1e-7);
}

TEST(CrossingSearch, HalvesTheStepWhereTheMotionIsNotSmooth) {
  // A wobble of 0.5° with a period of three days on a slow drift, sampled
  // every four days: the cubic between two samples cannot follow it.
  const double w = 2 * std::numbers::pi / 3;
  const auto wobble = [w](double t) {
    return Motion{0.5 * std::sin(w * t) + 0.01 * t, 0.5 * w * std::cos(w * t) + 0.01};
  };
  const auto found = crossingsOf(wobble, {0.05, 30, 4}, {0.1}, 100);
  // Counted independently: the sign changes at a fine step.
  std::size_t expected = 0;
  for (double t = 0.05; t + 1e-3 < 30; t += 1e-3) {
    expected += (wobble(t).longitude < 0.1) != (wobble(t + 1e-3).longitude < 0.1);
  }
  EXPECT_EQ(found.size(), expected);
  // Each within ten seconds of its moment.
  for (const Crossing& c : found) {
    const Motion at = wobble(c.time);
    EXPECT_LT(std::fabs(at.longitude - 0.1), 1e-6 + std::fabs(at.speed) * 10 / 86400) << c.time;
  }
}

}  // namespace
}  // namespace kelvaro::timing
