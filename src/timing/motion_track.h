#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "timing/crossing_search.h"
#include "timing/motion_cubic.h"

namespace kelvaro::timing {

// A moving longitude sampled at a fixed step on both sides of a start and
// unwrapped into one continuous value (whole turns added as it goes round),
// on the same scale as a crossing search that starts there. Between two
// samples it is the cubic through their values and speeds. The samples are
// taken as the questions reach further.
class MotionTrack {
 public:
  // The first sample is the longitude at `start` as the motion gives it,
  // turned by whole circles to lie within half a circle of `near` if given.
  MotionTrack(MotionFunction motion, double start, double step,
              std::optional<double> near = std::nullopt);

  // The value at `time`.
  double valueAt(double time);

  // How often the value passes `level` between `from` and `to`: once in
  // every stretch between two turning points that leads across it.
  int passes(double level, double from, double to);

  // The turning points between `from` and `to`, in time order.
  struct Turn {
    double time;
    double value;
    bool isMaximum;  // the motion turns from forward to backward
  };
  std::vector<Turn> turns(double from, double to);

  // Going from `time` backwards (direction −1) or forwards (+1): the first
  // moment at which the value is `distance` away from `level`, or nothing
  // when it stays closer up to `limit`.
  std::optional<double> leaves(double time, double level, double distance, int direction,
                               double limit);

 private:
  void cover(double time);
  std::size_t intervalAt(double time);  // the sample that starts the interval of `time`
  double nextSampleTime(double time, int direction);  // the next sample on that side
  Sample sample(double time, double near) const;
  static Turn turnBetween(const Sample& a, const Sample& b);

  MotionFunction motion_;
  double step_;
  std::deque<Sample> samples_;                 // in time order
  std::deque<std::optional<Turn>> turnAfter_;  // the turn between sample i and i + 1, if any
};

}  // namespace kelvaro::timing
