// The Hamburg bodies as the searches see them: the ephemeris' places joined
// smoothly between whole days, without the jumps of its places while the Sun
// passes in front of them.
#include "timing/smooth_bodies.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "chart/ephemeris.h"
#include "core/factor.h"
#include "timing/transit_calendar.h"

namespace kelvaro::timing {
namespace {

using namespace std::chrono;

constexpr double kArcSecond = 1.0 / 3600;
constexpr int kCupido = 15;
constexpr int kZeus = 17;
constexpr int kApollon = 19;

double dayOf(year_month_day day) { return chart::julianDayUt(sys_days{day}); }

double distance(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

// The ephemeris' own place where it turns back within the day, if it does.
std::optional<double> ephemerisTurnsBack(int body, double day) {
  constexpr double kStep = 5.0 / 1440;  // five minutes
  double before = chart::bodyPosition(body, day).longitude;
  for (double t = day + kStep; t < day + 1; t += kStep) {
    const double now = chart::bodyPosition(body, t).longitude;
    if (now < before) return before;
    before = now;
  }
  return std::nullopt;
}

// Zeus on 03.10.2006 and Apollon on 30.10.2026, behind the Sun: the
// ephemeris goes forward, back and forward again within hours. A point
// just below the place where it turns back is passed once, forward.
TEST(SmoothBodies, APointIsPassedOnceWhereTheEphemerisJumps) {
  for (const auto& [body, day] :
       {std::pair{kZeus, dayOf(2006y / 10 / 3)}, std::pair{kApollon, dayOf(2026y / 10 / 30)}}) {
    SCOPED_TRACE(factorName(body));
    const std::optional<double> turn = ephemerisTurnsBack(body, day);
    ASSERT_TRUE(turn) << "the ephemeris no longer jumps there";
    const std::vector<RadixPoint> point = {{factor::MC, 0, *turn - 0.1 * kArcSecond}};
    const std::vector<int> bodies = {body};
    const auto hits = calendarHits(point, bodies, day - 3, day + 4, DialSize::standard());
    ASSERT_TRUE(hits);
    ASSERT_EQ(hits->size(), 1u);
    EXPECT_TRUE(hits->front().direct);
    EXPECT_NEAR(hits->front().julianDay, day + 0.5, 0.5);
  }
}

// At 0:00 UT the ephemeris' place (to a billionth of a degree); in between
// within a hundredth of an arc second of it but in the days about the Sun's
// passing; and a speed that changes its sign only at the two stations of a
// year.
TEST(SmoothBodies, FollowTheEphemerisAndTurnOnlyAtTheirStations) {
  const double from = dayOf(2026y / 1 / 1);
  for (int body = kCupido; body <= factor::PO; ++body) {
    SCOPED_TRACE(factorName(body));
    ASSERT_TRUE(isSmoothedBody(body));
    int turns = 0;
    double speed = bodyMotion(body, from).speed;
    for (double t = from; t < from + 365; t += 1.0 / 6) {
      const Motion smooth = bodyMotion(body, t);
      const chart::BodyPosition ephemeris = chart::bodyPosition(body, t);
      if (std::fmod(t - from, 1.0) == 0) {
        EXPECT_LT(distance(smooth.longitude, ephemeris.longitude), 1e-9) << t;
      }
      const double sun = chart::bodyPosition(factor::SO, t).longitude;
      if (distance(ephemeris.longitude, sun) > 3) {
        EXPECT_LT(distance(smooth.longitude, ephemeris.longitude), 0.01 * kArcSecond) << t;
      }
      EXPECT_GE(smooth.longitude, 0);
      EXPECT_LT(smooth.longitude, 360);
      if ((smooth.speed < 0) != (speed < 0)) ++turns;
      speed = smooth.speed;
    }
    EXPECT_EQ(turns, 2);
  }
  for (const int other : {factor::SO, factor::MO, factor::KN, factor::SA}) {
    EXPECT_FALSE(isSmoothedBody(other));
    EXPECT_EQ(bodyMotion(other, from + 0.3).longitude,
              chart::bodyPosition(other, from + 0.3).longitude);
  }
}

}  // namespace
}  // namespace kelvaro::timing
