#include "chart/transit_chart.h"

#include <gtest/gtest.h>

#include <swephexp.h>

#include <array>

#include "chart/chart_entry.h"
#include "chart/ephemeris.h"
#include "chart/time_zone.h"
#include "core/factor.h"

namespace kelvaro::chart {
namespace {

using namespace std::chrono;

ChartRequest sydneyRequest() {
  ChartRequest request;
  request.name = "Smith";
  request.firstName = "Jo";
  request.place = "Sydney";
  request.birth = sys_days{year{1931} / 7 / 9} + hours{17} + minutes{45};
  request.birthLatitude = -33.8678;
  request.birthLongitude = 151.2073;
  request.transit = sys_days{year{2031} / 11 / 30} + hours{3};
  request.transitLocal = {{2031, 11, 30}, {14, 0, 0}};
  request.transitLatitude = 64.1466;
  request.transitLongitude = -21.9426;
  return request;
}

double arcDistance(double a, double b) {
  const double d = normalizedDegrees(a - b);
  return std::min(d, 360.0 - d);
}

TEST(TransitChart, HoroscopesHoldTheirRelations) {
  const ChartRequest request = sydneyRequest();
  const TransitRecord record = computeTransitRecord(request);
  const double birth = julianDayUt(request.birth);
  const double transit = julianDayUt(request.transit);
  const double progressed = birth + (transit - birth) / 365.242189;
  const double arc = normalizedDegrees(bodyPosition(factor::SO, progressed).longitude -
                                       bodyPosition(factor::SO, birth).longitude);
  // A hundred years of progression move the Sun by about a hundred degrees.
  EXPECT_NEAR(arc, 100, 5);
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    const double r = record.position(Variant::r, number);
    EXPECT_LT(arcDistance(record.position(Variant::s, number), r + arc), 1e-9) << number;
    if (isBodyFactor(number)) {
      EXPECT_EQ(r, bodyPosition(number, birth).longitude);
      EXPECT_EQ(record.position(Variant::p, number), bodyPosition(number, progressed).longitude);
      EXPECT_EQ(record.position(Variant::t, number), bodyPosition(number, transit).longitude);
    }
  }
  EXPECT_LT(arcDistance(record.position(Variant::p, factor::MC),
                        record.position(Variant::r, factor::MC) + arc),
            1e-9);
  EXPECT_DOUBLE_EQ(record.position(Variant::s, factor::WI), arc);
  for (const Variant v : {Variant::r, Variant::p, Variant::t}) {
    EXPECT_EQ(record.position(v, factor::WI), 0) << variantLetter(v);
  }
  for (const Variant v : kVariants) {
    EXPECT_EQ(record.position(v, factor::GZ), 0);
    EXPECT_EQ(record.position(v, factor::Du), 0);
  }
  // R and T angles belong to their places; the progressed AS to MC_p at the birth latitude.
  const Angles radix = anglesAt(birth, request.birthLatitude, request.birthLongitude);
  const Angles now = anglesAt(transit, request.transitLatitude, request.transitLongitude);
  EXPECT_EQ(record.position(Variant::r, factor::AS), radix.as);
  EXPECT_EQ(record.position(Variant::t, factor::MC), now.mc);
  EXPECT_EQ(record.position(Variant::t, factor::AS), now.as);
  EXPECT_LT(arcDistance(record.position(Variant::p, factor::AS),
                        ascendantForMc(record.position(Variant::p, factor::MC),
                                       request.birthLatitude, trueObliquity(progressed))),
            1e-9);
  EXPECT_EQ(record.texts, (std::array<std::string, 7>{"Smith", "Jo", "Sydney", "30.11.2031",
                                                      "14:00:00", "64°09' N", "21°57' W"}));
}

TEST(TransitChart, ATransitAtTheBirthProgressesNothing) {
  ChartRequest request = sydneyRequest();
  request.transit = request.birth;
  request.transitLatitude = request.birthLatitude;
  request.transitLongitude = request.birthLongitude;
  const TransitRecord record = computeTransitRecord(request);
  for (int number = 1; number <= factor::kLastInTables; ++number) {
    if (number == factor::WI) continue;
    for (const Variant v : {Variant::p, Variant::s, Variant::t}) {
      EXPECT_LT(arcDistance(record.position(v, number), record.position(Variant::r, number)), 1e-9)
          << factorVariantName(number, v);
    }
  }
}

// A birth of 1452: the Julian date, the local mean time of Rome (+00:49:56,
// as the zone database has it before standard time) and the positions of
// the radix as the library computes them with its analytical theory from
// its own Julian calendar, to an arc second.
TEST(TransitChart, ABirthOf1452AgreesWithTheLibrarysOwnComputation) {
  const auto zone = TimeZone::parse("Europe/Rome");
  ASSERT_FALSE(rejection(zone));
  const auto moment = std::get<TimeZone>(zone).toUniversal({{1452, 4, 14}, {20, 56, 0}});
  ASSERT_FALSE(rejection(moment));
  BirthData birth;
  birth.moment = std::get<sys_seconds>(moment);
  birth.latitude = 43.75;
  birth.longitude = 10 + 56 / 60.0;
  const TransitRecord record = radixRecord(birth);

  const double ut = 20 + 56 / 60.0 - (49 * 60 + 56) / 3600.0;
  const double julianDay = swe_julday(1452, 4, 14, ut, SE_JUL_CAL);
  EXPECT_NEAR(julianDayUt(birth.moment), julianDay, 1e-8);
  constexpr double kArcSecond = 1 / 3600.0;
  const std::array<std::pair<int, int>, 10> bodies = {{{factor::SO, SE_SUN},
                                                       {factor::MO, SE_MOON},
                                                       {factor::ME, SE_MERCURY},
                                                       {factor::VE, SE_VENUS},
                                                       {factor::MA, SE_MARS},
                                                       {factor::JU, SE_JUPITER},
                                                       {factor::SA, SE_SATURN},
                                                       {factor::SA + 1, SE_URANUS},
                                                       {factor::SA + 2, SE_NEPTUNE},
                                                       {factor::SA + 3, SE_PLUTO}}};
  for (const auto& [number, body] : bodies) {
    std::array<double, 6> position{};
    std::array<char, 256> error{};
    ASSERT_GE(swe_calc_ut(julianDay, body, SEFLG_MOSEPH, position.data(), error.data()), 0);
    EXPECT_LT(arcDistance(record.position(Variant::r, number), position[0]), kArcSecond) << number;
  }
  std::array<double, 13> cusps{};
  std::array<double, 10> ascmc{};
  swe_houses_ex(julianDay, SEFLG_MOSEPH, birth.latitude, birth.longitude, 'O', cusps.data(),
                ascmc.data());
  EXPECT_LT(arcDistance(record.position(Variant::r, factor::AS), ascmc[0]), kArcSecond);
  EXPECT_LT(arcDistance(record.position(Variant::r, factor::MC), ascmc[1]), kArcSecond);
  // Nine days later (the Gregorian reading) the Sun would stand about 9° further.
  EXPECT_NEAR(record.position(Variant::r, factor::SO), 33.6, 0.1);
}

}  // namespace
}  // namespace kelvaro::chart
