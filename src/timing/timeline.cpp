#include "timing/timeline.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "chart/directions.h"
#include "chart/ephemeris.h"
#include "core/std_ho.h"
#include "timing/crossing_search.h"
#include "timing/motion_track.h"

namespace kelvaro::timing {
namespace {

// S and P are searched on the clock of the progression, on which a day
// stands for a year of life: their first sample spacing there (the search
// halves it where needed), and the spacing of the track that numbers passes
// and finds the orb.
constexpr double kDirectionStep = 4;
constexpr double kDirectionTrackStep = 1;
// The orb is looked for up to two hundred years of life from a hit.
constexpr double kOrbReach = 200 * 365.25 / chart::kProgressionYear;
// More than any retrograde arc: a body this far below a place, with no turn
// in between, has not been on it before (degrees).
constexpr double kLoopMargin = 30;
// The passes before and after the range are looked for this far (days of
// the mover's clock: three years of the ephemeris).
constexpr double kPassReach = 1100;
constexpr int kTrackChunk = 16;  // track steps looked at in one go
constexpr double kUnbounded = 1e9;

// One search of the timeline: a moving factor, or for S the solar arc of
// every factor at once.
struct Job {
  MoverKind kind;
  int factor;  // 0: the S job
};

struct Found {
  double time;
  int factor;
  std::size_t point;
  bool direct;
  double level;  // on the scale of the job's track
};

// The time a job is searched on: T on the days of life, S and P on the
// progressed day, so that the search sees the same motion as for a transit.
struct Clock {
  double birth = 0;
  double daysPerTick = 1;  // days of life per day of the clock

