#include "timing/timeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "chart/directions.h"
#include "chart/ephemeris.h"
#include "core/std_ho.h"
#include "support/birth_data.h"
#include "timing/calendar_entry.h"

namespace kelvaro::timing {
namespace {

constexpr MoverChoice kDirections{true, true, false};

CalendarRequest request(chart::Date from, chart::Date to, MoverChoice movers,
                        std::string_view zone = "Europe/Berlin") {
  CalendarRequest asked;
  asked.from = from;
  asked.to = to;
  asked.zone = std::get<chart::TimeZone>(chart::TimeZone::parse(zone));
  asked.movers = movers;
  asked.bodies = defaultCalendarBodies();
  asked.factors = allDirectedFactors();
  return asked;
}

// The moment in [a, b] at which an increasing function reaches zero.
template <typename F>
double root(F f, double a, double b) {
  for (int i = 0; i < 80; ++i) {
    const double middle = (a + b) / 2;
    (f(middle) < 0 ? a : b) = middle;
  }
  return (a + b) / 2;
}

std::string localDay(double julianDay, std::string_view zone) {
  const auto parsed = std::get<chart::TimeZone>(chart::TimeZone::parse(zone));
  return chart::dateText(parsed.toLocal(chart::utMoment(julianDay)).date);
}

// SAs on MCr, worked out from the ephemeris alone: the arc that brings the
// radix Saturn onto the radix MC on the dial, the moment the progressed Sun
// has gone that far, and the moments it is 1°12' short and beyond.
TEST(Timeline, ASolarArcHitWorkedOutByHand) {
  const chart::BirthData birth = testing::birthData(testing::kKoeln);
  const double b = chart::julianDayUt(birth.moment);
  const auto radix = [b, &birth](int f) {
    if (f == factor::MC) return chart::anglesAt(b, birth.latitude, birth.longitude).mc;
    return chart::bodyPosition(f, b).longitude;
  };
  const double sunAtBirth = radix(factor::SO);
  // The second time: the first comes within the orb before the birth.
  const double needed = std::fmod(radix(factor::MC) - radix(factor::SA) + 360, kDial) + kDial;
  // The arc as a function of the moment, for the first 40 years.
  const auto arcMinus = [&](double degrees) {
    return [&, degrees](double t) {
      const double progressed = b + (t - b) / 365.242189;
      const double arc = chart::normalizedDegrees(
          chart::bodyPosition(factor::SO, progressed).longitude - sunAtBirth);
      return arc - degrees;
    };
  };
  const double hit = root(arcMinus(needed), b, b + 40 * 365.25);
  const double entered = root(arcMinus(needed - 1.2), b, b + 40 * 365.25);
  const double left = root(arcMinus(needed + 1.2), b, b + 40 * 365.25);

  CalendarRequest asked = request({1970, 3, 5}, {2010, 3, 4}, {true, false, false});
  asked.factors = {factor::SA};
  asked.points = CalendarPoints::factors;
  asked.with = {factor::MC};
  asked.orb = 1.2;
  const auto result = timeline(birth, asked);
  ASSERT_TRUE(result);
  ASSERT_GE(result->result.lines.size(), 2u);
  EXPECT_EQ(result->result.heading, timelineHeading(DialSize::standard()));
  EXPECT_EQ(result->result.lines[0],
            "Zeitleiste für Müller, Anna vom 05.03.1970 bis 04.03.2010, Zeiten in Europe/Berlin");
  const std::string expected = localDay(hit, "Europe/Berlin") + "         SAs = MCr      " +
                               winkel_text(radix(factor::MC), 2, AngleMode::dial22) +
                               "  direkt      wirksam " + localDay(entered, "Europe/Berlin") + "–" +
                               localDay(left, "Europe/Berlin");
  ASSERT_GE(result->result.lines.size(), 3u);
  EXPECT_EQ(result->result.lines[2], expected);
  // To a minute: a day of life moves the arc by ten arc seconds.
  EXPECT_NEAR(result->hits[1].julianDay, hit, 1.0 / 1440);
}

// Progressed Mercury turns twice in the life of someone born a month before
// Mercury's station of 1 April 2024 (retrograde at 27.22°, direct again on
// 25 April at 15.98°): every place between is crossed three times, forward,
// back and forward.
TEST(Timeline, AProgressedStationGivesItsPasses) {
  const chart::BirthData birth =
      testing::birthData({"Stern", "Lina", "01.03.2024", "12:00", "UT", "48°08' N", "11°35' O"});
  CalendarRequest asked = request({2024, 3, 1}, {2123, 12, 31}, {false, true, false}, "UT");
  asked.factors = {factor::ME};
  const auto result = timeline(birth, asked);
  ASSERT_TRUE(result);
  const double b = chart::julianDayUt(birth.moment);
  const auto mercury = [b](double t) {
    return chart::bodyPosition(factor::ME, chart::progressedDay(b, t));
  };
  const auto inLife = [b](double day) { return b + (day - b) * 365.242189; };
  const double turnsBack = inLife(
      root([](double d) { return -chart::bodyPosition(factor::ME, d).speed; }, b + 14, b + 45));
  const double turnsOn = inLife(
      root([](double d) { return chart::bodyPosition(factor::ME, d).speed; }, b + 45, b + 70));

  // The hits of each place: a point, and where on the circle Mercury meets it
  // (to the distance it moves in an hour of life).
  std::map<std::pair<std::size_t, long>, std::vector<const TimelineHit*>> places;
  for (const TimelineHit& hit : result->hits) {
    const double at = mercury(hit.julianDay).longitude;
    EXPECT_LT(std::fabs(std::remainder(at - result->points[hit.point].longitude, kDial)), 3e-4);
    places[{hit.point, std::lround(at * 100)}].push_back(&hit);
  }
  int loops = 0;
  for (const auto& [place, hits] : places) {
    SCOPED_TRACE(pointText(result->points[place.first]));
    if (hits.size() == 1) {
      EXPECT_EQ(hits[0]->passes, 1);
      EXPECT_TRUE(hits[0]->direct);
      continue;
    }
    ++loops;
    ASSERT_EQ(hits.size(), 3u);
    for (int n = 0; n < 3; ++n) {
      EXPECT_EQ(hits[n]->pass, n + 1);
      EXPECT_EQ(hits[n]->passes, 3);
      EXPECT_EQ(hits[n]->direct, n != 1);
    }
    EXPECT_LT(hits[0]->julianDay, turnsBack);
    EXPECT_GT(hits[1]->julianDay, turnsBack);
    EXPECT_LT(hits[1]->julianDay, turnsOn);
    EXPECT_GT(hits[2]->julianDay, turnsOn);
  }
  // The loop spans 11.2°, half of the dial's 22.5°: about half the points.
  EXPECT_GT(loops, 100);
  const auto second = std::find_if(result->hits.begin(), result->hits.end(),
                                   [](const TimelineHit& h) { return h.pass == 2; });
  ASSERT_NE(second, result->hits.end());
  const std::string line(result->result.lines[1 + (second - result->hits.begin())]);
  EXPECT_EQ(line.substr(kHitTextColumn, 6), "MEp = ") << line;
  EXPECT_TRUE(line.ends_with("  rückläufig  (2/3)")) << line;
}

// A pass has its number whatever range shows it: the numbers of a year are
// those of three years around it, for the transits of the slow bodies (whose
// loops overlap) and the progressions.
TEST(Timeline, PassesAreNumberedWhateverTheRange) {
  const chart::BirthData birth = testing::birthData(testing::kSydney);
  const auto whole = timeline(birth, request({2025, 1, 1}, {2027, 12, 31}, {false, true, true}));
  const auto part = timeline(birth, request({2026, 1, 1}, {2026, 12, 31}, {false, true, true}));
  ASSERT_TRUE(whole && part);
  using Mover = std::tuple<MoverKind, int, std::size_t>;
  std::multimap<Mover, const TimelineHit*> all;
  for (const TimelineHit& hit : whole->hits) all.insert({{hit.kind, hit.factor, hit.point}, &hit});
  // The passes of a mover on a point with the same count, lowest and highest.
  std::map<std::tuple<MoverKind, int, std::size_t, int>, std::pair<int, int>> shown;
  for (const TimelineHit& hit : part->hits) {
    const auto [first, last] = all.equal_range({hit.kind, hit.factor, hit.point});
    // The same crossing, found from other samples: as exact as the motion
    // allows, which near a turn is less than a second.
    const auto same = std::find_if(first, last, [&hit](const auto& other) {
      return other.second->direct == hit.direct &&
             std::fabs(other.second->julianDay - hit.julianDay) < 1.0 / 24;
    });
    ASSERT_NE(same, last) << factorName(hit.factor);
    EXPECT_EQ(hit.pass, same->second->pass) << factorName(hit.factor);
    EXPECT_EQ(hit.passes, same->second->passes) << factorName(hit.factor);
    if (hit.passes == 1) continue;
    auto& range = shown
                      .try_emplace({hit.kind, hit.factor, hit.point, hit.passes},
                                   std::pair{hit.pass, hit.pass})
                      .first->second;
    range = {std::min(range.first, hit.pass), std::max(range.second, hit.pass)};
  }
  // Loops the year cuts: passes before it, and passes after it.
  int before = 0;
  int after = 0;
  for (const auto& [mover, range] : shown) {
    before += range.first > 1;
    after += range.second < std::get<3>(mover);
  }
  EXPECT_GT(before, 10);
  EXPECT_GT(after, 10);
}

TEST(Timeline, LinesGoByDayThenSPTThenFactorAndPoint) {
  const chart::BirthData birth = testing::birthData(testing::kReykjavik);
  const auto result = timeline(birth, request({2030, 1, 1}, {2030, 6, 30}, {true, true, true}));
  ASSERT_TRUE(result);
  ASSERT_EQ(result->result.lines.size(), result->hits.size() + 1);
  const auto key = [](const TimelineHit& h) {
    const long long place =
        h.kind == MoverKind::transit
            ? std::find(kCalendarBodies.begin(), kCalendarBodies.end(), h.factor) -
                  kCalendarBodies.begin()
            : h.factor;
    return std::make_tuple(h.shown, h.kind, place, h.point);
  };
  std::map<MoverKind, int> kinds;
  for (std::size_t i = 0; i < result->hits.size(); ++i) {
    const TimelineHit& hit = result->hits[i];
    const std::string line(result->result.lines[i + 1]);
    ++kinds[hit.kind];
    if (i > 0) {
      EXPECT_LE(key(result->hits[i - 1]), key(hit)) << line;
    }
    // The date (and the time of T) stand before the text, which begins at
    // the same column in every line.
    EXPECT_EQ(line.substr(0, 10), chart::dateText(hit.shownLocal.date)) << line;
    const std::string mover = factorVariantName(hit.factor, variantOf(hit.kind));
    EXPECT_EQ(line.substr(kHitTextColumn, mover.size() + 3), mover + " = ") << line;
    if (hit.kind != MoverKind::transit) {
      EXPECT_EQ(line.substr(10, kHitTextColumn - 10), std::string(9, ' ')) << line;
    } else {
      EXPECT_EQ(line.substr(11, 5), chart::minuteText(hit.shownLocal.time)) << line;
    }
  }
  EXPECT_GT(kinds[MoverKind::solarArc], 100);
  EXPECT_GT(kinds[MoverKind::progressed], 50);
  EXPECT_GT(kinds[MoverKind::transit], 100);
}

TEST(Timeline, DirectionsBeginAtTheBirthAndCancelLeavesNothing) {
  const chart::BirthData birth = testing::birthData(testing::kKoeln);
  const auto result = timeline(birth, request({1960, 1, 1}, {1975, 12, 31}, kDirections));
  ASSERT_TRUE(result);
  ASSERT_FALSE(result->hits.empty());
  EXPECT_GE(result->hits.front().julianDay, chart::julianDayUt(birth.moment));

  double seen = 0;
  const auto stopped =
      timeline(birth, request({1970, 1, 1}, {2060, 12, 31}, kDirections), [&seen](double done) {
        seen = done;
        return done < 0.5;
      });
  EXPECT_FALSE(stopped);
  EXPECT_GE(seen, 0.5);
  EXPECT_LT(seen, 0.6);
}

// At the birth S and P stand on the radix; that is no hit. The progressed
// AS is the ascendant of the progressed MC, which misses the radix AS by
// rounding: it used to "reach" it at once (ASp = ASr on the day of birth).
TEST(Timeline, NoMoverReachesItsOwnRadixPlaceAtTheBirth) {
  int births = 0;
  for (const char* date : {"03.06.1985", "11.06.1985", "27.06.1985"}) {
    for (const char* time : {"00:07", "03:07", "03:41", "06:41", "18:41", "21:07", "21:41"}) {
      const testing::Person person = {"Geburt",        "",         date,      time,
                                      "Europe/Berlin", "52°31' N", "13°24' O"};
      const chart::BirthData birth = testing::birthData(person);
      const Movers movers(birth);
      EXPECT_EQ(movers.motion(MoverKind::progressed, factor::AS, movers.birth()).longitude,
                movers.radix().position(Variant::r, factor::AS))
          << date << " " << time;
      const chart::Date day = birth.zone.toLocal(birth.moment).date;
      auto asked = request(day, chart::nextDay(day), kDirections);
      asked.points = CalendarPoints::factors;
      const auto result = timeline(birth, asked);
      ASSERT_TRUE(result);
      for (const TimelineHit& hit : result->hits) {
        EXPECT_NE(hit.factor, result->points[hit.point].first)
            << date << " " << time << ": " << result->result.lines[1];
      }
      ++births;
    }
  }
  EXPECT_EQ(births, 21);
}

}  // namespace
}  // namespace kelvaro::timing

