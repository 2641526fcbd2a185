#include "core/dial_rows.h"

#include <bit>
#include <cassert>
#include <cmath>
#include <cstdint>

#include "core/std_ho.h"

namespace kelvaro {
namespace {

// A select the compiler keeps as one: it turns `x - (c ? 1.0 : 0.0)` or
// `a && b` back into branches, and the loop around them stays scalar.
double when(bool condition, double value) { return condition ? value : 0.0; }

// Marks whether a value is one the loop does not cover. Marks are gathered
// with a bitwise or: a sum of doubles would have to be added up one by one,
// in order, a chain the loop would wait for.
std::uint64_t mark(bool condition) { return std::bit_cast<std::uint64_t>(when(condition, 1.0)); }

// A pair value x below this size gives |x × 10 / 225| far below 2^50, where
// wholePart is exact, and modus22(x) between −22.5 and 22.5 give or take a
// rounding: well inside the range of placeNear.
constexpr double kOrdinaryPair = 1e9;

// std::trunc, sign of zero included, for |q| below 2^50: adding and
// taking away 1.5 × 2^52 rounds to the nearest whole number, and one less is
// taken where that rounded up.
double wholePart(double q) {
  constexpr double kRounder = 0x1.8p52;
  const double magnitude = std::fabs(q);
  const double rounded = (magnitude + kRounder) - kRounder;
  return std::copysign(rounded + when(rounded > magnitude, -1.0), q);
}

// placeOnDial for the values from −22.5 to 45, where it is one select of
// three: one dial onward, back, or none.
double placeNear(double v) { return v + when(v < 0, kDial) + when(v > kDial, -kDial); }

// Marks a value outside the range placeNear covers (NaN too); its row is
// then counted through orbHit.
std::uint64_t outsideNear(double v) { return mark(!(v > -kDial)) | mark(!(v < 2 * kDial)); }

// Counts on how many axes a dial value lies within the orb.
template <std::size_t AxisCount>
class AxisTest {
 public:
  AxisTest(const std::array<double, AxisCount>& axes, double orb)
      : axes_(axes), orb_(orb), farSide_(kDial - orb) {
    // orbHit places both values on the dial before it compares them; the
    // axes are placed once here.
    for (std::size_t a = 0; a < AxisCount; ++a) placedAxes_[a] = placeOnDial(axes[a]);
  }

  // For a value from −22.5 to 45 (see outsideNear), without a branch.
  double nearCount(double v) const {
    const double placed = placeNear(v);
    double count = 0;
    for (const double axis : placedAxes_) {
      const double d = std::fabs(axis - placed);
      count += when((d < orb_) | (d > farSide_), 1.0);
    }
    return count;
  }

  // For any value: orbHit itself.
  double exactCount(double v) const {
    double count = 0;
    for (const double axis : axes_) count += orbHit(axis, v, orb_);
    return count;
  }

 private:
  const std::array<double, AxisCount>& axes_;
  std::array<double, AxisCount> placedAxes_;
  double orb_;
  double farSide_;
};

}  // namespace

template <std::size_t AxisCount>
void countPairHits(double first, std::span<const double> others, Pairing how,
                   const std::array<double, AxisCount>& axes, double orb,
                   std::span<double> counts) {
  assert(counts.size() == others.size());
  const AxisTest<AxisCount> test(axes, orb);
  const double scale = how == Pairing::midpoint ? 0.5 : 1.0;  // halving is exact
  std::uint64_t beyond = 0;
  for (std::size_t k = 0; k < others.size(); ++k) {
    const double x = (first + others[k]) * scale;
    const double turns = x * 10 / 225;  // modus22, step by step
    const double v = x - wholePart(turns) * kDial;
    // Below kOrdinaryPair wholePart is exact and the value lies where
    // placeNear covers it: one test for both.
    beyond |= mark(!(std::fabs(x) < kOrdinaryPair));
    counts[k] = test.nearCount(v);
  }
  if (beyond == 0) return;
  for (std::size_t k = 0; k < others.size(); ++k) {
    counts[k] = test.exactCount(modus22((first + others[k]) * scale));
  }
}

template <std::size_t AxisCount>
void countAxisHits(std::span<const double> values, const std::array<double, AxisCount>& axes,
                   double orb, std::span<double> counts) {
  assert(counts.size() == values.size());
  const AxisTest<AxisCount> test(axes, orb);
  std::uint64_t beyond = 0;
  for (std::size_t k = 0; k < values.size(); ++k) {
    beyond |= outsideNear(values[k]);
    counts[k] = test.nearCount(values[k]);
  }
  if (beyond == 0) return;
  for (std::size_t k = 0; k < values.size(); ++k) counts[k] = test.exactCount(values[k]);
}

std::size_t placesOfHits(std::span<const double> counts, std::span<std::uint16_t> places) {
  assert(places.size() >= counts.size());
  std::size_t found = 0;
  for (std::size_t k = 0; k < counts.size(); ++k) {
    places[found] = static_cast<std::uint16_t>(k);
    found += counts[k] != 0 ? 1 : 0;
  }
  return found;
}

template void countPairHits<1>(double, std::span<const double>, Pairing,
                               const std::array<double, 1>&, double, std::span<double>);
template void countPairHits<4>(double, std::span<const double>, Pairing,
                               const std::array<double, 4>&, double, std::span<double>);
template void countAxisHits<1>(std::span<const double>, const std::array<double, 1>&, double,
                               std::span<double>);

}  // namespace kelvaro
