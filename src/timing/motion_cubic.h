#pragma once

#include <array>
#include <cmath>
#include <utility>

// A moving longitude between two samples: the cubic through their values
// and speeds.
namespace kelvaro::timing {

// A whole turn of a longitude, in degrees.
inline constexpr double kFullCircle = 360;

struct Sample {
  double time;
  double value;  // the longitude, unwrapped to lie near the neighbouring sample
  double speed;
};

// The cubic with the values and speeds of two samples at its ends, over the
// interval scaled to s in [0, 1].
class Cubic {
 public:
  Cubic(const Sample& a, const Sample& b) : start_(a.time), end_(b.time), span_(b.time - a.time) {
    c0_ = a.value;
    c1_ = span_ * a.speed;
    c2_ = 3 * (b.value - a.value) - span_ * (2 * a.speed + b.speed);
    c3_ = 2 * (a.value - b.value) + span_ * (a.speed + b.speed);
  }

  double at(double s) const { return c0_ + s * (c1_ + s * (c2_ + s * c3_)); }
  // The speed at s, per unit of time.
  double speedAt(double s) const { return (c1_ + s * (2 * c2_ + 3 * s * c3_)) / span_; }
  double timeAt(double s) const { return s == 1 ? end_ : start_ + span_ * s; }
  double span() const { return span_; }

  // The places where the cubic turns, strictly inside (0, 1), ascending;
  // returns how many there are.
  int turningPoints(std::array<double, 2>& places) const {
    // Roots of c1 + 2 c2 s + 3 c3 s², computed without cancellation.
    const double a = 3 * c3_;
    const double b = 2 * c2_;
    const double c = c1_;
    std::array<double, 2> roots{};
    int count = 0;
    if (a == 0) {
      if (b != 0) roots[count++] = -c / b;
    } else {
      const double discriminant = b * b - 4 * a * c;
      if (discriminant >= 0) {
        const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
        if (q != 0) {
          roots[count++] = q / a;
          roots[count++] = c / q;
        }
      }
    }
    int inside = 0;
    for (int i = 0; i < count; ++i) {
      if (roots[i] > 0 && roots[i] < 1) places[inside++] = roots[i];
    }
    if (inside == 2 && places[0] > places[1]) std::swap(places[0], places[1]);
    return inside;
  }

 private:
  double start_;
  double end_;
  double span_;
  double c0_, c1_, c2_, c3_;
};

}  // namespace kelvaro::timing
