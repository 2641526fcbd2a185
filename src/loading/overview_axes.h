#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/factor.h"
#include "core/std_ho.h"
#include "core/transit_record.h"

namespace kelvaro {

// One of the MC and SO axes the overviews are built on: the midpoint of a
// factor variant with itself (its own position) or its sum with itself.
struct OverviewAxis {
  std::string_view title;  // "MCr/MCr", "SOt+SOt", …
  int factorNumber;
  Variant variant;
  bool isSum;
};

// The twelve axes of the axis table, in column order.
inline constexpr std::size_t kOverviewAxisCount = 12;
inline constexpr std::array<OverviewAxis, kOverviewAxisCount> kOverviewAxes = {{
    {"MCr/MCr", factor::MC, Variant::r, false},
    {"MCr+MCr", factor::MC, Variant::r, true},
    {"MCp/MCp", factor::MC, Variant::p, false},
    {"MCp+MCp", factor::MC, Variant::p, true},
    {"MCt/MCt", factor::MC, Variant::t, false},
    {"MCt+MCt", factor::MC, Variant::t, true},
    {"SOr/SOr", factor::SO, Variant::r, false},
    {"SOr+SOr", factor::SO, Variant::r, true},
    {"SOp/SOp", factor::SO, Variant::p, false},
    {"SOp+SOp", factor::SO, Variant::p, true},
    {"SOt/SOt", factor::SO, Variant::t, false},
    {"SOt+SOt", factor::SO, Variant::t, true},
}};

// The axis value on the dial: modus22 of the position or of twice the position.
inline double axisValue(const TransitRecord& record, const OverviewAxis& axis) {
  const double position = record.position(axis.variant, axis.factorNumber);
  return modus22(axis.isSum ? position + position : position);
}

// The dial values of all factors 1–22 in the four variants, indexed
// [variant][factor number]; index 0 is unused.
using DialTable = std::array<std::array<double, factor::kLastInTables + 1>, 4>;

inline DialTable dialTable(const TransitRecord& record) {
  DialTable table{};
  for (Variant v : kVariants) {
    auto& row = table[static_cast<std::size_t>(variantIndex(v))];
    for (int i = 1; i <= factor::kLastInTables; ++i) {
      row[static_cast<std::size_t>(i)] = modus22(record.position(v, i));
    }
  }
  return table;
}

inline double dialValue(const DialTable& table, Variant v, int factorNumber) {
  return table[static_cast<std::size_t>(variantIndex(v))][static_cast<std::size_t>(factorNumber)];
}

}  // namespace kelvaro