  double time(double tick) const { return birth + (tick - birth) * daysPerTick; }
  double tick(double time) const { return birth + (time - birth) / daysPerTick; }
};

// What one job moves, on its clock, how it is searched and how its track is
// sampled.
struct JobMotion {
  Clock clock;
  MotionFunction motion;
  double step;
  double trackStep;
};

JobMotion motionOf(const Movers& movers, const Job& job) {
  if (job.kind == MoverKind::transit) {
    return {{},
            [&movers, job](double t) { return movers.motion(job.kind, job.factor, t); },
            sampleStep(job.factor),
            sampleStep(job.factor)};
  }
  const Clock clock{movers.birth(), chart::kProgressionYear};
  MotionFunction motion = [&movers, job, clock](double tick) {
    Motion m = job.kind == MoverKind::solarArc
                   ? movers.arc(clock.time(tick))
                   : movers.motion(job.kind, job.factor, clock.time(tick));
    m.speed *= clock.daysPerTick;
    return m;
  };
  const double step = chart::isBodyFactor(job.factor) ? sampleStep(job.factor) : kDirectionStep;
  // The faster movers' track closer, so that the orb's days are right.
  return {clock, std::move(motion), step, step > kDirectionStep ? step : kDirectionTrackStep};
}

// The targets of a job on the dial, and which factor and point each is.
struct Targets {
  std::vector<double> values;
  std::vector<int> factors;
  std::vector<std::size_t> points;
};

Targets targetsOf(const Job& job, const Movers& movers, const std::vector<RadixPoint>& points,
                  const std::vector<int>& directedFactors) {
  Targets targets;
  // S moves every factor by the same arc: the arc meets X − R of each.
  const std::vector<int> factors =
      job.kind == MoverKind::solarArc ? directedFactors : std::vector<int>{job.factor};
  for (const int factor : factors) {
    const double offset =
        job.kind == MoverKind::solarArc ? movers.radix().position(Variant::r, factor) : 0;
    for (std::size_t p = 0; p < points.size(); ++p) {
      targets.values.push_back(points[p].longitude - offset);
      targets.factors.push_back(factor);
      targets.points.push_back(p);
    }
  }
  return targets;
}

// Going back from `time`: a moment before which the track stays below
// `level` (a turn backwards below it, or far enough below it).
double startBelow(MotionTrack& track, double time, double level, double step, double reach) {
  double t = time;
  while (time - t < reach) {
    const double earlier = t - kTrackChunk * step;
    const auto turns = track.turns(earlier, t);
    for (auto turn = turns.rbegin(); turn != turns.rend(); ++turn) {
      if (turn->isMaximum && turn->value < level) return turn->time;
    }
    if (track.valueAt(earlier) < level - kLoopMargin) return earlier;
    t = earlier;
  }
  return t;
}

// Going on from `time`: a moment after which the track stays above `level`.
double endAbove(MotionTrack& track, double time, double level, double step, double reach) {
  double t = time;
  while (t - time < reach) {
    const double later = t + kTrackChunk * step;
    for (const auto& turn : track.turns(t, later)) {
      if (!turn.isMaximum && turn.value > level) return turn.time;
    }
    if (track.valueAt(later) > level + kLoopMargin) return later;
    t = later;
  }
  return t;
}

// Numbers the passes of a body that turns: the hits of one place (point and
// level) in the range, and those the track finds before and after it.
void numberPasses(std::vector<Found>& found, std::vector<TimelineHit>& hits, std::size_t firstHit,
                  MotionTrack& before, MotionTrack& after, const JobMotion& job, double from,
                  double to, double earliest) {
  if (found.empty()) return;
  const auto [lowest, highest] = std::minmax_element(
      found.begin(), found.end(), [](const Found& a, const Found& b) { return a.level < b.level; });
  const double reach = kPassReach;
  const double first =
      std::max(earliest, startBelow(before, from, lowest->level, job.trackStep, reach));
  const double last = endAbove(after, to, highest->level, job.trackStep, reach);

  std::map<std::pair<std::size_t, double>, std::vector<std::size_t>> places;
  for (std::size_t i = 0; i < found.size(); ++i) {
    places[{found[i].point, found[i].level}].push_back(i);
  }
  for (auto& [place, indices] : places) {
    std::sort(indices.begin(), indices.end(),
              [&found](std::size_t a, std::size_t b) { return found[a].time < found[b].time; });
    const int earlier = before.passes(place.second, first, from);
    const int later = after.passes(place.second, to, last);
    const int count = earlier + static_cast<int>(indices.size()) + later;
    for (std::size_t k = 0; k < indices.size(); ++k) {
      TimelineHit& hit = hits[firstHit + indices[k]];
      hit.pass = earlier + static_cast<int>(k) + 1;
      hit.passes = count;
    }
  }
}

void findOrbs(const std::vector<Found>& found, std::vector<TimelineHit>& hits, std::size_t firstHit,
              MotionTrack& track, const Clock& clock, double orb) {
  const auto onLife = [&clock](std::optional<double> tick) {
    return tick ? std::optional(clock.time(*tick)) : std::nullopt;
  };
  for (std::size_t i = 0; i < found.size(); ++i) {
    const Found& f = found[i];
    TimelineHit& hit = hits[firstHit + i];
    hit.orbEntered = onLife(track.leaves(f.time, f.level, orb, -1, f.time - kOrbReach));
    hit.orbLeft = onLife(track.leaves(f.time, f.level, orb, +1, f.time + kOrbReach));
  }
}

std::vector<Job> jobsOf(const CalendarRequest& request) {
  std::vector<Job> jobs;
  if (request.movers.solarArc && !request.factors.empty()) {
    jobs.push_back({MoverKind::solarArc, 0});
  }
  if (request.movers.progressed) {
    for (const int factor : request.factors) {
      if (moves(MoverKind::progressed, factor)) jobs.push_back({MoverKind::progressed, factor});
    }
  }
  if (request.movers.transit) {
    for (const int body : request.bodies) jobs.push_back({MoverKind::transit, body});
  }
  return jobs;
}

std::size_t placeInList(const TimelineHit& hit) {
  if (hit.kind != MoverKind::transit) return static_cast<std::size_t>(hit.factor);
  return static_cast<std::size_t>(
      std::find(kCalendarBodies.begin(), kCalendarBodies.end(), hit.factor) -
      kCalendarBodies.begin());
}

// The moment shown: T its minute, S and P their day.
void setShown(TimelineHit& hit, const chart::TimeZone& zone) {
  if (hit.kind == MoverKind::transit) {
    const ShownMinute minute = shownMinute(zone, hit.julianDay);
    hit.shownLocal = minute.local;
    hit.shown = minute.ut;
  } else {
    hit.shownLocal = {zone.toLocal(chart::utMoment(hit.julianDay)).date, {}};
    hit.shown = midnight(zone, hit.shownLocal.date);
  }
}

std::string dayText(const std::optional<double>& moment, const chart::TimeZone& zone) {
  if (!moment) return "…";
  return chart::dateText(zone.toLocal(chart::utMoment(*moment)).date);
}

std::string lineOf(const TimelineHit& hit, const RadixPoint& point,
                   const CalendarRequest& request) {
  const bool transit = hit.kind == MoverKind::transit;
  std::string line = chart::dateText(hit.shownLocal.date);
  line += transit ? " " + chart::minuteText(hit.shownLocal.time) + "   "
                  : std::string(kHitTextColumn - line.size(), ' ');
  line += hitText(hit.factor, variantOf(hit.kind), point, hit.direct, request.dial);
  const bool withOrb = request.orb && !transit;
  if (hit.passes > 1 || withOrb) {
    if (hit.direct) line += "    ";  // "direkt" as wide as "rückläufig"
  }
  if (hit.passes > 1) {
    line += "  (" + std::to_string(hit.pass) + "/" + std::to_string(hit.passes) + ")";
  }
  if (withOrb) {
    line += "  wirksam " + dayText(hit.orbEntered, request.zone) + "–" +
            dayText(hit.orbLeft, request.zone);
  }
  return line;
}

}  // namespace

std::string timelineTitle(const chart::BirthData& birth, const CalendarRequest& request) {
  std::string person = birth.name;
  if (!birth.firstName.empty()) person += ", " + birth.firstName;
  return "Zeitleiste für " + person + " vom " + chart::dateText(request.from) + " bis " +
         chart::dateText(request.to) + onDialText(request.dial) + ", Zeiten in " +
         request.zone.name();
}

std::string timelineHeading(DialSize dial) {
  return "Zeitleiste: Solarbogen, Progression und Transite auf der " + dial.label();
}

std::optional<Timeline> timeline(const chart::BirthData& birth, const CalendarRequest& request,
                                 const CalendarProgress& progress) {
  const Movers movers(birth);
  Timeline result;
  result.dial = request.dial;
  result.points = radixPoints(movers.radix(), request.points, request.with);
  const auto [from, to] = calendarRange(request);
  const std::vector<Job> jobs = jobsOf(request);
  std::vector<Found> found;
  std::vector<Crossing> crossings;

  for (std::size_t index = 0; index < jobs.size(); ++index) {
    const Job& job = jobs[index];
    // S and P begin at the birth.
    const double startTime = job.kind == MoverKind::transit ? from : std::max(from, movers.birth());
    if (!(startTime < to) || result.points.empty()) continue;
    const JobMotion motion = motionOf(movers, job);
    const double start = motion.clock.tick(startTime);
    const double end = motion.clock.tick(to);
    const Targets targets = targetsOf(job, movers, result.points, request.factors);
    KeepGoing keepGoing;
    if (progress) {
      keepGoing = [&, start, end](double tick) {
        const double share = (tick - start) / (end - start);
        return progress((static_cast<double>(index) + share) / static_cast<double>(jobs.size()));
      };
    }
    crossings.clear();
    const auto endValue = findCrossings(motion.motion, {start, end, motion.step}, targets.values,
                                        request.dial.degrees(), crossings, keepGoing);
    if (!endValue) return std::nullopt;
    found.clear();
    const std::size_t firstHit = result.hits.size();
    for (const Crossing& c : crossings) {
      found.push_back(
          {c.time, targets.factors[c.target], targets.points[c.target], c.increasing, c.level});
      TimelineHit hit;
      hit.julianDay = motion.clock.time(c.time);
      hit.kind = job.kind;
      hit.factor = targets.factors[c.target];
      hit.point = targets.points[c.target];
      hit.direct = c.increasing;
      result.hits.push_back(hit);
    }
    const bool turns = job.kind != MoverKind::solarArc && canTurn(job.kind, job.factor);
    const bool withOrb = request.orb && job.kind != MoverKind::transit;
    if (found.empty() || !(turns || withOrb)) continue;
    // The track from the start, and for the passes after the range one that
    // goes on from the search's end.
    MotionTrack track(motion.motion, start, motion.trackStep);
    if (turns) {
      MotionTrack after(motion.motion, end, motion.trackStep, *endValue);
      // Passes of P are counted from the birth on.
      const double earliest =
          job.kind == MoverKind::progressed ? motion.clock.tick(movers.birth()) : -kUnbounded;
      numberPasses(found, result.hits, firstHit, track, after, motion, start, end, earliest);
    }
    if (withOrb) findOrbs(found, result.hits, firstHit, track, motion.clock, *request.orb);
  }

  for (TimelineHit& hit : result.hits) setShown(hit, request.zone);
  std::sort(result.hits.begin(), result.hits.end(), [](const TimelineHit& a, const TimelineHit& b) {
    return std::make_tuple(a.shown, a.kind, placeInList(a), a.point, a.julianDay) <
           std::make_tuple(b.shown, b.kind, placeInList(b), b.point, b.julianDay);
  });

  result.result.heading = timelineHeading(request.dial);
  result.result.lines.reserveLines(result.hits.size() + 1, 64);
  result.result.lines.push_back(timelineTitle(birth, request));
  for (const TimelineHit& hit : result.hits) {
    result.result.lines.push_back(lineOf(hit, result.points[hit.point], request));
  }
  return result;
}

}  // namespace kelvaro::timing
