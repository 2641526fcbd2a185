#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_entry.h"
#include "chart/time_zone.h"
#include "timing/movers.h"
#include "timing/timeline.h"

// The graphic ephemeris of a timeline: time runs to the right, the dial
// upwards; every mover is a curve of its place on the dial, every radix
// point a horizontal line, every hit of the list a mark where a curve meets
// a line. Plain layout in the units of the picture (x: UT Julian days,
// y: degrees 0 … the dial's size); whoever paints it maps those onto pixels.
namespace kelvaro::timing {

// The points the ephemeris shows unless others are chosen: the factors and
// midpoints that contain one of these.
inline constexpr std::string_view kEphemerisDefaultWith = "MC,SO,AS,MO";

struct CurvePoint {
  double julianDay = 0;
  double degrees = 0;  // the place on the dial, 0 … the dial's size
};

// A piece of a curve drawn as one line: it ends where the mover leaves the
// dial at its top (or at 0° going back) or turns.
struct CurveStretch {
  std::vector<CurvePoint> points;
  bool retrograde = false;
  bool reentered = false;  // begins where the mover came back onto the dial
};

struct EphemerisCurve {
  MoverKind kind = MoverKind::transit;
  int factor = 0;
  std::string name;  // "SAt"
  std::vector<CurveStretch> stretches;
};

enum class CurveLabelPlace { start, reentry, end };

struct CurveLabel {
  std::size_t curve = 0;  // index into the curves
  CurvePoint at;
  CurveLabelPlace place = CurveLabelPlace::start;
};

// A line of the y scale: every degree (every fifth on 90° and 45°, every
// thirtieth on 360°) and the top of the dial.
struct DegreeLine {
  double degrees = 0;
  std::string label;  // "7°", "22°30'"
};

// A radix point or midpoint as a horizontal line, labelled at the left.
struct RadixLine {
  double degrees = 0;
  std::string label;      // "MCr/SOr"
  std::size_t point = 0;  // index into the timeline's points
};

// The mark of one hit: where the mover meets the point's line, with the
// line of the list that names it.
struct HitMark {
  CurvePoint at;
  std::size_t line = 0;  // index into the timeline's result lines
  MoverKind kind = MoverKind::transit;
  int factor = 0;
};

struct EphemerisLayout {
  double from = 0;  // the range in UT Julian days
  double to = 0;
  DialSize dial;  // the y scale runs from 0 to its size
  std::vector<DegreeLine> degreeLines;
  std::vector<RadixLine> radixLines;
  std::vector<EphemerisCurve> curves;
  std::vector<CurveLabel> curveLabels;
  std::vector<HitMark> marks;
};

// What the ephemeris of a person shows unless asked otherwise: one calendar
// year in the zone of the birth, S, P and T, the calendar's bodies for T and
// every factor for S and P, the points of kEphemerisDefaultWith.
CalendarRequest ephemerisRequest(const chart::BirthData& birth, int year);

// The layout of a timeline computed for `request`: every mover the request
// names, sampled once over its range (S and P from the birth on).
EphemerisLayout ephemerisLayout(const Movers& movers, const CalendarRequest& request,
                                const Timeline& timeline);

// A tick of the time scale at a local midnight; a tick without a label is
// a short one.
struct TimeTick {
  double julianDay = 0;
  std::string label;  // "14.03.", "März", "Januar 2031", "2031"
};

// The ticks of the shown stretch [from, to] (UT Julian days) in a zone:
// days for up to about a year, months for up to six years, else years.
std::vector<TimeTick> timeTicks(double from, double to, const chart::TimeZone& zone);

// Places for labels that want to stand at `wanted` (sorted or not) on a
// scale from `low` to `high`, at least `gap` apart, each as near its wish as
// that allows; in the order of `wanted`. Where not all fit, labels evenly
// chosen along the scale (the lowest and the highest among them) keep a
// place and the others get none, so that no two overlap.
std::vector<std::optional<double>> spreadLabels(std::span<const double> wanted, double gap,
                                                double low, double high);

// The mark nearest (x, y) within the reach in each direction, as an index
// into the marks.
std::optional<std::size_t> markNear(std::span<const HitMark> marks, CurvePoint at, double dayReach,
                                    double degreeReach);

// "Januar" … "Dezember".
std::string_view germanMonthName(int month);

}  // namespace kelvaro::timing
