#include "chart/pair_midpoints.h"

#include <cmath>
#include <numbers>

#include "chart/ephemeris.h"

namespace kelvaro::chart {
namespace {

constexpr double kRadians = std::numbers::pi / 180;

struct Vector {
  double x = 0, y = 0, z = 0;
};

Vector unitVector(GeoPoint point) {
  const double latitude = point.latitude * kRadians;
  const double longitude = point.longitude * kRadians;
  return {std::cos(latitude) * std::cos(longitude), std::cos(latitude) * std::sin(longitude),
          std::sin(latitude)};
}

}  // namespace

double nearerMidpoint(double a, double b) {
  a = normalizedDegrees(a);
  b = normalizedDegrees(b);
  const double mean = (a + b) / 2;
  return std::abs(a - b) > 180 ? normalizedDegrees(mean + 180) : mean;
}

std::chrono::sys_seconds meanMoment(std::chrono::sys_seconds a, std::chrono::sys_seconds b) {
  const auto earlier = std::min(a, b);
  return earlier + (std::max(a, b) - earlier) / 2;
}

std::optional<GeoPoint> greatCircleMidpoint(GeoPoint a, GeoPoint b) {
  const Vector u = unitVector(a);
  const Vector v = unitVector(b);
  const Vector sum{u.x + v.x, u.y + v.y, u.z + v.z};
  const double equatorial = std::hypot(sum.x, sum.y);
  if (std::hypot(equatorial, sum.z) < 1e-12) return std::nullopt;
  // On the pole's axis the longitude is any; keep the first place's.
  const double longitude = equatorial < 1e-15 ? a.longitude : std::atan2(sum.y, sum.x) / kRadians;
  return GeoPoint{std::atan2(sum.z, equatorial) / kRadians, longitude};
}

}  // namespace kelvaro::chart