namespace kelvaro::timing {
namespace {

// The moments in [from, to) at which a mover's longitude minus a point is a
// multiple of `size`: sampled every `step` days, each sign change bisected.
std::vector<double> bruteForceCrossings(const Movers& movers, MoverKind kind, int factor,
                                        double point, double size, double from, double to,
                                        double step) {
  const auto distance = [&](double t) {
    return std::remainder(movers.motion(kind, factor, t).longitude - point, size);
  };
  std::vector<double> found;
  double d0 = distance(from);
  for (double t0 = from; t0 < to; t0 += step) {
    const double t1 = std::min(t0 + step, to);
    const double d1 = distance(t1);
    if ((d0 < 0) != (d1 < 0) && std::fabs(d1 - d0) < size / 2) {
      double a = t0;
      double b = t1;
      for (int i = 0; i < 60; ++i) {
        const double middle = (a + b) / 2;
        ((distance(middle) < 0) == (d0 < 0) ? a : b) = middle;
      }
      found.push_back((a + b) / 2);
    }
    d0 = d1;
  }
  return found;
}

// S, P and T on the 90° dial against a brute-force search of each mover:
// every hit of the timeline is one of its crossings and none is missing.
TEST(Timeline, OnTheNinetyDegreeDialAgreesWithABruteForceSearch) {
  const chart::BirthData birth = testing::birthData(testing::kKoeln);
  const DialSize dial(DialSize::Kind::quarter);
  CalendarRequest asked = request({2025, 1, 1}, {2026, 12, 31}, {true, true, true});
  asked.factors = {factor::SO, factor::SA};
  asked.bodies = {factor::SA, factor::PO};
  asked.with = {factor::MC};  // MC and its 21 midpoints
  asked.dial = dial;
  const auto result = timeline(birth, asked);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->result.heading,
            "Zeitleiste: Solarbogen, Progression und Transite auf der 90°-Scheibe");
  EXPECT_EQ(result->result.lines[0],
            "Zeitleiste für Müller, Anna vom 01.01.2025 bis 31.12.2026 auf der 90°-Scheibe, "
            "Zeiten in Europe/Berlin");

