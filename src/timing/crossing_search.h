#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// The moments at which a moving longitude stands on one of many fixed
// targets of a dial. The motion is sampled coarsely; between two samples it
// is a cubic through their longitudes and speeds, checked against a sample in
// the middle and halved where it does not fit. Turning points (stations) are
// the cubic's own, so a body that turns near a target crosses it as often as
// it really does.
namespace kelvaro::timing {

// A body's longitude in degrees (any turn: the search unwraps it) and its
// speed in degrees per day.
struct Motion {
  double longitude;
  double speed;
};

// A moment at which the longitude minus a target is a multiple of the spacing.
struct Crossing {
  double time;         // days, on the time scale of the motion function
  std::size_t target;  // index into the targets
  bool increasing;     // the longitude grows at that moment
  // The longitude crossed, unwrapped: the search starts from the longitude
  // at the range's first moment as the motion gives it and counts whole
  // turns on from there, so every crossing of the same place on the way has
  // the same level.
  double level;
};

struct CrossingRange {
  double from;  // the first moment searched (days)
  double to;    // the end, itself not searched
  double step;  // the sample spacing before any halving (days)
};

using MotionFunction = std::function<Motion(double time)>;
// Told how far the search has got (a time within the range); false stops it.
using KeepGoing = std::function<bool(double time)>;

// Appends every crossing in [from, to) of every target (degrees, any value)
// on a dial of `spacing` degrees, in time order per target. Returns the
// longitude at the range's end on the search's unwrapped scale, or nothing
// when keepGoing stopped the search (what was found so far stays appended).
std::optional<double> findCrossings(const MotionFunction& motion, CrossingRange range,
                                    std::span<const double> targets, double spacing,
                                    std::vector<Crossing>& crossings,
                                    const KeepGoing& keepGoing = {});

}  // namespace kelvaro::timing
