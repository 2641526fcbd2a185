#include "chart/transit_chart.h"

#include <gtest/gtest.h>

#include "chart/ephemeris.h"
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
  request.transitLocal = {2031, 11, 30, 14, 0, 0};
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

}  // namespace
}  // namespace kelvaro::chart
