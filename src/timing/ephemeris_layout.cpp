#include "timing/ephemeris_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "chart/ephemeris.h"
#include "timing/calendar_entry.h"
#include "timing/motion_cubic.h"

namespace kelvaro::timing {
namespace {

// A curve is computed at least this often over its range, at most this
// often, and so that the mover goes no farther than kDegreesPerStep from one
// computed place to the next; between them it is drawn along the cubic
// through their places and speeds, in pieces of at most kDegreesPerPiece and
// at least kLeastPieces over the range: finer than a page's pixels.
constexpr double kLeastSamples = 60;
constexpr double kMostSamples = 40000;
constexpr double kDegreesPerStep = 2;
constexpr double kDegreesPerPiece = 0.2;
constexpr double kLeastPieces = 500;
constexpr int kMostPiecesPerStep = 32;

constexpr int kMostDayLabels = 16;
constexpr int kMostMonthLabels = 16;
constexpr int kMostYearLabels = 20;
constexpr double kLongestDayScale = 62;         // days
constexpr double kLongestMonthScale = 6 * 366;  // days
constexpr int kMostYearTicks = 120;

constexpr std::array<std::string_view, 12> kMonthNames = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// The places computed between two samples along their cubic, `b` last.
void addPieces(const Sample& a, Sample b, double shortest, std::vector<Sample>& samples) {
  b.value = a.value + std::remainder(b.value - a.value, 360.0);
  const double pieces =
      std::max(std::abs(b.value - a.value) / kDegreesPerPiece, (b.time - a.time) / shortest);
  const int count = std::clamp(static_cast<int>(std::ceil(pieces)), 1, kMostPiecesPerStep);
  const Cubic cubic(a, b);
  for (int k = 1; k < count; ++k) {
    const double s = static_cast<double>(k) / count;
    samples.push_back({cubic.timeAt(s), cubic.at(s), cubic.speedAt(s)});
  }
  samples.push_back(b);
}

// The motion over [from, to], computed more often where it is fast, and
// drawn in pieces between.
std::vector<Sample> samplesOf(const MotionFunction& motion, double from, double to) {
  std::vector<Sample> samples;
  const double longest = (to - from) / kLeastSamples;
  const double shortest = (to - from) / kMostSamples;
  const double piece = (to - from) / kLeastPieces;
  const Motion first = motion(from);
  samples.push_back({from, first.longitude, first.speed});
  for (double t = from; t < to;) {
    const Sample last = samples.back();
    const double step = kDegreesPerStep / std::max(std::abs(last.speed), 1e-9);
    t = std::min(to, t + std::clamp(step, shortest, longest));
    const Motion m = motion(t);
    addPieces(last, {t, m.longitude, m.speed}, piece, samples);
  }
  return samples;
}

void beginStretch(std::vector<CurveStretch>& stretches, CurvePoint first, bool retrograde,
                  bool reentered) {
  stretches.push_back({{first}, retrograde, reentered});
}

// The samples as stretches on the dial: cut where the mover leaves the dial
// at one edge and comes back at the other, and where it turns.
std::vector<CurveStretch> stretchesOf(const std::vector<Sample>& samples, DialSize dial) {
  const double size = dial.degrees();
  std::vector<CurveStretch> stretches;
  if (samples.empty()) return stretches;
  double unwrapped = dial.place(samples.front().value);
  beginStretch(stretches, {samples.front().time, unwrapped}, samples.front().speed < 0, false);
  double lane = 0;  // the turn of the dial the mover is on
  for (std::size_t k = 1; k < samples.size(); ++k) {
    const Sample& before = samples[k - 1];
    const Sample& now = samples[k];
    const double previous = unwrapped;
    unwrapped += std::remainder(now.value - before.value, 360.0);
    const bool retrograde = now.speed < 0;
    if (retrograde != stretches.back().retrograde) {
      beginStretch(stretches, stretches.back().points.back(), retrograde, false);
    }
    const double nowLane = std::floor(unwrapped / size);
    const bool up = nowLane > lane;
    while (nowLane != lane) {
      const double edge = (up ? lane + 1 : lane) * size;
      const double share = (edge - previous) / (unwrapped - previous);
      const double at = before.time + share * (now.time - before.time);
      stretches.back().points.push_back({at, up ? size : 0});
      beginStretch(stretches, {at, up ? 0 : size}, retrograde, true);
      lane += up ? 1 : -1;
    }
    stretches.back().points.push_back({now.time, unwrapped - lane * size});
  }
  return stretches;
}

EphemerisCurve curveOf(MoverKind kind, int factor, std::vector<CurveStretch> stretches) {
  return {kind, factor, factorVariantName(factor, variantOf(kind)), std::move(stretches)};
}

// Every factor of S moves by the same arc: one sampling serves them all.
void addSolarArcs(const Movers& movers, const CalendarRequest& request, double from, double to,
                  std::vector<EphemerisCurve>& curves) {
  const auto arc = samplesOf([&](double t) { return movers.arc(t); }, from, to);
  for (const int factor : request.factors) {
    std::vector<Sample> moved = arc;
    const double radix = movers.radix().position(Variant::r, factor);
    for (Sample& sample : moved) sample.value += radix;
    curves.push_back(curveOf(MoverKind::solarArc, factor, stretchesOf(moved, request.dial)));
  }
}

void addMover(const Movers& movers, MoverKind kind, int factor, double from, double to,
              DialSize dial, std::vector<EphemerisCurve>& curves) {
  const auto samples =
      samplesOf([&](double t) { return movers.motion(kind, factor, t); }, from, to);
  curves.push_back(curveOf(kind, factor, stretchesOf(samples, dial)));
}

std::vector<EphemerisCurve> curvesOf(const Movers& movers, const CalendarRequest& request) {
  const auto [from, to] = calendarRange(request);
  const double directedFrom = std::max(from, movers.birth());
  std::vector<EphemerisCurve> curves;
  if (directedFrom < to && request.movers.solarArc) {
    addSolarArcs(movers, request, directedFrom, to, curves);
  }
  if (directedFrom < to && request.movers.progressed) {
    for (const int factor : request.factors) {
      if (moves(MoverKind::progressed, factor)) {
        addMover(movers, MoverKind::progressed, factor, directedFrom, to, request.dial, curves);
      }
    }
  }
  if (request.movers.transit) {
    for (const int body : request.bodies)
      addMover(movers, MoverKind::transit, body, from, to, request.dial, curves);
  }
  return curves;
}

std::vector<CurveLabel> curveLabelsOf(const std::vector<EphemerisCurve>& curves) {
  std::vector<CurveLabel> labels;
  for (std::size_t index = 0; index < curves.size(); ++index) {
    const auto& stretches = curves[index].stretches;
    if (stretches.empty()) continue;
    labels.push_back({index, stretches.front().points.front(), CurveLabelPlace::start});
    for (const CurveStretch& stretch : stretches) {
      if (stretch.reentered)
        labels.push_back({index, stretch.points.front(), CurveLabelPlace::reentry});
    }
    labels.push_back({index, stretches.back().points.back(), CurveLabelPlace::end});
  }
  return labels;
}

// The whole degrees between two lines of the scale.
int degreeLineStep(DialSize dial) {
  switch (dial.kind()) {
    case DialSize::Kind::full:
      return 30;
    case DialSize::Kind::quarter:
    case DialSize::Kind::eighth:
      return 5;
    default:
      return 1;
  }
}

std::vector<DegreeLine> degreeLines(DialSize dial) {
  std::vector<DegreeLine> lines;
  const double size = dial.degrees();
  const int step = degreeLineStep(dial);
  for (int degree = 0; degree < size; degree += step)
    lines.push_back({double(degree), std::to_string(degree) + "°"});
  // The top, with its minutes where it lies between two whole degrees: "22°30'".
  const int wholeDegrees = static_cast<int>(size);
  const int minutes = static_cast<int>((size - wholeDegrees) * 60);
  std::string top = std::to_string(wholeDegrees) + "°";
  if (minutes != 0) top += std::to_string(minutes) + "'";
  lines.push_back({size, top});
  return lines;
}

std::string withoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// Local midnights of a zone, as Julian days.
struct LocalDays {
  const chart::TimeZone& zone;

