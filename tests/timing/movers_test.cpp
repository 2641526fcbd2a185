// The movers against the transit files Kelvaro makes: at the transit moment
// of a file they stand where the file's S, P and T positions stand.
#include "timing/movers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/ephemeris.h"
#include "chart/transit_chart.h"
#include "support/birth_data.h"
#include "timing/smooth_bodies.h"

namespace kelvaro::timing {
namespace {

TEST(Movers, StandWhereTheTransitFilesPutThem) {
  for (const auto& [person, transit] : {
           std::pair{testing::kKoeln, std::pair{"08.12.2026", "12:00"}},
           std::pair{testing::kKoeln, std::pair{"05.03.1970", "14:31"}},
           std::pair{testing::kKoeln, std::pair{"29.02.2064", "03:15"}},
           std::pair{testing::kSydney, std::pair{"30.11.2031", "14:00"}},
           std::pair{testing::kReykjavik, std::pair{"01.07.1999", "23:59"}},
       }) {
    const chart::ChartRequest request =
        testing::chartRequest(person, transit.first, transit.second);
    const TransitRecord file = chart::computeTransitRecord(request);
    const Movers movers(chart::birthDataOf(request));
    const double t = chart::julianDayUt(request.transit);
    SCOPED_TRACE(std::string(person.birthDate) + " → " + transit.first);
    for (int f = 1; f <= factor::kLastInTables; ++f) {
      EXPECT_EQ(movers.radix().position(Variant::r, f), file.position(Variant::r, f)) << f;
      for (const MoverKind kind : kMoverKinds) {
        if (!moves(kind, f)) continue;
        // The Hamburg bodies are joined smoothly between whole days: within
        // a few thousandths of an arc second of the ephemeris, within a few
        // arc seconds while the Sun passes them.
        const double sun = file.position(variantOf(kind), factor::SO);
        const bool nearSun =
            std::fabs(std::remainder(file.position(variantOf(kind), f) - sun, 360.0)) < 3;
        const double tolerance =
            isSmoothedBody(f) && kind != MoverKind::solarArc ? (nearSun ? 2e-3 : 1e-6) : 1e-9;
        EXPECT_NEAR(movers.motion(kind, f, t).longitude, file.position(variantOf(kind), f),
                    tolerance)
            << factorVariantName(f, variantOf(kind));
      }
    }
    // What does not move stays where the file has it.
    EXPECT_FALSE(moves(MoverKind::progressed, factor::WI));
    EXPECT_EQ(file.position(Variant::p, factor::WI), 0);
    EXPECT_NEAR(movers.arc(t).longitude, file.position(Variant::s, factor::WI), 1e-9);
  }
}

// Every speed is the rate at which the longitude changes per day of life:
// a day of life moves S and P by about ten arc seconds.
TEST(Movers, SpeedsArePerDayOfLife) {
  const chart::ChartRequest request = testing::chartRequest(testing::kKoeln, "01.01.2030", "00:00");
  const Movers movers(chart::birthDataOf(request));
  const double t = chart::julianDayUt(request.transit);
  constexpr double kDays = 0.05;
  for (int f = 1; f <= factor::kLastInTables; ++f) {
    for (const MoverKind kind : kMoverKinds) {
      if (!moves(kind, f)) continue;
      const double ahead = movers.motion(kind, f, t + kDays).longitude;
      const double behind = movers.motion(kind, f, t - kDays).longitude;
      const double measured = std::remainder(ahead - behind, 360.0) / (2 * kDays);
      const double speed = movers.motion(kind, f, t).speed;
      EXPECT_NEAR(speed, measured, 1e-3 * std::fabs(measured) + 1e-9)
          << factorVariantName(f, variantOf(kind));
      if (kind != MoverKind::transit) {
        EXPECT_LT(std::fabs(speed), 0.05) << f;
      }
    }
  }
}

}  // namespace
}  // namespace kelvaro::timing
