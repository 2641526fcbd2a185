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

// The places of the last days asked for, per body and thread: the searches
// ask for neighbouring moments one after the other, and each needs four
// days.
class RecentDays {
 public:
  double longitudeAt(int factor, double julianDay) {
    const auto day = static_cast<long long>(std::floor(julianDay));
    Entry& entry = entries_.at(static_cast<std::size_t>(factor - kFirstHamburgBody))
                       .at(static_cast<std::size_t>(day & (kDays - 1)));
    if (!entry.known || entry.day != day) {
      entry = {day, chart::bodyLongitude(factor, julianDay), true};
    }
    return entry.longitude;
  }

 private:
  static constexpr std::size_t kDays = 16;  // a power of two
  struct Entry {
    long long day = 0;
    double longitude = 0;
    bool known = false;
  };
  std::array<std::array<Entry, kDays>, kLastHamburgBody - kFirstHamburgBody + 1> entries_{};
};

double longitudeAt(int factor, double julianDay) {
  thread_local RecentDays recent;
  return recent.longitudeAt(factor, julianDay);
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
  // The days before and after the one that begins the interval of
  // `julianDay`, each at 0:00 UT (Julian days end in .5 there).
  const double day = std::floor(julianDay - 0.5) + 0.5;
  std::array<double, 4> places{};
  places[1] = longitudeAt(factor, day);
  places[0] = turnedNear(longitudeAt(factor, day - 1), places[1]);
  places[2] = turnedNear(longitudeAt(factor, day + 1), places[1]);
  places[3] = turnedNear(longitudeAt(factor, day + 2), places[2]);
  const Sample from{day, places[1], (places[2] - places[0]) / 2};
  const Sample to{day + 1, places[2], (places[3] - places[1]) / 2};
  const Cubic cubic(from, to);
  const double s = julianDay - day;
  return {chart::normalizedDegrees(cubic.at(s)), cubic.speedAt(s)};
}

}  // namespace kelvaro::timing