  const Movers movers(birth);
  const auto [from, to] = calendarRange(asked);
  std::size_t expectedCount = 0;
  for (const MoverKind kind : {MoverKind::solarArc, MoverKind::progressed, MoverKind::transit}) {
    const std::vector<int>& moving = kind == MoverKind::transit ? asked.bodies : asked.factors;
    for (const int factor : moving) {
      for (std::size_t p = 0; p < result->points.size(); ++p) {
        const double point = result->points[p].longitude;
        const auto expected =
            bruteForceCrossings(movers, kind, factor, point, dial.degrees(), from, to, 0.5);
        expectedCount += expected.size();
        for (const double t : expected) {
          const bool listed =
              std::any_of(result->hits.begin(), result->hits.end(), [&](const TimelineHit& hit) {
                return hit.kind == kind && hit.factor == factor && hit.point == p &&
                       std::fabs(hit.julianDay - t) < 2.0 / 1440;
              });
          EXPECT_TRUE(listed) << factorName(factor) << " kind " << static_cast<int>(kind)
                              << " point " << p << " at JD " << t;
        }
      }
    }
  }
  EXPECT_GT(expectedCount, 3u);
  EXPECT_EQ(result->hits.size(), expectedCount);
  // The hit lines show the point's place on the 90° dial.
  for (std::size_t k = 0; k < result->hits.size(); ++k) {
    const RadixPoint& point = result->points[result->hits[k].point];
    EXPECT_NE(result->result.lines[k + 1].find(dial.placeText(point.longitude)), std::string::npos)
        << result->result.lines[k + 1];
  }
}

}  // namespace
}  // namespace kelvaro::timing
