#include "core/dial_rows.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <span>
#include <vector>

#include <gtest/gtest.h>

#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Ordinary longitudes, and values near where the dial arithmetic turns:
// multiples of 22.5, the sign of zero, and one step to either side.
std::vector<double> ordinaryLongitudes() {
  std::vector<double> values = {0.0, -0.0, 22.5, 45.0, 337.5, 359.99, 360.0, 7.5, 15.0};
  for (const double turn : {22.5, 45.0, 180.0, 360.0}) {
    values.push_back(std::nextafter(turn, 0.0));
    values.push_back(std::nextafter(turn, 1000.0));
  }
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> longitude(0.0, 360.0);
  for (int k = 0; k < 500; ++k) values.push_back(longitude(random));
  return values;
}

// What a damaged file can hold: negative and huge positions, NaN, infinity.
std::vector<double> withDamagedValues() {
  std::vector<double> values = ordinaryLongitudes();
  values.insert(values.begin() + 3, {-22.5, -1e-300, -200.0, 1e20, -1e300, kNaN, kInfinity});
  // Where whole turns of the dial are no longer whole numbers of a double.
  for (double huge = 1e16; huge < 1e18; huge *= 1.37) values.push_back(huge);
  return values;
}

// What orbHit finds for the pair of `first` with `other` on each axis.
template <std::size_t N>
int orbHits(double first, double other, Pairing how, const std::array<double, N>& axes,
            double orb) {
  const double value = modus22(how == Pairing::sum ? first + other : (first + other) / 2);
  int hits = 0;
  for (const double axis : axes) hits += orbHit(axis, value, orb);
  return hits;
}

TEST(CountPairHits, CountsWhatOrbHitFindsForEachSumAndMidpoint) {
  // Axes on the dial and off it, one where many ordinary values turn.
  const std::array<double, 4> axes = {0.0, 7.3, -1.0, 400.0};
  for (const auto& others : {ordinaryLongitudes(), withDamagedValues()}) {
    std::vector<double> counts(others.size());
    for (const double first : {0.0, 123.456, 359.5, -10.0}) {
      for (const Pairing how : {Pairing::sum, Pairing::midpoint}) {
        for (const double orb : {1.2, 9 + 59.0 / 60}) {
          countPairHits(first, others, how, axes, orb, counts);
          for (std::size_t k = 0; k < others.size(); ++k) {
            ASSERT_EQ(counts[k], orbHits(first, others[k], how, axes, orb))
                << first << (how == Pairing::sum ? " + " : " / ") << others[k] << ", orb " << orb;
          }
          countPairHits(first, others, how, std::array{axes[1]}, orb, counts);
          for (std::size_t k = 0; k < others.size(); ++k) {
            ASSERT_EQ(counts[k], orbHits(first, others[k], how, std::array{axes[1]}, orb));
          }
        }
      }
    }
  }
}

// With the axis one orb from a pair's dial value, a value off in its last bit
// would meet or miss where orbHit does the opposite.
TEST(CountPairHits, AgreesWithOrbHitAtTheEdgeOfTheOrb) {
  const double orb = 1.2;
  const std::vector<double> others = ordinaryLongitudes();
  double count = 0;
  for (const double first : {0.0, 123.456, 359.5}) {
    for (const double other : others) {
      for (const Pairing how : {Pairing::sum, Pairing::midpoint}) {
        const double value = modus22(how == Pairing::sum ? first + other : (first + other) / 2);
        for (const double axis : {value + orb, value - orb, value + 22.5 - orb}) {
          countPairHits(first, std::span(&other, 1), how, std::array{axis}, orb,
                        std::span(&count, 1));
          ASSERT_EQ(count, orbHit(axis, value, orb)) << first << ", " << other << " on " << axis;
        }
      }
    }
  }
}

TEST(CountAxisHits, CountsWhatOrbHitFinds) {
  const double orb = 1.2;
  // Values on both sides of each axis at the orb, and across the dial's end;
  // a row of them is counted in the loop's own way, a row with one value
  // beyond −22.5 … 45 through orbHit.
  std::vector<double> dialValues = {3.0 - orb,  3.0 + orb, std::nextafter(3.0 + orb, 0.0),
                                    22.5 - orb, 0.0,       -0.0,
                                    22.5,       44.9,      -3.0};
  for (const double v : ordinaryLongitudes()) dialValues.push_back(modus22(v));
  for (double v = -22.4; v < 45; v += 0.3) dialValues.push_back(v);  // a dial either side
  std::vector<double> damaged = dialValues;
  damaged.insert(damaged.begin() + 5, {-22.5, 45.0, kNaN, 1e20, -1000.0});
  std::vector<double> counts(dialValues.size() + 5);
  for (const auto& values : {dialValues, damaged}) {
    for (const double axis : {3.0, 21.9, -1.0, 380.0}) {  // the last two off the dial
      for (const double tested : {orb, 9 + 59.0 / 60, 0.0}) {
        countAxisHits(values, std::array{axis}, tested, std::span(counts).first(values.size()));
        for (std::size_t k = 0; k < values.size(); ++k) {
          ASSERT_EQ(counts[k], orbHit(axis, values[k], tested) ? 1 : 0)
              << values[k] << " on " << axis << " at orb " << tested;
        }
      }
    }
  }
}

TEST(PlacesOfHits, ListsTheCountsThatAreNotZeroInOrder) {
  const std::vector<double> counts = {0, 1, 0, 0, 2, 4, 0, 1};
  std::vector<std::uint16_t> places(counts.size());
  ASSERT_EQ(placesOfHits(counts, places), 4u);
  EXPECT_EQ(std::vector<std::uint16_t>(places.begin(), places.begin() + 4),
            (std::vector<std::uint16_t>{1, 4, 5, 7}));
  EXPECT_EQ(placesOfHits(std::vector<double>(5, 0.0), places), 0u);
}

}  // namespace
}  // namespace kelvaro
