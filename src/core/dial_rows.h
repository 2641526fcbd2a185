#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvaro {

// How two longitudes make one dial value: their sum A+B or their midpoint A/B.
enum class Pairing { sum, midpoint };

// The inner loops of the overviews and searches, over rows of up to a few
// hundred values. Each is a plain loop doing the same arithmetic for every
// value, with selects in place of branches, so the compiler turns it into
// vector code. Their results are exactly those of modus22 and orbHit: a row
// with a value these loops do not cover (only a damaged file has one) is
// done again by those two.

// counts[k] = on how many of the axes the dial value of `first` paired with
// others[k] lies within the orb: orbHit with modus22(first + others[k]), or
// modus22((first + others[k]) / 2) for midpoints. Kept as doubles so the
// loop stays in one vector type; `counts` is as long as `others`.
template <std::size_t AxisCount>
void countPairHits(double first, std::span<const double> others, Pairing how,
                   const std::array<double, AxisCount>& axes, double orb, std::span<double> counts);

// The same for dial values already made: counts[k] = on how many of the
// axes values[k] lies within the orb.
template <std::size_t AxisCount>
void countAxisHits(std::span<const double> values, const std::array<double, AxisCount>& axes,
                   double orb, std::span<double> counts);

// Writes the places k where counts[k] is not 0, in order, to `places` and
// gives how many there are. It takes no branch per count: which of them are
// 0 is as good as random, and a mispredicted branch costs more than a write.
std::size_t placesOfHits(std::span<const double> counts, std::span<std::uint16_t> places);

extern template void countPairHits<1>(double, std::span<const double>, Pairing,
                                      const std::array<double, 1>&, double, std::span<double>);
extern template void countPairHits<4>(double, std::span<const double>, Pairing,
                                      const std::array<double, 4>&, double, std::span<double>);
extern template void countAxisHits<1>(std::span<const double>, const std::array<double, 1>&, double,
                                      std::span<double>);

}  // namespace kelvaro
