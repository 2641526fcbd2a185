#include "timing/motion_track.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace kelvaro::timing {
namespace {

constexpr int kBisections = 48;  // halvings of an interval: far below a second

bool turnsBetween(const Sample& a, const Sample& b) { return (a.speed > 0) != (b.speed > 0); }

}  // namespace

MotionTrack::MotionTrack(MotionFunction motion, double start, double step,
                         std::optional<double> near)
    : motion_(std::move(motion)), step_(step) {
  const Motion first = motion_(start);
  const double turns = near ? std::round((*near - first.longitude) / kFullCircle) : 0;
  samples_.push_back({start, first.longitude + turns * kFullCircle, first.speed});
  cover(start + step);  // an interval from the start
}

Sample MotionTrack::sample(double time, double near) const {
  const Motion m = motion_(time);
  const double turns = std::round((near - m.longitude) / kFullCircle);
  return {time, m.longitude + turns * kFullCircle, m.speed};
}

// The turning point between two samples whose speeds differ in sign: the
// cubic's, where it turns the same way.
MotionTrack::Turn MotionTrack::turnBetween(const Sample& a, const Sample& b) {
  const Cubic cubic(a, b);
  std::array<double, 2> places{};
  const int count = cubic.turningPoints(places);
  // With two turns inside (a short loop) the speeds at the ends agree, so
  // one turn means the one the ends disagree about.
  const double s = count > 0 ? places[0] : 0.5;
  return {cubic.timeAt(s), cubic.at(s), a.speed > 0};
}

void MotionTrack::cover(double time) {
  while (samples_.front().time > time) {
    const Sample earlier = sample(samples_.front().time - step_, samples_.front().value);
    turnAfter_.push_front(turnsBetween(earlier, samples_.front())
                              ? std::optional(turnBetween(earlier, samples_.front()))
                              : std::nullopt);
    samples_.push_front(earlier);
  }
  while (samples_.back().time < time) {
    const Sample later = sample(samples_.back().time + step_, samples_.back().value);
    turnAfter_.push_back(turnsBetween(samples_.back(), later)
                             ? std::optional(turnBetween(samples_.back(), later))
                             : std::nullopt);
    samples_.push_back(later);
  }
}

std::size_t MotionTrack::intervalAt(double time) {
  cover(time);
  const auto after = std::upper_bound(samples_.begin(), samples_.end(), time,
                                      [](double t, const Sample& s) { return t < s.time; });
  const auto index = static_cast<std::size_t>(std::distance(samples_.begin(), after));
  // The last interval also holds the last sample.
  return std::min(index == 0 ? 0 : index - 1, samples_.size() - 2);
}

double MotionTrack::nextSampleTime(double time, int direction) {
  cover(time + direction * step_);
  if (direction > 0) {
    return std::upper_bound(samples_.begin(), samples_.end(), time,
                            [](double t, const Sample& s) { return t < s.time; })
        ->time;
  }
  return std::prev(std::lower_bound(samples_.begin(), samples_.end(), time,
                                    [](const Sample& s, double t) { return s.time < t; }))
      ->time;
}

double MotionTrack::valueAt(double time) {
  const std::size_t i = intervalAt(time);
  const Cubic cubic(samples_[i], samples_[i + 1]);
  return cubic.at((time - samples_[i].time) / cubic.span());
}

std::vector<MotionTrack::Turn> MotionTrack::turns(double from, double to) {
  cover(from);
  cover(to);
  std::vector<Turn> found;
  for (const auto& turn : turnAfter_) {
    if (turn && turn->time >= from && turn->time <= to) found.push_back(*turn);
  }
  return found;
}

int MotionTrack::passes(double level, double from, double to) {
  if (!(from < to)) return 0;
  int count = 0;
  double previous = valueAt(from);
  for (const Turn& turn : turns(from, to)) {
    count += (previous < level) != (turn.value < level);
    previous = turn.value;
  }
  return count + ((previous < level) != (valueAt(to) < level));
}

std::optional<double> MotionTrack::leaves(double time, double level, double distance, int direction,
                                          double limit) {
  const auto away = [level, distance](double value) {
    return std::fabs(value - level) >= distance;
  };
  double t = time;
  while (direction > 0 ? t < limit : t > limit) {
    const double next = direction > 0 ? std::min(nextSampleTime(t, direction), limit)
                                      : std::max(nextSampleTime(t, direction), limit);
    // From t to next the value follows the cubic of one interval.
    const std::size_t i = intervalAt((t + next) / 2);
    const Cubic cubic(samples_[i], samples_[i + 1]);
    const auto value = [&](double when) {
      return cubic.at((when - samples_[i].time) / cubic.span());
    };
    if (away(value(next))) {
      double near = t;
      double far = next;
      for (int k = 0; k < kBisections; ++k) {
        const double middle = (near + far) / 2;
        (away(value(middle)) ? far : near) = middle;
      }
      return (near + far) / 2;
    }
    t = next;
  }
  return std::nullopt;
}

}  // namespace kelvaro::timing
