#include "timing/transit_calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <map>
#include <tuple>

#include "chart/ephemeris.h"
#include "core/std_ho.h"
#include "support/record_builder.h"

namespace kelvaro::timing {
namespace {

using testing::RecordBuilder;

chart::TimeZone zone(std::string_view name) {
  return std::get<chart::TimeZone>(chart::TimeZone::parse(name));
}

CalendarRequest request(chart::Date from, chart::Date to, std::string_view zoneName,
                        std::vector<int> bodies) {
  CalendarRequest asked;
  asked.from = from;
  asked.to = to;
  asked.zone = zone(zoneName);
  asked.bodies = std::move(bodies);
  return asked;
}

// Distance of a longitude from a point on the dial, in (−11.25, 11.25].
double dialDistance(double longitude, double point) {
  return std::remainder(longitude - point, kDial);
}

TEST(TransitCalendar, TheSunReachesTheAriesPointAtTheEquinox) {
  // WI and AS (45°) lie on 0° of the dial, and so does their midpoint 22.5°;
  // every other point lies at 0.5° or 1°, which the Sun reaches later.
  const TransitRecord record =
      RecordBuilder(1).at(Variant::r, factor::WI, 0).at(Variant::r, factor::AS, 45).build();
  // The March equinox of 2024 at 03:06 UT, of 2000 at 07:35 UT (08:35 in Berlin).
  const auto in2024 =
      transitCalendar(record, request({2024, 3, 20}, {2024, 3, 20}, "UT", {factor::SO}));
  ASSERT_TRUE(in2024);
  EXPECT_EQ(in2024->heading, "Auslösungen durch Transite auf der 22,5°-Scheibe");
  ASSERT_GE(in2024->lines.size(), 4u);
  EXPECT_EQ(in2024->lines[0], "Transit-Kalender vom 20.03.2024 bis 20.03.2024, Zeiten in UT");
  EXPECT_EQ(in2024->lines[1], "20.03.2024 03:06  SOt = WIr      00°00'  direkt");
  EXPECT_EQ(in2024->lines[2], "20.03.2024 03:06  SOt = ASr      00°00'  direkt");
  EXPECT_EQ(in2024->lines[3], "20.03.2024 03:06  SOt = WIr/ASr  00°00'  direkt");

  const auto in2000 =
      transitCalendar(record, request({2000, 3, 20}, {2000, 3, 20}, "Europe/Berlin", {factor::SO}));
  ASSERT_TRUE(in2000);
  ASSERT_GE(in2000->lines.size(), 2u);
  EXPECT_EQ(in2000->lines[0],
            "Transit-Kalender vom 20.03.2000 bis 20.03.2000, Zeiten in Europe/Berlin");
  EXPECT_EQ(in2000->lines[1], "20.03.2000 08:35  SOt = WIr      00°00'  direkt");
}

TEST(TransitCalendar, AStationCrossesAPointThreeTimes) {
  // Mercury turned on 1 April 2024 at 27.2186° and on 25 April at 15.98°.
  // 27° is crossed forward, backward and forward again; so is 27.2185°, and
  // its first two crossings lie within three hours around the station.
  const std::vector<RadixPoint> points = {{factor::MC, 0, 27.0}, {factor::AS, 0, 27.2185}};
  const auto from = chart::julianDayUt(2024, 3, 20, 0);
  const auto hits =
      calendarHits(points, std::vector<int>{factor::ME}, from, from + 60, DialSize::standard());
  ASSERT_TRUE(hits);
  for (std::size_t point = 0; point < points.size(); ++point) {
    std::vector<CalendarHit> ofPoint;
    for (const CalendarHit& hit : *hits) {
      if (hit.point == point) ofPoint.push_back(hit);
    }
    std::sort(ofPoint.begin(), ofPoint.end(),
              [](const auto& a, const auto& b) { return a.julianDay < b.julianDay; });
    ASSERT_EQ(ofPoint.size(), 3u) << point;
    EXPECT_TRUE(ofPoint[0].direct);
    EXPECT_FALSE(ofPoint[1].direct);
    EXPECT_TRUE(ofPoint[2].direct);
    for (const CalendarHit& hit : ofPoint) {
      const chart::BodyPosition at = chart::bodyPosition(factor::ME, hit.julianDay);
      // Within a minute of the moment (a fraction of an arc second at the station).
      EXPECT_LT(std::fabs(dialDistance(at.longitude, points[point].longitude)),
                1e-6 + std::fabs(at.speed) / 1440);
    }
    if (point == 1) {
      EXPECT_LT(ofPoint[1].julianDay - ofPoint[0].julianDay, 3.0 / 24);
    }
  }
}

TEST(TransitCalendar, LinesAreSortedByMinuteThenBodyThenPoint) {
  const TransitRecord record = RecordBuilder(17.3)
                                   .at(Variant::r, factor::MC, 100.1)
                                   .at(Variant::r, factor::SO, 200.7)
                                   .at(Variant::r, factor::AS, 300.2)
                                   .build();
  CalendarRequest asked = request({2031, 5, 1}, {2031, 6, 30}, "America/New_York",
                                  {factor::SO, factor::MO, factor::ME, factor::MA});
  const auto result = transitCalendar(record, asked);
  ASSERT_TRUE(result);
  // The places of the bodies and points in their lists, by their texts.
  std::map<std::string, std::size_t> bodyPlace;
  for (std::size_t i = 0; i < kCalendarBodies.size(); ++i) {
    bodyPlace[factorVariantName(kCalendarBodies[i], Variant::t)] = i;
  }
  std::map<std::string, std::size_t> pointPlace;
  const std::vector<RadixPoint> points = radixPoints(record, CalendarPoints::all, {});
  for (std::size_t i = 0; i < points.size(); ++i) {
    std::string name = factorVariantName(points[i].first, Variant::r);
    if (points[i].second != 0) name += "/" + factorVariantName(points[i].second, Variant::r);
    name.resize(7, ' ');
    pointPlace[name] = i;
  }
  // "DD.MM.YYYY hh:mm  SAt = MCr/SOr  07°30'  direkt": the minute shown, the
  // body and the point must never go backwards.
  std::tuple<std::string, std::size_t, std::size_t> previous;
  std::size_t ties = 0;
  for (std::size_t i = 1; i < result->lines.size(); ++i) {
    const std::string line(result->lines[i]);
    const std::string minute =
        line.substr(6, 4) + line.substr(3, 2) + line.substr(0, 2) + line.substr(11, 5);
    ASSERT_TRUE(bodyPlace.count(line.substr(18, 3)) && pointPlace.count(line.substr(24, 7)))
        << line;
    const auto current =
        std::make_tuple(minute, bodyPlace[line.substr(18, 3)], pointPlace[line.substr(24, 7)]);
    EXPECT_LE(previous, current) << line;
    ties += std::get<0>(previous) == minute;
    previous = current;
  }
  // Hits within the same minute happen (the 22 factors all stand at 17.3°).
  EXPECT_GT(ties, 0u);
}

TEST(TransitCalendar, PointsFollowTheChoiceAndTheFactorFilter) {
  const TransitRecord record = RecordBuilder(3).at(Variant::r, factor::MC, 350).build();
  EXPECT_EQ(radixPoints(record, CalendarPoints::factors, {}).size(), 22u);
  EXPECT_EQ(radixPoints(record, CalendarPoints::midpoints, {}).size(), 231u);
  const auto all = radixPoints(record, CalendarPoints::all, {});
  ASSERT_EQ(all.size(), 253u);
  EXPECT_EQ(all[0].first, factor::MC);
  EXPECT_EQ(all[21].first, factor::PO);
  EXPECT_EQ(all[22].first, factor::MC);
  EXPECT_EQ(all[22].second, factor::WI);
  EXPECT_DOUBLE_EQ(all[22].longitude, 176.5);  // (350 + 3) / 2, not the shorter arc
  EXPECT_EQ(all[252].first, 21);
  EXPECT_EQ(all[252].second, factor::PO);

  const std::vector<int> with = {factor::MC, factor::SO};
  const auto filtered = radixPoints(record, CalendarPoints::all, with);
  EXPECT_EQ(filtered.size(), 2u + 21u + 20u);
  for (const RadixPoint& p : filtered) {
    EXPECT_TRUE(p.first == factor::MC || p.first == factor::SO || p.second == factor::SO);
  }
  EXPECT_EQ(radixPoints(record, CalendarPoints::midpoints, with).size(), 41u);
}

// The minute shown is the nearest to the exact moment, rounded once:
// 89.6 s after 12:00 is 12:01, not (by way of 12:01:30) 12:02.
TEST(TransitCalendar, TheMinuteShownIsTheNearest) {
  const auto noon =
      std::chrono::sys_days(std::chrono::year(2026) / 1 / 15) + std::chrono::hours(12);
  const double julianNoon = chart::julianDayUt(std::chrono::sys_seconds(noon));
  const auto shown = [&](const char* zoneName, double seconds) {
    return shownMinute(zone(zoneName), julianNoon + seconds / 86400).local;
  };
  EXPECT_EQ(shown("UT", 89.6), (chart::LocalTime{{2026, 1, 15}, {12, 1, 0}}));
  EXPECT_EQ(shown("UT", 90.4), (chart::LocalTime{{2026, 1, 15}, {12, 2, 0}}));
  EXPECT_EQ(shown("UT", 29.6), (chart::LocalTime{{2026, 1, 15}, {12, 0, 0}}));
  EXPECT_EQ(shown("UT", 149.7), (chart::LocalTime{{2026, 1, 15}, {12, 2, 0}}));
  EXPECT_EQ(shown("UT", -30.2), (chart::LocalTime{{2026, 1, 15}, {11, 59, 0}}));
  EXPECT_EQ(shown("Europe/Berlin", 89.6), (chart::LocalTime{{2026, 1, 15}, {13, 1, 0}}));
  EXPECT_EQ(shown("+05:30", 89.6), (chart::LocalTime{{2026, 1, 15}, {17, 31, 0}}));
  EXPECT_EQ(shownMinute(zone("Europe/Berlin"), julianNoon + 89.6 / 86400).ut,
            std::chrono::sys_seconds(noon + std::chrono::minutes(1)));
}

}  // namespace
}  // namespace kelvaro::timing
