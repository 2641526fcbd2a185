#include "timing/crossing_search.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "timing/motion_cubic.h"

namespace kelvaro::timing {
namespace {

// The cubic between two samples must meet the sample in their middle within
// this angle plus the distance the body moves in kTimeTolerance days.
constexpr double kAngleTolerance = 1e-6;
constexpr double kTimeTolerance = 1e-4;  // about 9 s
// Intervals are not halved below this span (days, about 9 s).
constexpr double kShortestSpan = 1e-4;
// A crossing is narrowed down to this span (days, about 1 ms).
constexpr double kTimePrecision = 1e-8;

class Search {
 public:
  Search(const MotionFunction& motion, CrossingRange range, std::span<const double> targets,
         double spacing, std::vector<Crossing>& crossings)
      : motion_(motion), range_(range), spacing_(spacing), crossings_(crossings) {
    residues_.reserve(targets.size());
    for (const double target : targets) {
      const double residue = std::fmod(target, spacing);
      residues_.push_back(residue < 0 ? residue + spacing : residue);
    }
  }

  // The longitude at `time`, turned by whole circles to lie within half a
  // circle of `near`.
  Sample sample(double time, double near) const {
    const Motion m = motion_(time);
    const double turns = std::round((near - m.longitude) / kFullCircle);
    return {time, m.longitude + turns * kFullCircle, m.speed};
  }
  Sample first(double time) const {
    const Motion m = motion_(time);
    return {time, m.longitude, m.speed};
  }

  // Halves [a, b] until the cubic through its ends meets the middle sample.
  void interval(const Sample& a, const Sample& b) {
    const Sample middle = sample((a.time + b.time) / 2, a.value);
    const double tolerance =
        kAngleTolerance + kTimeTolerance * std::max(std::fabs(a.speed), std::fabs(b.speed));
    const bool fits = std::fabs(Cubic(a, b).at(0.5) - middle.value) <= tolerance;
    if (!fits && b.time - a.time > kShortestSpan) {
      interval(a, middle);
      interval(middle, b);
      return;
    }
    solve(a, middle);
    solve(middle, b);
  }

 private:
  double target(double residue, double k) const { return residue + k * spacing_; }

  // The monotone pieces of the cubic between the turning points.
  void solve(const Sample& a, const Sample& b) {
    const Cubic cubic(a, b);
    std::array<double, 2> turns{};
    const int turnCount = cubic.turningPoints(turns);
    double s0 = 0;
    double v0 = a.value;
    for (int i = 0; i <= turnCount; ++i) {
      const double s1 = i < turnCount ? turns[i] : 1;
      const double v1 = i < turnCount ? cubic.at(s1) : b.value;
      if (v1 != v0) piece(cubic, s0, v0, s1, v1);
      s0 = s1;
      v0 = v1;
    }
  }

  // Every target passed on the way from v0 to v1: those in (v0, v1] when the
  // longitude grows, in [v1, v0) when it falls. A target is thus counted in
  // the piece that arrives at it, never in the one that leaves it.
  void piece(const Cubic& cubic, double s0, double v0, double s1, double v1) {
    const bool increasing = v1 > v0;
    for (std::size_t index = 0; index < residues_.size(); ++index) {
      const double r = residues_[index];
      double k = std::floor((v0 - r) / spacing_);
      if (increasing) {
        // k: the last target at or below v0.
        while (target(r, k) > v0) --k;
        while (target(r, k + 1) <= v0) ++k;
        for (++k; target(r, k) <= v1; ++k) add(cubic, s0, s1, v1, target(r, k), index, true);
      } else {
        // k: the first target at or above v0.
        while (target(r, k) < v0) ++k;
        while (target(r, k - 1) >= v0) --k;
        for (--k; target(r, k) >= v1; --k) add(cubic, s0, s1, v1, target(r, k), index, false);
      }
    }
  }

  // Bisection on the monotone piece [s0, s1] (ending at the value v1) for
  // the place where the cubic has the value g.
  void add(const Cubic& cubic, double s0, double s1, double v1, double g, std::size_t index,
           bool increasing) {
    if (s1 == 1 && g == v1) {
      // Exactly at the sample that ends the interval (and maybe the range).
      record(cubic.timeAt(1), index, increasing, g);
      return;
    }
    double low = s0;
    double high = s1;
    while ((high - low) * cubic.span() > kTimePrecision) {
      const double middle = (low + high) / 2;
      if ((cubic.at(middle) < g) == increasing) {
        low = middle;
      } else {
        high = middle;
      }
    }
    record(cubic.timeAt((low + high) / 2), index, increasing, g);
  }

  void record(double time, std::size_t index, bool increasing, double level) {
    if (time >= range_.from && time < range_.to) {
      crossings_.push_back({time, index, increasing, level});
    }
  }

  const MotionFunction& motion_;
  CrossingRange range_;
  double spacing_;
  std::vector<double> residues_;  // the targets reduced to [0, spacing)
  std::vector<Crossing>& crossings_;
};

}  // namespace

std::optional<double> findCrossings(const MotionFunction& motion, CrossingRange range,
                                    std::span<const double> targets, double spacing,
                                    std::vector<Crossing>& crossings, const KeepGoing& keepGoing) {
  if (!(range.from < range.to) || !(range.step > 0) || targets.empty()) {
    return motion(range.to).longitude;  // nothing to search
  }
  Search search(motion, range, targets, spacing, crossings);
  Sample a = search.first(range.from);
  for (long n = 1; a.time < range.to; ++n) {
    const double next = std::min(range.from + static_cast<double>(n) * range.step, range.to);
    const Sample b = search.sample(next, a.value);
    search.interval(a, b);
    a = b;
    if (keepGoing && !keepGoing(next)) return std::nullopt;
  }
  return a.value;
}

}  // namespace kelvaro::timing
