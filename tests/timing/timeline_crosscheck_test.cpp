// The timeline's S and P against an independent search on the same
// ephemeris: the radix, the solar arc and the progressions worked out from
// their definitions at a fixed step of a few days of life, a crossing
// wherever the distance of a mover from a point on the dial changes its
// sign, its moment by interpolation. Random persons, ranges of fifteen
// years; the two lists must agree to a day.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <tuple>

#include "chart/directions.h"
#include "chart/ephemeris.h"
#include "chart/transit_chart.h"
#include "core/std_ho.h"
#include "timing/calendar_entry.h"
#include "timing/timeline.h"

namespace kelvaro::timing {
namespace {

constexpr double kStep = 5;  // days of life
constexpr double kYear = 365.242189;

// Every factor MC … PO of R, S and P at one moment, from their definitions.
struct Positions {
  std::array<double, factor::kLastInTables + 1> s{};
  std::array<double, factor::kLastInTables + 1> p{};
};

class Person {
 public:
  Person(double birth, double latitude, double longitude) : birth_(birth), latitude_(latitude) {
    const chart::Angles angles = chart::anglesAt(birth, latitude, longitude);
    for (int f = 1; f <= factor::kLastInTables; ++f) {
      radix_[f] = chart::isBodyFactor(f) ? chart::bodyPosition(f, birth).longitude : 0;
    }
    radix_[factor::MC] = angles.mc;
    radix_[factor::AS] = angles.as;
  }

  double radix(int f) const { return radix_[f]; }

  Positions at(double t) const {
    Positions positions;
    const double progressed = birth_ + (t - birth_) / kYear;
    const double arc = chart::bodyPosition(factor::SO, progressed).longitude - radix_[factor::SO];
    for (int f = 1; f <= factor::kLastInTables; ++f) {
      positions.s[f] = radix_[f] + arc;
      if (chart::isBodyFactor(f)) positions.p[f] = chart::bodyPosition(f, progressed).longitude;
    }
    positions.p[factor::MC] = radix_[factor::MC] + arc;
    positions.p[factor::AS] =
        chart::ascendantForMc(positions.p[factor::MC], latitude_, chart::trueObliquity(progressed));
    positions.p[factor::WI] = std::nan("");  // WI does not progress
    return positions;
  }

 private:
  double birth_;
  double latitude_;
  std::array<double, factor::kLastInTables + 1> radix_{};
};

double dialDistance(double longitude, double point) {
  return std::remainder(longitude - point, kDial);
}

using Key = std::tuple<MoverKind, int, std::size_t, bool>;  // mover, factor, point, direct

std::map<Key, std::vector<double>> independentSearch(const Person& person,
                                                     const std::vector<RadixPoint>& points,
                                                     double from, double to) {
  std::map<Key, std::vector<double>> found;
  Positions before = person.at(from);
  for (double t0 = from; t0 < to;) {
    const double t1 = std::min(t0 + kStep, to);
    const Positions after = person.at(t1);
    for (const MoverKind kind : {MoverKind::solarArc, MoverKind::progressed}) {
      const auto& a = kind == MoverKind::solarArc ? before.s : before.p;
      const auto& b = kind == MoverKind::solarArc ? after.s : after.p;
      for (int f = 1; f <= factor::kLastInTables; ++f) {
        if (std::isnan(a[f])) continue;
        for (std::size_t p = 0; p < points.size(); ++p) {
          const double d0 = dialDistance(a[f], points[p].longitude);
          const double d1 = dialDistance(b[f], points[p].longitude);
          // A sign change without the jump from one end of the dial to the other.
          if ((d0 < 0) == (d1 < 0) || std::fabs(d1 - d0) > kDial / 2) continue;
          const double t = t0 + (t1 - t0) * (-d0) / (d1 - d0);
          if (t >= from && t < to) found[{kind, f, p, d1 > d0}].push_back(t);
        }
      }
    }
    before = after;
    t0 = t1;
  }
  return found;
}

// A progressed body that turns within a month of life of t: there its
// crossings may lie closer together than the step.
bool nearStation(const Person& person, int f, double t) {
  if (!chart::isBodyFactor(f)) return false;
  return (person.at(t - 30).p[f] - person.at(t - 29).p[f] < 0) !=
         (person.at(t + 29).p[f] - person.at(t + 30).p[f] < 0);
}

TEST(TimelineCrossCheck, DirectionsAgreeWithAFineStepSearchToADay) {
  std::mt19937 random(20270101);
  std::uniform_int_distribution<int> year(1900, 1999);
  std::uniform_int_distribution<int> day(1, 28);
  std::uniform_int_distribution<int> month(1, 12);
  std::uniform_real_distribution<double> latitude(-60, 65);
  std::uniform_real_distribution<double> longitude(-180, 180);
  std::uniform_int_distribution<int> age(0, 70);
  for (int round = 0; round < 3; ++round) {
    using namespace std::chrono;
    const int born = year(random);
    chart::BirthData birth;
    birth.name = "Person " + std::to_string(round);
    birth.moment = sys_days{std::chrono::year{born} / month(random) / day(random)} +
                   minutes{std::uniform_int_distribution<int>(0, 1439)(random)};
    birth.latitude = latitude(random);
    birth.longitude = longitude(random);
    CalendarRequest asked;
    asked.from = {born + age(random), month(random), day(random)};
    asked.to = {asked.from.year + 15, asked.from.month, asked.from.day};
    asked.movers = {true, true, false};
    asked.factors = allDirectedFactors();
    const auto result = timeline(birth, asked);
    ASSERT_TRUE(result);

    const Person person(chart::julianDayUt(birth.moment), birth.latitude, birth.longitude);
    for (int f = 1; f <= factor::kLastInTables; ++f) {
      EXPECT_EQ(person.radix(f), chart::radixRecord(birth).position(Variant::r, f));
    }
    const auto [from, to] = calendarRange(asked);
    auto expected = independentSearch(person, result->points, from, to);
    SCOPED_TRACE(chart::dateText(asked.from) + " " + std::to_string(round));
    std::size_t count = 0;
    for (const auto& entry : expected) count += entry.second.size();
    EXPECT_GT(count, 3000u);

    const auto excused = [&, start = from, end = to](int f, double t) {
      return nearStation(person, f, t) || t - start < kStep || end - t < kStep;
    };
    for (const TimelineHit& hit : result->hits) {
      std::vector<double>& times = expected[{hit.kind, hit.factor, hit.point, hit.direct}];
      const auto nearest = std::min_element(times.begin(), times.end(), [&hit](double a, double b) {
        return std::fabs(a - hit.julianDay) < std::fabs(b - hit.julianDay);
      });
      if (nearest != times.end() && std::fabs(*nearest - hit.julianDay) < 1) {
        times.erase(nearest);
      } else {
        EXPECT_TRUE(excused(hit.factor, hit.julianDay))
            << "extra: " << factorVariantName(hit.factor, variantOf(hit.kind)) << " "
            << pointText(result->points[hit.point]) << " at JD " << hit.julianDay;
      }
    }
    for (const auto& [key, times] : expected) {
      for (const double t : times) {
        EXPECT_TRUE(excused(std::get<1>(key), t))
            << "missing: " << factorVariantName(std::get<1>(key), variantOf(std::get<0>(key)))
            << " " << pointText(result->points[std::get<2>(key)]) << " at JD " << t;
      }
    }
  }
}

}  // namespace
}  // namespace kelvaro::timing
