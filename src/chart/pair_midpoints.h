#pragma once

#include <chrono>
#include <optional>

// The midpoints two charts are joined by.
namespace kelvaro::chart {

// The midpoint of two longitudes on the shorter arc between them, in
// [0, 360): 350° and 10° give 0°, not 180°. Opposite longitudes give their
// plain mean (a + b) / 2 of the values brought into [0, 360).
double nearerMidpoint(double a, double b);

// The moment halfway between two moments, to the second; half a second goes
// to the earlier one. The same whichever moment comes first.
std::chrono::sys_seconds meanMoment(std::chrono::sys_seconds a, std::chrono::sys_seconds b);

struct GeoPoint {
  double latitude = 0;   // north positive
  double longitude = 0;  // east positive, −180 to 180
};

// The point halfway between two places on the great circle through them;
// nothing for two places exactly opposite each other on the globe, which
// every great circle through them joins.
std::optional<GeoPoint> greatCircleMidpoint(GeoPoint a, GeoPoint b);

}  // namespace kelvaro::chart
