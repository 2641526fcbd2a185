#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/time_zone.h"
#include "core/dial_size.h"
#include "core/factor.h"
#include "core/search_result.h"
#include "core/transit_record.h"
#include "timing/movers.h"

// The transit calendar: the moments at which a transiting body stands on a
// radix point or a radix midpoint on the dial, that is, when body minus
// point is a multiple of the dial's size (22.5° unless another is chosen).
namespace kelvaro::timing {

// The transiting bodies, in the order of the list.
inline constexpr std::array<int, 19> kCalendarBodies = {
    factor::SO, factor::MO, factor::ME, factor::VE, factor::MA, factor::JU, factor::SA,
    factor::UR, factor::NE, factor::PL, factor::KN, 15,         16,         17,
    18,         19,         20,         21,         factor::PO};  // … KN, CU … VU

// The bodies listed unless others are chosen: the slow ones, from JU on.
std::vector<int> defaultCalendarBodies();

// The label above the result list: "Auslösungen durch Transite auf der 90°-Scheibe".
std::string calendarHeading(DialSize dial);
// " auf der 90°-Scheibe" in a title line; nothing on the standard dial.
std::string onDialText(DialSize dial);

enum class CalendarPoints { factors, midpoints, all };

// A radix point: the R position of a factor, or the midpoint of two.
struct RadixPoint {
  int first = 0;   // factor number
  int second = 0;  // the second factor of a midpoint, 0 for a factor alone
  double longitude = 0;
};

// The R positions of the factors MC … PO in table order, then the midpoints
// (a + b) / 2 of every pair in table order. A non-empty `with` keeps only the
// points that contain one of its factors.
std::vector<RadixPoint> radixPoints(const TransitRecord& record, CalendarPoints choice,
                                    std::span<const int> with);

struct CalendarHit {
  double julianDay = 0;   // UT
  int body = 0;           // factor number of the transiting body
  std::size_t point = 0;  // index into the points
  bool direct = true;     // the body's longitude grows at that moment
  double level = 0;       // the longitude crossed, unwrapped (see Crossing)
};

// The first sample spacing of a body's search in days: short enough that no
// retrograde loop fits between two samples. The search halves it wherever
// the motion needs it (the Moon to about a day).
double sampleStep(int body);

// The minute at which a moment is shown in a zone, rounded to the nearest,
// and the UT moment of that minute.
struct ShownMinute {
  chart::LocalTime local;
  std::chrono::sys_seconds ut;
};
ShownMinute shownMinute(const chart::TimeZone& zone, double julianDay);

// Local midnight of a day in UT. A midnight that a clock change skips or
// repeats is taken with the offset in effect just before it.
std::chrono::sys_seconds midnight(const chart::TimeZone& zone, const chart::Date& day);

// "MCr/SOr", "MCr    ": a point, padded to the width of a midpoint.
std::string pointText(const RadixPoint& point);

// "SAt = MCr/SOr  07°30'  direkt": a factor of a horoscope on a point, the
// point's place on the dial, the direction of the motion.
std::string hitText(int factor, Variant variant, const RadixPoint& point, bool direct,
                    DialSize dial);

// Told the share of the work done (0 to 1); false cancels the computation.
using CalendarProgress = std::function<bool(double done)>;

// Every moment in [from, to) (UT Julian days) at which one of `bodies`
// stands on one of `points` on the dial, in no particular order; nullopt
// when cancelled.
std::optional<std::vector<CalendarHit>> calendarHits(std::span<const RadixPoint> points,
                                                     std::span<const int> bodies, double from,
                                                     double to, DialSize dial,
                                                     const CalendarProgress& progress = {});

// What the calendar (a transit file's: T only) or the timeline (a
// person's: S, P and T) is asked for; the dates are local days in the zone.
struct CalendarRequest {
  chart::Date from;  // from 00:00 of this day …
  chart::Date to;    // … to 24:00 of this one
  chart::TimeZone zone = chart::TimeZone::universal();
  MoverChoice movers;        // the kinds that move
  std::vector<int> bodies;   // T: factor numbers in list order
  std::vector<int> factors;  // S and P: factor numbers in table order
  CalendarPoints points = CalendarPoints::all;
  std::vector<int> with;      // empty: every point
  std::optional<double> orb;  // S and P lines name the days within this orb
  DialSize dial;              // the dial the hits are found on
};

// The UT Julian days that begin and end the request's range.
std::pair<double, double> calendarRange(const CalendarRequest& request);

// The heading and the lines: the title line, then one line per hit, sorted
// by the minute shown, then body order, then point order. nullopt when
// cancelled.
std::optional<SearchResult> transitCalendar(const TransitRecord& record,
                                            const CalendarRequest& request,
                                            const CalendarProgress& progress = {});

}  // namespace kelvaro::timing
