#include "timing/transit_calendar.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <variant>

#include "chart/ephemeris.h"
#include "core/std_ho.h"
#include "timing/crossing_search.h"
#include "timing/smooth_bodies.h"
#include "timing/timeline_table.h"

namespace kelvaro::timing {
namespace {

using std::chrono::seconds;

constexpr std::size_t kPointWidth = 7;  // "MCr/SOr", "MCr    "

bool contains(std::span<const int> factors, int number) {
  return std::find(factors.begin(), factors.end(), number) != factors.end();
}

// "DD.MM.YYYY hh:mm  SAt = MCr/SOr  07°30'  direkt"
std::string hitLine(const chart::LocalTime& shown, const CalendarHit& hit, const RadixPoint& point,
                    DialSize dial) {
  return chart::dateText(shown.date) + " " + chart::minuteText(shown.time) + "  " +
         hitText(hit.body, Variant::t, point, hit.direct, dial);
}

}  // namespace

std::string onDialText(DialSize dial) {
  return dial.isStandard() ? std::string() : " auf der " + dial.label();
}

double sampleStep(int body) {
  switch (body) {
    case factor::SO:
    case factor::MO:
    case factor::ME:
    case factor::VE:
    case factor::MA:
      return 4;
    default:
      return 8;
  }
}

// Rounded once, from the exact time: rounding to the second first would
// show 12:01:29.6 as 12:02.
ShownMinute shownMinute(const chart::TimeZone& zone, double julianDay) {
  const seconds offset = zone.offsetAt(chart::utMoment(julianDay));
  const double localMinutes =
      (chart::secondsSince1970(julianDay) + static_cast<double>(offset.count())) / 60;
  const std::chrono::minutes localMinute(static_cast<long long>(std::floor(localMinutes + 0.5)));
  const std::chrono::sys_seconds ut(localMinute - offset);
  return {zone.toLocal(ut), ut};
}

std::string pointText(const RadixPoint& point) {
  std::string text = factorVariantName(point.first, Variant::r);
  if (point.second != 0) {
    text += '/';
    text += factorVariantName(point.second, Variant::r);
  }
  text.resize(kPointWidth, ' ');
  return text;
}

std::string calendarHeading(DialSize dial) {
  return "Auslösungen durch Transite auf der " + dial.label();
}

std::string hitText(int factor, Variant variant, const RadixPoint& point, bool direct,
                    DialSize dial) {
  return factorVariantName(factor, variant) + " = " + pointText(point) + "  " +
         dial.placeText(point.longitude) + "  " + (direct ? "direkt" : "rückläufig");
}

std::chrono::sys_seconds midnight(const chart::TimeZone& zone, const chart::Date& day) {
  const Checked<std::chrono::sys_seconds> exact = zone.toUniversal({day, {}});
  if (const auto* moment = std::get_if<std::chrono::sys_seconds>(&exact)) return *moment;
  const std::chrono::sys_days asIfUt = chart::daysOf(day);
  const std::chrono::sys_seconds before(asIfUt - std::chrono::hours(24));
  return std::chrono::sys_seconds(asIfUt) - zone.offsetAt(before);
}

std::vector<int> defaultCalendarBodies() {
  const auto* jupiter = std::find(kCalendarBodies.begin(), kCalendarBodies.end(), factor::JU);
  return {jupiter, kCalendarBodies.end()};
}

std::vector<RadixPoint> radixPoints(const TransitRecord& record, CalendarPoints choice,
                                    std::span<const int> with) {
  constexpr int kLast = factor::kLastInTables;
  const auto r = [&record](int number) { return record.position(Variant::r, number); };
  const auto wanted = [with](int a, int b) {
    return with.empty() || contains(with, a) || (b != 0 && contains(with, b));
  };
  std::vector<RadixPoint> points;
  if (choice != CalendarPoints::midpoints) {
    for (int a = 1; a <= kLast; ++a) {
      if (wanted(a, 0)) points.push_back({a, 0, r(a)});
    }
  }
  if (choice != CalendarPoints::factors) {
    for (int a = 1; a <= kLast; ++a) {
      for (int b = a + 1; b <= kLast; ++b) {
        if (wanted(a, b)) points.push_back({a, b, midpoint(r(a), r(b))});
      }
    }
  }
  return points;
}

std::optional<std::vector<CalendarHit>> calendarHits(std::span<const RadixPoint> points,
                                                     std::span<const int> bodies, double from,
                                                     double to, DialSize dial,
                                                     const CalendarProgress& progress) {
  std::vector<double> targets;
  targets.reserve(points.size());
  for (const RadixPoint& point : points) targets.push_back(point.longitude);
  std::vector<CalendarHit> hits;
  std::vector<Crossing> crossings;
  const double bodyCount = static_cast<double>(bodies.size());
  for (std::size_t index = 0; index < bodies.size(); ++index) {
    const int body = bodies[index];
    const MotionFunction motion = [body](double julianDay) { return bodyMotion(body, julianDay); };
    KeepGoing keepGoing;
    if (progress) {
      keepGoing = [&](double time) {
        return progress((static_cast<double>(index) + (time - from) / (to - from)) / bodyCount);
      };
    }
    crossings.clear();
    if (!findCrossings(motion, {from, to, sampleStep(body)}, targets, dial.degrees(), crossings,
                       keepGoing)) {
      return std::nullopt;
    }
    for (const Crossing& crossing : crossings) {
      hits.push_back({crossing.time, body, crossing.target, crossing.increasing, crossing.level});
    }
  }
  return hits;
}

std::pair<double, double> calendarRange(const CalendarRequest& request) {
  return {chart::julianDayUt(midnight(request.zone, request.from)),
          chart::julianDayUt(midnight(request.zone, chart::nextDay(request.to)))};
}

std::optional<SearchResult> transitCalendar(const TransitRecord& record,
                                            const CalendarRequest& request,
                                            const CalendarProgress& progress) {
  const std::vector<RadixPoint> points = radixPoints(record, request.points, request.with);
  const auto [from, to] = calendarRange(request);
  const auto hits = calendarHits(points, request.bodies, from, to, request.dial, progress);
  if (!hits) return std::nullopt;

  struct Row {
    ShownMinute shown;
    std::size_t body;  // place in the body list
    const CalendarHit* hit;
  };
  std::vector<Row> rows;
  rows.reserve(hits->size());
  for (const CalendarHit& hit : *hits) {
    const auto place = std::find(kCalendarBodies.begin(), kCalendarBodies.end(), hit.body);
    rows.push_back({shownMinute(request.zone, hit.julianDay),
                    static_cast<std::size_t>(place - kCalendarBodies.begin()), &hit});
  }
  std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    if (a.shown.ut != b.shown.ut) return a.shown.ut < b.shown.ut;
    if (a.body != b.body) return a.body < b.body;
    if (a.hit->point != b.hit->point) return a.hit->point < b.hit->point;
    return a.hit->julianDay < b.hit->julianDay;
  });

  SearchResult result;
  result.heading = calendarHeading(request.dial);
  result.lines.reserveLines(rows.size() + 1, 48);  // a hit line has 46 to 50 characters
  result.lines.push_back("Transit-Kalender vom " + chart::dateText(request.from) + " bis " +
                         chart::dateText(request.to) + onDialText(request.dial) + ", Zeiten in " +
                         request.zone.name());
  result.table = TextTable{hitTableHeader(), {}};
  result.table->rows.reserve(rows.size());
  for (const Row& row : rows) {
    const RadixPoint& point = points[row.hit->point];
    result.lines.push_back(hitLine(row.shown.local, *row.hit, point, request.dial));
    result.table->rows.push_back(hitTableRow({.shown = row.shown.local,
                                              .factor = row.hit->body,
                                              .point = point,
                                              .direct = row.hit->direct},
                                             request.dial));
  }
  return result;
}

}  // namespace kelvaro::timing