  chart::Date dateAt(double julianDay) const {
    return zone.toLocal(chart::utMoment(julianDay)).date;
  }
  double midnightOf(const chart::Date& day) const {
    return chart::julianDayUt(midnight(zone, day));
  }
};

// The first of `choices` that keeps the labels of `count` units at `most`.
int labelStep(double count, int most, std::initializer_list<int> choices) {
  for (const int step : choices) {
    if (count / step <= most) return step;
  }
  return *(choices.end() - 1);
}

std::string twoDigits(int value) {
  std::string digits = std::to_string(value);
  if (value < 10) digits.insert(digits.begin(), '0');
  return digits;
}

void dayTicks(double from, double to, const LocalDays& days, std::vector<TimeTick>& ticks) {
  const int step = labelStep(to - from, kMostDayLabels, {1, 2, 5, 10});
  for (chart::Date day = days.dateAt(from);; day = chart::nextDay(day)) {
    const double at = days.midnightOf(day);
    if (at > to) break;
    if (at < from) continue;
    const bool labelled =
        (day.day - 1) % step == 0 && day.day - 1 + step <= chart::daysInMonth(day.year, day.month);
    ticks.push_back({at, labelled ? twoDigits(day.day) + "." + twoDigits(day.month) + "." : ""});
  }
}

void monthTicks(double from, double to, const LocalDays& days, std::vector<TimeTick>& ticks) {
  const int step = labelStep((to - from) / 30.44, kMostMonthLabels, {1, 2, 3, 6});
  bool yearShown = false;
  for (chart::Date day{days.dateAt(from).year, days.dateAt(from).month, 1};;) {
    const double at = days.midnightOf(day);
    if (at > to) break;
    if (at >= from) {
      std::string label;
      if ((day.month - 1) % step == 0) {
        label = germanMonthName(day.month);
        if (day.month == 1 || !yearShown) {
          label += ' ';
          label += std::to_string(day.year);
        }
        yearShown = true;
      }
      ticks.push_back({at, label});
    }
    day =
        day.month == 12 ? chart::Date{day.year + 1, 1, 1} : chart::Date{day.year, day.month + 1, 1};
  }
}

void yearTicks(double from, double to, const LocalDays& days, std::vector<TimeTick>& ticks) {
  const double years = (to - from) / 365.25;
  const int step = labelStep(years, kMostYearLabels, {1, 2, 5, 10, 20, 25, 50, 100});
  for (int year = days.dateAt(from).year; year <= days.dateAt(to).year; ++year) {
    const bool labelled = year % step == 0;
    if (!labelled && years > kMostYearTicks) continue;
    const double at = days.midnightOf({year, 1, 1});
    if (at >= from && at <= to) ticks.push_back({at, labelled ? std::to_string(year) : ""});
  }
}

}  // namespace

std::string_view germanMonthName(int month) {
  return kMonthNames.at(static_cast<std::size_t>(month - 1));
}

CalendarRequest ephemerisRequest(const chart::BirthData& birth, int year) {
  CalendarRequest request;
  request.from = {year, 1, 1};
  request.to = {year, 12, 31};
  request.zone = birth.zone;
  request.movers = {true, true, true};
  request.bodies = defaultCalendarBodies();
  request.factors = allDirectedFactors();
  request.with = std::get<std::vector<int>>(parseCalendarFactors(kEphemerisDefaultWith));
  return request;
}

EphemerisLayout ephemerisLayout(const Movers& movers, const CalendarRequest& request,
                                const Timeline& timeline) {
  EphemerisLayout layout;
  std::tie(layout.from, layout.to) = calendarRange(request);
  layout.dial = request.dial;
  layout.degreeLines = degreeLines(request.dial);
  for (std::size_t index = 0; index < timeline.points.size(); ++index) {
    const RadixPoint& point = timeline.points[index];
    layout.radixLines.push_back(
        {request.dial.place(point.longitude), withoutTrailingBlanks(pointText(point)), index});
  }
  layout.curves = curvesOf(movers, request);
  layout.curveLabels = curveLabelsOf(layout.curves);
  for (std::size_t index = 0; index < timeline.hits.size(); ++index) {
    const TimelineHit& hit = timeline.hits[index];
    const double place = request.dial.place(timeline.points[hit.point].longitude);
    layout.marks.push_back({{hit.julianDay, place}, index + 1, hit.kind, hit.factor});
  }
  return layout;
}

std::vector<TimeTick> timeTicks(double from, double to, const chart::TimeZone& zone) {
  std::vector<TimeTick> ticks;
  if (!(from < to)) return ticks;
  const LocalDays days{zone};
  if (to - from <= kLongestDayScale) {
    dayTicks(from, to, days, ticks);
  } else if (to - from <= kLongestMonthScale) {
    monthTicks(from, to, days, ticks);
  } else {
    yearTicks(from, to, days, ticks);
  }
  return ticks;
}

std::vector<std::optional<double>> spreadLabels(std::span<const double> wanted, double gap,
                                                double low, double high) {
  const std::size_t count = wanted.size();
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
  std::vector<std::optional<double>> places(count);
  if (count == 0) return places;
  // The labels that fit, evenly chosen by their order along the scale.
  const auto room = static_cast<std::size_t>(std::max(0.0, (high - low) / gap)) + 1;
  if (count > room) {
    std::vector<std::size_t> kept;
    for (std::size_t k = 0; k < room; ++k) {
      const double rank = room == 1 ? 0.0
                                    : static_cast<double>(k) * static_cast<double>(count - 1) /
                                          static_cast<double>(room - 1);
      kept.push_back(order[static_cast<std::size_t>(std::lround(rank))]);
    }
    order = std::move(kept);
  }
  // Up from the lowest, then down from the top where that ran over.
  double floor = low;
  for (const std::size_t index : order) {
    places[index] = std::max(std::clamp(wanted[index], low, high), floor);
    floor = *places[index] + gap;
  }
  double ceiling = high;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    places[*it] = std::min(*places[*it], ceiling);
    ceiling = *places[*it] - gap;
  }
  return places;
}

std::optional<std::size_t> markNear(std::span<const HitMark> marks, CurvePoint at, double dayReach,
                                    double degreeReach) {
  std::optional<std::size_t> nearest;
  double nearestDistance = 0;
  for (std::size_t index = 0; index < marks.size(); ++index) {
    const double dx = (marks[index].at.julianDay - at.julianDay) / dayReach;
    const double dy = (marks[index].at.degrees - at.degrees) / degreeReach;
    if (std::abs(dx) > 1 || std::abs(dy) > 1) continue;
    const double distance = dx * dx + dy * dy;
    if (!nearest || distance < nearestDistance) {
      nearest = index;
      nearestDistance = distance;
    }
  }
  return nearest;
}

}  // namespace kelvaro::timing
