#include "timing/ephemeris_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/ephemeris.h"
#include "support/birth_data.h"
#include "timing/calendar_entry.h"

namespace kelvaro::timing {
namespace {

constexpr double kDialDegrees = DialSize::standard().degrees();

const chart::TimeZone& berlin() {
  static const auto kZone = std::get<chart::TimeZone>(chart::TimeZone::parse("Europe/Berlin"));
  return kZone;
}

CalendarRequest request(chart::Date from, chart::Date to, MoverChoice movers) {
  CalendarRequest asked;
  asked.from = from;
  asked.to = to;
  asked.zone = berlin();
  asked.movers = movers;
  asked.bodies = defaultCalendarBodies();
  asked.factors = allDirectedFactors();
  asked.with = {factor::MC, factor::SO, factor::AS, factor::MO};
  return asked;
}

struct Drawn {
  chart::BirthData birth = testing::birthData(testing::kKoeln);
  Movers movers{birth};
  Timeline timeline;
  EphemerisLayout layout;

  explicit Drawn(const CalendarRequest& asked)
      : timeline(*timing::timeline(birth, asked)),
        layout(ephemerisLayout(movers, asked, timeline)) {}
};

const EphemerisCurve& curveOf(const EphemerisLayout& layout, MoverKind kind, int factor) {
  const auto found = std::find_if(layout.curves.begin(), layout.curves.end(), [&](const auto& c) {
    return c.kind == kind && c.factor == factor;
  });
  if (found == layout.curves.end()) throw std::logic_error("no such curve");
  return *found;
}

// The curve's place at a moment, read off its stretches between two points.
std::optional<double> placeOn(const EphemerisCurve& curve, double julianDay) {
  for (const CurveStretch& stretch : curve.stretches) {
    for (std::size_t k = 1; k < stretch.points.size(); ++k) {
      const CurvePoint& a = stretch.points[k - 1];
      const CurvePoint& b = stretch.points[k];
      if (a.julianDay <= julianDay && julianDay <= b.julianDay && b.julianDay > a.julianDay) {
        const double share = (julianDay - a.julianDay) / (b.julianDay - a.julianDay);
        return a.degrees + share * (b.degrees - a.degrees);
      }
    }
  }
  return std::nullopt;
}

double dialDistance(double a, double b) {
  const double d = std::fmod(std::abs(a - b), kDialDegrees);
  return std::min(d, kDialDegrees - d);
}

double midnightIn(const chart::Date& day) { return chart::julianDayUt(midnight(berlin(), day)); }

TEST(EphemerisScale, TimeTicksAreLocalMidnightsInDaysMonthsOrYears) {
  const auto months = timeTicks(midnightIn({2031, 1, 1}), midnightIn({2032, 1, 1}), berlin());
  ASSERT_EQ(months.size(), 13U);
  EXPECT_DOUBLE_EQ(months.front().julianDay, chart::julianDayUt(2030, 12, 31, 23.0));
  EXPECT_EQ(months[0].label, "Januar 2031");
  EXPECT_EQ(months[2].label, "März");
  EXPECT_EQ(months[11].label, "Dezember");
  EXPECT_EQ(months[12].label, "Januar 2032");
  // Summer time: the first of July begins at 22:00 UT.
  EXPECT_DOUBLE_EQ(months[6].julianDay, chart::julianDayUt(2031, 6, 30, 22.0));

  const auto days = timeTicks(midnightIn({2031, 3, 1}), midnightIn({2031, 3, 11}), berlin());
  ASSERT_EQ(days.size(), 11U);
  EXPECT_EQ(days[0].label, "01.03.");
  EXPECT_EQ(days[9].label, "10.03.");

  const auto years = timeTicks(midnightIn({1990, 1, 1}), midnightIn({2050, 1, 1}), berlin());
  ASSERT_EQ(years.size(), 61U);
  const auto labelled = std::count_if(years.begin(), years.end(),
                                      [](const TimeTick& tick) { return !tick.label.empty(); });
  EXPECT_EQ(labelled, 13);  // every fifth year
  EXPECT_EQ(years[10].label, "2000");
  EXPECT_EQ(years[11].label, "");
  EXPECT_TRUE(std::is_sorted(years.begin(), years.end(), [](const auto& a, const auto& b) {
    return a.julianDay < b.julianDay;
  }));
  EXPECT_TRUE(timeTicks(5, 5, berlin()).empty());
}

TEST(EphemerisScale, DegreeLinesAndRadixLinesLieOnTheDial) {
  const Drawn drawn(request({2031, 1, 1}, {2031, 3, 31}, {false, false, true}));
  const auto& lines = drawn.layout.degreeLines;
  ASSERT_EQ(lines.size(), 24U);
  EXPECT_EQ(lines.front().label, "0°");
  EXPECT_EQ(lines[7].label, "7°");
  EXPECT_DOUBLE_EQ(lines.back().degrees, 22.5);
  EXPECT_EQ(lines.back().label, "22°30'");

  ASSERT_EQ(drawn.layout.radixLines.size(), drawn.timeline.points.size());
  for (const RadixLine& line : drawn.layout.radixLines) {
    const RadixPoint& point = drawn.timeline.points[line.point];
    EXPECT_GE(line.degrees, 0);
    EXPECT_LT(line.degrees, kDialDegrees);
    EXPECT_LT(dialDistance(line.degrees, point.longitude), 1e-9);
    EXPECT_NE(line.label.find("r"), std::string::npos);
    EXPECT_NE(line.label.back(), ' ');
  }
}

// Every curve follows its mover on the dial, leaves at one edge and comes
// back at the other at the same moment, and is flagged retrograde only where
// the mover goes back.
TEST(EphemerisCurves, WrapAtTheEdgesAndFlagRetrogradeStretches) {
  const Drawn drawn(request({2031, 1, 1}, {2031, 12, 31}, {true, true, true}));
  bool sawWrap = false;
  bool sawRetrograde = false;
  for (const EphemerisCurve& curve : drawn.layout.curves) {
    ASSERT_FALSE(curve.stretches.empty()) << curve.name;
    for (std::size_t s = 0; s < curve.stretches.size(); ++s) {
      const CurveStretch& stretch = curve.stretches[s];
      ASSERT_GE(stretch.points.size(), 2U) << curve.name;
      for (const CurvePoint& point : stretch.points) {
        EXPECT_GE(point.degrees, -1e-9) << curve.name;
        EXPECT_LE(point.degrees, kDialDegrees + 1e-9) << curve.name;
      }
      const CurvePoint& middle = stretch.points[stretch.points.size() / 2];
      const double speed = drawn.movers.motion(curve.kind, curve.factor, middle.julianDay).speed;
      if (std::abs(speed) > 1e-4) {
        EXPECT_EQ(stretch.retrograde, speed < 0) << curve.name;
      }
      EXPECT_LT(
          dialDistance(middle.degrees,
                       drawn.movers.motion(curve.kind, curve.factor, middle.julianDay).longitude),
          0.05)
          << curve.name;
      sawRetrograde = sawRetrograde || stretch.retrograde;
      if (!stretch.reentered) continue;
      sawWrap = true;
      ASSERT_GT(s, 0U);
      const CurvePoint& left = curve.stretches[s - 1].points.back();
      const CurvePoint& entered = stretch.points.front();
      EXPECT_DOUBLE_EQ(left.julianDay, entered.julianDay);
      EXPECT_DOUBLE_EQ(entered.degrees, stretch.retrograde ? kDialDegrees : 0.0);
      EXPECT_DOUBLE_EQ(left.degrees, stretch.retrograde ? 0.0 : kDialDegrees);
    }
  }
  EXPECT_TRUE(sawWrap);
  EXPECT_TRUE(sawRetrograde);
}

TEST(EphemerisCurves, DirectionsBeginAtTheBirthAndLabelsStandAtEndsAndReentries) {
  // The range begins before the birth (05.03.1970): S and P begin with it.
  const Drawn drawn(request({1965, 1, 1}, {2030, 12, 31}, {true, true, false}));
  const auto& layout = drawn.layout;
  const EphemerisCurve& sun = curveOf(layout, MoverKind::progressed, factor::SO);
  EXPECT_NEAR(sun.stretches.front().points.front().julianDay, drawn.movers.birth(), 1e-9);
  EXPECT_NEAR(sun.stretches.back().points.back().julianDay, layout.to, 1e-9);
  EXPECT_EQ(curveOf(layout, MoverKind::solarArc, factor::MC).name, "MCs");

  for (std::size_t index = 0; index < layout.curves.size(); ++index) {
    const auto& stretches = layout.curves[index].stretches;
    std::vector<CurveLabel> own;
    std::copy_if(layout.curveLabels.begin(), layout.curveLabels.end(), std::back_inserter(own),
                 [&](const CurveLabel& label) { return label.curve == index; });
    const auto reentries = std::count_if(stretches.begin(), stretches.end(),
                                         [](const CurveStretch& s) { return s.reentered; });
    ASSERT_EQ(own.size(), static_cast<std::size_t>(reentries) + 2);
    EXPECT_EQ(own.front().place, CurveLabelPlace::start);
    EXPECT_DOUBLE_EQ(own.front().at.julianDay, stretches.front().points.front().julianDay);
    EXPECT_EQ(own.back().place, CurveLabelPlace::end);
    EXPECT_DOUBLE_EQ(own.back().at.degrees, stretches.back().points.back().degrees);
    for (std::size_t k = 1; k + 1 < own.size(); ++k) {
      EXPECT_EQ(own[k].place, CurveLabelPlace::reentry);
      EXPECT_TRUE(own[k].at.degrees == 0 || own[k].at.degrees == kDialDegrees);
    }
  }
}

TEST(EphemerisLabels, SpreadKeepsOrderGapAndBounds) {
  const std::vector<double> roomy = {5, 1, 1.1, 20};
  const auto spread = spreadLabels(roomy, 0.5, 0, 22.5);
  EXPECT_EQ(spread[0], 5);
  EXPECT_EQ(spread[1], 1);
  EXPECT_EQ(spread[2], 1.5);
  EXPECT_EQ(spread[3], 20);

  // Pushed against the top, they move down from it.
  const std::vector<double> top = {22.4, 22.5, 22.3};
  const auto atTop = spreadLabels(top, 1, 0, 22.5);
  EXPECT_EQ(atTop[1], 22.5);
  EXPECT_EQ(atTop[0], 21.5);
  EXPECT_EQ(atTop[2], 20.5);

  // More than fit: the lowest and the highest keep their places, the
  // one between them has none.
  const std::vector<double> crowded = {3, 2, 1};
  const auto thinned = spreadLabels(crowded, 10, 0, 10);
  EXPECT_EQ(thinned[2], 0);
  EXPECT_FALSE(thinned[1]);
  EXPECT_EQ(thinned[0], 10);
  EXPECT_TRUE(spreadLabels({}, 1, 0, 1).empty());
}

// However many labels want to stand close together, the placed ones never
// come nearer than the gap, stay on the scale, keep their order, and as
// many are placed as the scale has room for.
TEST(EphemerisLabels, PlacedLabelsNeverOverlap) {
  for (const std::size_t count : {1u, 7u, 40u, 300u}) {
    std::vector<double> wanted;
    for (std::size_t k = 0; k < count; ++k) {
      wanted.push_back(std::fmod(static_cast<double>(k) * 7.31, 22.5));  // shuffled, clustered
    }
    const double gap = 0.9;
    const auto places = spreadLabels(wanted, gap, 0, 22.5);
    std::vector<std::pair<double, double>> placed;  // wish, place
    for (std::size_t k = 0; k < count; ++k) {
      if (places[k]) placed.emplace_back(wanted[k], *places[k]);
    }
    std::sort(placed.begin(), placed.end());
    EXPECT_EQ(placed.size(), std::min<std::size_t>(count, 26)) << count;  // 22.5 / 0.9 + 1
    for (std::size_t k = 0; k < placed.size(); ++k) {
      EXPECT_GE(placed[k].second, 0);
      EXPECT_LE(placed[k].second, 22.5);
      if (k > 0) {
        EXPECT_GE(placed[k].second - placed[k - 1].second, gap - 1e-9) << count;
      }
    }
  }
}

// One mark per line of the list, in the list's order, on its point's line
// and on the curve of the mover that makes the hit.
TEST(EphemerisMarks, OneMarkPerListLineOnTheMoversCurve) {
  const Drawn drawn(request({2031, 1, 1}, {2031, 12, 31}, {true, true, true}));
  const auto& marks = drawn.layout.marks;
  const auto& lines = drawn.timeline.result.lines;
  ASSERT_GT(marks.size(), 10U);
  ASSERT_EQ(marks.size() + 1, lines.size());  // the first line is the title
  for (std::size_t k = 0; k < marks.size(); ++k) {
    const HitMark& mark = marks[k];
    ASSERT_EQ(mark.line, k + 1);
    const std::string_view line = lines[mark.line];
    const TimelineHit& hit = drawn.timeline.hits[k];
    EXPECT_TRUE(line.starts_with(chart::dateText(hit.shownLocal.date))) << line;
    const std::string name = factorVariantName(mark.factor, variantOf(mark.kind));
    EXPECT_EQ(line.substr(kHitTextColumn, name.size()), name) << line;
    const RadixPoint& point = drawn.timeline.points[hit.point];
    EXPECT_LT(dialDistance(mark.at.degrees, point.longitude), 1e-9);
    const auto onCurve = placeOn(curveOf(drawn.layout, mark.kind, mark.factor), mark.at.julianDay);
    ASSERT_TRUE(onCurve) << line;
    EXPECT_LT(dialDistance(*onCurve, mark.at.degrees), 0.05) << line;
  }
}

TEST(EphemerisMarks, MarkNearFindsTheNearestWithinReach) {
  const std::vector<HitMark> marks = {
      {{100, 5}, 1, MoverKind::transit, factor::SA},
      {{102, 5.2}, 2, MoverKind::transit, factor::JU},
      {{150, 5}, 3, MoverKind::transit, factor::KN},
  };
  EXPECT_EQ(markNear(marks, {101.8, 5}, 3, 0.5), 1U);
  EXPECT_EQ(markNear(marks, {100.5, 5}, 3, 0.5), 0U);
  EXPECT_FALSE(markNear(marks, {120, 5}, 3, 0.5));
  EXPECT_FALSE(markNear(marks, {150, 6}, 3, 0.5));
}

}  // namespace
}  // namespace kelvaro::timing
