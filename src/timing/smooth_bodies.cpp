#include "timing/smooth_bodies.h"

#include <array>
#include <cmath>

#include "chart/ephemeris.h"
#include "core/factor.h"
#include "timing/motion_cubic.h"

namespace kelvaro::timing {
namespace {

constexpr int kFirstHamburgBody = 15;  // CU
constexpr int kLastHamburgBody = factor::PO;
constexpr double kStep = 1;  // days between two samples

double longitudeAt(int factor, double julianDay) {
  return chart::bodyPosition(factor, julianDay).longitude;
}

// `value` turned by whole circles to lie within half a circle of `reference`.
double turnedNear(double value, double reference) {
  return value + 360.0 * std::round((reference - value) / 360.0);
}

}  // namespace

bool isSmoothedBody(int factor) {
  return factor >= kFirstHamburgBody && factor <= kLastHamburgBody;
}

Motion bodyMotion(int factor, double julianDay) {
  if (!isSmoothedBody(factor)) {
    const chart::BodyPosition position = chart::bodyPosition(factor, julianDay);
    return {position.longitude, position.speed};
  }
  // The samples before and after the one that begins the interval of
  // `julianDay`; they lie at 0:00 UT (Julian days end in .5 there) and at
  // whole steps after it.
  const double start = std::floor((julianDay - 0.5) / kStep) * kStep + 0.5;
  std::array<double, 4> places{};
  places[1] = longitudeAt(factor, start);
  places[0] = turnedNear(longitudeAt(factor, start - kStep), places[1]);
  places[2] = turnedNear(longitudeAt(factor, start + kStep), places[1]);
  places[3] = turnedNear(longitudeAt(factor, start + 2 * kStep), places[2]);
  const Sample from{start, places[1], (places[2] - places[0]) / (2 * kStep)};
  const Sample to{start + kStep, places[2], (places[3] - places[1]) / (2 * kStep)};
  const Cubic cubic(from, to);
  const double s = (julianDay - start) / kStep;
  return {chart::normalizedDegrees(cubic.at(s)), cubic.speedAt(s)};
}

}  // namespace kelvaro::timing
