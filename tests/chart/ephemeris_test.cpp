#include "chart/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/factor.h"

namespace kelvaro::chart {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Smallest distance of two longitudes on the circle.
double arcDistance(double a, double b) {
  const double d = std::fabs(normalizedDegrees(a - b));
  return std::min(d, 360.0 - d);
}

TEST(Ephemeris, SunIsAtZeroAriesAtMarchEquinoxes) {
  // 2000-03-20 07:35 UT and 2024-03-20 03:06 UT; the Sun moves 0.0007° a minute.
  EXPECT_LT(
      arcDistance(bodyPosition(factor::SO, julianDayUt(2000, 3, 20, 7 + 35 / 60.0)).longitude, 0),
      0.002);
  EXPECT_LT(
      arcDistance(bodyPosition(factor::SO, julianDayUt(2024, 3, 20, 3 + 6 / 60.0)).longitude, 0),
      0.002);
}

TEST(Ephemeris, MeanNodeFollowsTheMeanElements) {
  // Mean node from the polynomial of the lunar mean elements, plus the
  // nutation in longitude (−13.9″ on 1 January 2000; the node is given for
  // the true equinox of date).
  const double jd = 2451545.0;
  EXPECT_LT(arcDistance(bodyPosition(factor::KN, jd).longitude, 125.04452 - 13.9 / 3600), 0.001);
  // 1 January 1900 and 2100: the node circles backwards in 18.6 years.
  for (const double t : {-1.0, 1.0}) {
    const double mean = 125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000;
    EXPECT_LT(arcDistance(bodyPosition(factor::KN, jd + 36525 * t).longitude, mean), 0.01) << t;
    EXPECT_LT(bodyPosition(factor::KN, jd + 36525 * t).speed, 0) << t;
  }
}

// MC and AS from the local sidereal time, by the textbook formulas with the
// mean sidereal time and the mean obliquity (nutation moves them < 0.01°).
Angles anglesByHand(double jd, double latitude, double longitude) {
  const double t = (jd - 2451545.0) / 36525;
  const double sidereal = 280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * t * t;
  const double ramc = normalizedDegrees(sidereal + longitude) * kDegree;
  const double eps = (23.4392911 - 0.0130042 * t) * kDegree;
  const double mc = std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)) / kDegree;
  const double as = std::atan2(std::cos(ramc), -(std::sin(eps) * std::tan(latitude * kDegree) +
                                                 std::cos(eps) * std::sin(ramc))) /
                    kDegree;
  return {normalizedDegrees(mc), normalizedDegrees(as)};
}

TEST(Ephemeris, AnglesMatchTheSiderealTime) {
  struct Place {
    double lat, lon;
  };
  for (const Place place :
       {Place{50.9333, 6.95}, Place{-33.87, 151.21}, Place{64.1, -21.9}, Place{0.5, -78.5}}) {
    for (const double jd : {2415020.5, 2451545.0, 2460400.3, 2466000.7}) {
      const Angles angles = anglesAt(jd, place.lat, place.lon);
      const Angles hand = anglesByHand(jd, place.lat, place.lon);
      EXPECT_LT(arcDistance(angles.mc, hand.mc), 0.01) << place.lat << " " << jd;
      EXPECT_LT(arcDistance(angles.as, hand.as), 0.01) << place.lat << " " << jd;
    }
  }
}

TEST(Ephemeris, AscendantForMcAgreesWithTheHouses) {
  // All four quadrants of the MC, both hemispheres.
  for (const double lat : {50.9333, -45.0, 66.0}) {
    for (double jd = 2451545.0; jd < 2451546.0; jd += 0.09) {
      const Angles angles = anglesAt(jd, lat, 6.95);
      EXPECT_LT(arcDistance(ascendantForMc(angles.mc, lat, trueObliquity(jd)), angles.as), 1e-6)
          << lat << " " << jd;
    }
  }
}

TEST(Ephemeris, SpeedIsTheChangeOfLongitudePerDay) {
  const double jd = julianDayUt(1987, 6, 5, 14.5);
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    if (!isBodyFactor(number)) continue;
    const BodyPosition now = bodyPosition(number, jd);
    const double before = bodyPosition(number, jd - 0.01).longitude;
    const double after = bodyPosition(number, jd + 0.01).longitude;
    const double change = normalizedDegrees(after - before + 180) - 180;
    EXPECT_NEAR(now.speed, change / 0.02, 1e-3) << factorName(number);
    EXPECT_GE(now.longitude, 0);
    EXPECT_LT(now.longitude, 360);
  }
  EXPECT_THROW(bodyPosition(factor::MC, jd), std::invalid_argument);
}

TEST(Ephemeris, JulianDaysOfMomentsAndDates) {
  using namespace std::chrono;
  EXPECT_DOUBLE_EQ(julianDayUt(2000, 1, 1, 12.0), 2451545.0);
  const sys_seconds moment = sys_days{year{1800} / 1 / 1} + hours{6} + seconds{1};
  EXPECT_NEAR(julianDayUt(moment), julianDayUt(1800, 1, 1, 6 + 1 / 3600.0), 1e-9);
  EXPECT_EQ(utMoment(julianDayUt(moment)), moment);
  EXPECT_EQ(normalizedDegrees(-1e-300), 0.0);
  EXPECT_DOUBLE_EQ(normalizedDegrees(-720.5), 359.5);
}

}  // namespace
}  // namespace kelvaro::chart
