// The calendar against an independent search on the same ephemeris: every
// body sampled at a fine, fixed step, a crossing wherever the distance to a
// point on the dial changes its sign, its moment by interpolation and one
// Newton step. Random records, ranges from 1950 to 2060, several zones, the
// standard dial and the larger ones. Both take the bodies as the searches
// see them (the Hamburg bodies smoothed).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <tuple>

#include "chart/ephemeris.h"
#include "core/std_ho.h"
#include "timing/smooth_bodies.h"
#include "timing/transit_calendar.h"

namespace kelvaro::timing {
namespace {

constexpr double kMinute = 1.0 / 1440;

double fineStep(int body) {
  if (body == factor::MO) return 10 * kMinute;
  if (body == factor::SO || body == factor::ME || body == factor::VE || body == factor::MA) {
    return 60 * kMinute;
  }
  return 360 * kMinute;
}

// The signed distance of a longitude from a point on a dial of `size` degrees.
double dialDistance(double longitude, double point, double size) {
  return std::remainder(longitude - point, size);
}

std::vector<CalendarHit> independentSearch(const std::vector<RadixPoint>& points,
                                           const std::vector<int>& bodies, double from, double to,
                                           double size = kDial) {
  const auto dialDistance = [size](double longitude, double point) {
    return timing::dialDistance(longitude, point, size);
  };
  std::vector<CalendarHit> hits;
  for (const int body : bodies) {
    const double step = fineStep(body);
    std::vector<double> before(points.size());
    double t0 = from;
    const double l0 = bodyMotion(body, t0).longitude;
    for (std::size_t p = 0; p < points.size(); ++p)
      before[p] = dialDistance(l0, points[p].longitude);
    while (t0 < to) {
      const double t1 = std::min(t0 + step, to);
      const double l1 = bodyMotion(body, t1).longitude;
      for (std::size_t p = 0; p < points.size(); ++p) {
        const double d0 = before[p];
        const double d1 = dialDistance(l1, points[p].longitude);
        before[p] = d1;
        // A sign change without the jump from one end of the dial to the other.
        if ((d0 < 0) == (d1 < 0) || std::fabs(d1 - d0) > size / 2) continue;
        double t = t0 + (t1 - t0) * (-d0) / (d1 - d0);
        const Motion at = bodyMotion(body, t);
        const double correction = -dialDistance(at.longitude, points[p].longitude) / at.speed;
        if (std::fabs(correction) < step) t += correction;
        if (t >= from && t < to) hits.push_back({t, body, p, d1 > d0});
      }
      t0 = t1;
    }
  }
  return hits;
}

// A body that turns within a day of t: there two crossings may lie closer
// together than the fine step, and a moment is less sharp.
bool nearStation(int body, double t) {
  return (bodyMotion(body, t - 1).speed < 0) != (bodyMotion(body, t + 1).speed < 0);
}

// Matches the two lists per body, point and direction, in time order.
void compare(std::vector<CalendarHit> found, std::vector<CalendarHit> expected, double from,
             double to) {
  using Key = std::tuple<int, std::size_t, bool>;
  std::map<Key, std::vector<double>> calendar;
  std::map<Key, std::vector<double>> independent;
  for (const CalendarHit& h : found) calendar[{h.body, h.point, h.direct}].push_back(h.julianDay);
  for (const CalendarHit& h : expected) {
    independent[{h.body, h.point, h.direct}].push_back(h.julianDay);
  }
  const auto excused = [&](int body, double t) {
    return nearStation(body, t) || t - from < 2 * kMinute || to - t < 2 * kMinute;
  };
  for (auto& [key, times] : independent) {
    std::vector<double>& ours = calendar[key];
    const int body = std::get<0>(key);
    for (const double t : times) {
      const double speed = std::fabs(bodyMotion(body, t).speed);
      // Two minutes, or a hundredth of an arc second of motion near a station.
      const double tolerance = 2 * kMinute + 3e-6 / speed;
      const auto nearest = std::min_element(ours.begin(), ours.end(), [t](double a, double b) {
        return std::fabs(a - t) < std::fabs(b - t);
      });
      if (nearest != ours.end() && std::fabs(*nearest - t) <= tolerance) {
        ours.erase(nearest);
      } else {
        EXPECT_TRUE(excused(body, t))
            << "missing: body " << body << " point " << std::get<1>(key) << " at JD " << t;
      }
    }
  }
  for (const auto& [key, times] : calendar) {
    for (const double t : times) {
      EXPECT_TRUE(excused(std::get<0>(key), t))
          << "extra: body " << std::get<0>(key) << " point " << std::get<1>(key) << " at JD " << t;
    }
  }
}

TEST(CalendarCrossCheck, AgreesWithAnIndependentSearch) {
  std::mt19937 random(20261208);
  std::uniform_real_distribution<double> longitude(0, 360);
  std::uniform_int_distribution<int> year(1950, 2059);
  std::uniform_int_distribution<int> month(1, 12);
  std::uniform_int_distribution<int> day(1, 28);
  const std::vector<std::string> zones = {
      "Europe/Berlin", "UT", "America/New_York", "+05:30", "Australia/Sydney", "Asia/Tokyo"};
  for (int round = 0; round < 6; ++round) {
    TransitRecord record;
    for (int f = 1; f <= factor::kLastInTables; ++f) {
      record.setPosition(Variant::r, f, longitude(random));
    }
    CalendarRequest asked;
    asked.from = {year(random), month(random), day(random)};
    const bool withMoon = round % 2 == 0;
    // Ten days with the Moon, six weeks without.
    chart::Date to = asked.from;
    to.day += withMoon ? 9 : 0;
    to.month = withMoon ? to.month : to.month % 12 + 1;
    to.year += asked.from.month == 12 && !withMoon ? 1 : 0;
    asked.to = to;
    asked.zone =
        std::get<chart::TimeZone>(chart::TimeZone::parse(zones[static_cast<std::size_t>(round)]));
    for (const int body : kCalendarBodies) {
      if (withMoon || body != factor::MO) asked.bodies.push_back(body);
    }
    const std::vector<RadixPoint> points = radixPoints(record, CalendarPoints::all, {});
    const auto [from, end] = calendarRange(asked);
    const auto found = calendarHits(points, asked.bodies, from, end, asked.dial);
    ASSERT_TRUE(found);
    const auto expected = independentSearch(points, asked.bodies, from, end);
    SCOPED_TRACE(chart::dateText(asked.from) + " " + asked.zone.name());
    EXPECT_GT(expected.size(), 100u);
    compare(*found, expected, from, end);
    const auto lines = transitCalendar(record, asked);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->lines.size(), found->size() + 1);
  }
}

// A random record and two months in 2031, the slow bodies and the Sun.
struct OtherDialCase {
  TransitRecord record;
  CalendarRequest asked;
};

OtherDialCase otherDialCase(DialSize dial, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> longitude(0, 360);
  OtherDialCase c;
  for (int f = 1; f <= factor::kLastInTables; ++f) {
    c.record.setPosition(Variant::r, f, longitude(random));
  }
  c.asked.from = {2031, 3, 1};
  c.asked.to = {2031, 4, 30};
  c.asked.zone = std::get<chart::TimeZone>(chart::TimeZone::parse("Europe/Berlin"));
  c.asked.bodies = defaultCalendarBodies();
  c.asked.bodies.insert(c.asked.bodies.begin(), factor::SO);
  c.asked.dial = dial;
  return c;
}

TEST(CalendarCrossCheck, AgreesOnTheOtherDials) {
  for (const DialSize dial :
       {DialSize(DialSize::Kind::quarter), DialSize(DialSize::Kind::eighth),
        DialSize(DialSize::Kind::full), DialSize(DialSize::Kind::thirtySecond)}) {
    SCOPED_TRACE(dial.label());
    const OtherDialCase c = otherDialCase(dial, 45 + static_cast<unsigned>(dial.kind()));
    const std::vector<RadixPoint> points = radixPoints(c.record, CalendarPoints::all, {});
    const auto [from, end] = calendarRange(c.asked);
    const auto found = calendarHits(points, c.asked.bodies, from, end, dial);
    ASSERT_TRUE(found);
    const auto expected = independentSearch(points, c.asked.bodies, from, end, dial.degrees());
    // The larger the dial, the fewer the hits: a quarter of the 22.5° ones on 90°.
    EXPECT_GT(expected.size(), dial.degrees() > 90 ? 20u : 100u);
    compare(*found, expected, from, end);
    // Every hit stands on its point's axis of this dial, and no other dial's
    // hit is among them: on 90° a body 22.5° from a point is no hit.
    for (const CalendarHit& hit : *found) {
      const double d = dialDistance(bodyMotion(hit.body, hit.julianDay).longitude,
                                    points[hit.point].longitude, dial.degrees());
      EXPECT_LT(std::fabs(d), 1e-4) << "body " << hit.body << " at JD " << hit.julianDay;
    }
    const auto lines = transitCalendar(c.record, c.asked);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->heading, "Auslösungen durch Transite auf der " + dial.label());
    EXPECT_NE(lines->lines[0].find(" auf der " + dial.label() + ", Zeiten in"), std::string::npos);
  }
}

}  // namespace
}  // namespace kelvaro::timing
