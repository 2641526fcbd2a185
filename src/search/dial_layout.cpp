#include "search/dial_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "core/std_ho.h"

namespace kelvaro {
namespace {

constexpr int kLastOnDial = factor::kLastInTables;  // PO: GZ and Du stay off the dial
constexpr double kTurn = 2 * std::numbers::pi;
// Within a ring's band: the centres of the names, and the marks of the true places.
constexpr double kNameLevel = 0.45;
constexpr double kMarkLevel = 0.92;
// A little more than the boxes' diagonal, so rounding never lets two boxes touch.
constexpr double kSpacingMargin = 1.02;

// The dial degrees between two names on a circle of this radius whose
// centres lie `distance` apart.
double dialSpacing(double distance, double radius, double size) {
  if (radius <= 0) return size;
  const double half = std::min(1.0, distance / (2 * radius));
  return 2 * std::asin(half) / kTurn * size;
}

// Places on an unrolled stretch of the dial, in ascending order, pushed
// apart to at least `spacing`: runs of names that would overlap become one
// group, spread evenly around the mean of their places; groups merge until
// none overlaps the one before.
std::vector<double> spreadInLine(const std::vector<double>& places, double spacing) {
  struct Group {
    std::size_t count;
    double sum;  // of the places of its names
    double start(double gap) const {
      return sum / static_cast<double>(count) - static_cast<double>(count - 1) * gap / 2;
    }
    double end(double gap) const { return start(gap) + static_cast<double>(count - 1) * gap; }
  };
  std::vector<Group> groups;
  for (std::size_t i = 0; i < places.size(); ++i) {
    groups.push_back({1, places[i]});
    while (groups.size() > 1) {
      Group& last = groups.back();
      Group& before = groups[groups.size() - 2];
      if (before.end(spacing) + spacing <= last.start(spacing)) break;
      before.count += last.count;
      before.sum += last.sum;
      groups.pop_back();
    }
  }
  std::vector<double> spread;
  spread.reserve(places.size());
  for (const Group& group : groups) {
    for (std::size_t k = 0; k < group.count; ++k) {
      spread.push_back(group.start(spacing) + static_cast<double>(k) * spacing);
    }
  }
  return spread;
}

// The places of one ring's names (dial values, any order) pushed apart on
// the circle. The circle is cut open in its widest gap; when the two ends
// still come too close across the cut, all names are spread as one group.
std::vector<double> spreadOnCircle(const std::vector<double>& values, double spacing,
                                   DialSize dial) {
  const double size = dial.degrees();
  const std::size_t n = values.size();
  if (n < 2) return values;
  spacing = std::min(spacing, size / static_cast<double>(n));
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
  std::size_t cut = 0;  // the first name after the widest gap
  double widest = values[order[0]] + size - values[order[n - 1]];
  for (std::size_t i = 1; i < n; ++i) {
    const double gap = values[order[i]] - values[order[i - 1]];
    if (gap > widest) {
      widest = gap;
      cut = i;
    }
  }
  std::vector<double> unrolled(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t k = (cut + i) % n;
    unrolled[i] = values[order[k]] + (k < cut ? size : 0.0);
  }
  std::vector<double> spread = spreadInLine(unrolled, spacing);
  if (spread.back() - spread.front() > size - spacing) {
    const double mean =
        std::accumulate(unrolled.begin(), unrolled.end(), 0.0) / static_cast<double>(n);
    for (std::size_t i = 0; i < n; ++i) {
      spread[i] = mean + (static_cast<double>(i) - static_cast<double>(n - 1) / 2) * spacing;
    }
  }
  std::vector<double> placed(n);
  for (std::size_t i = 0; i < n; ++i) placed[order[(cut + i) % n]] = dialPlace(spread[i], dial);
  return placed;
}

DialPoint nearestInBox(DialPoint centre, const DialGeometry& geometry, DialPoint target) {
  const double halfWidth = geometry.nameWidth / 2;
  const double halfHeight = geometry.nameHeight / 2;
  return {std::clamp(target.x, centre.x - halfWidth, centre.x + halfWidth),
          std::clamp(target.y, centre.y - halfHeight, centre.y + halfHeight)};
}

}  // namespace

double dialPlace(double longitude, DialSize dial) {
  if (!dial.isStandard()) return dial.place(longitude);
  // The standard dial places as the searches do, with modus22.
  double v = modus22(longitude);
  if (v < 0) v += kDial;
  return v < kDial ? v : 0.0;  // a value just below 0 can round up to 22.5
}

DialPoint pointOnDial(double dialValue, double radius, DialSize dial) {
  const double angle = dialValue / dial.degrees() * kTurn;
  return {-radius * std::sin(angle), -radius * std::cos(angle)};
}

double dialValueAt(DialPoint p, DialSize dial) {
  const double angle = std::atan2(-p.x, -p.y);  // 0 at the top, counter-clockwise
  return dialPlace(angle / kTurn * dial.degrees(), dial);
}

DialLayout layoutDial(const TransitRecord& record, const std::array<bool, 4>& shownRings,
                      const DialGeometry& geometry, DialSize dial) {
  DialLayout layout;
  const double band = (geometry.ringsOuter - geometry.ringsInner) / 4;
  const double diagonal = std::hypot(geometry.nameWidth, geometry.nameHeight) * kSpacingMargin;
  for (const Variant v : kVariants) {
    const auto ring = static_cast<std::size_t>(variantIndex(v));
    const double bandStart = geometry.ringsInner + band * static_cast<double>(ring);
    layout.ringRadius[ring] = bandStart + band * kMarkLevel;
    layout.nameRadius[ring] = bandStart + band * kNameLevel;
    if (!shownRings[ring]) continue;

    std::vector<double> values;
    for (int number = 1; number <= kLastOnDial; ++number) {
      values.push_back(dialPlace(record.position(v, number), dial));
    }
    const std::vector<double> placed = spreadOnCircle(
        values, dialSpacing(diagonal, layout.nameRadius[ring], dial.degrees()), dial);
    for (int number = 1; number <= kLastOnDial; ++number) {
      const auto i = static_cast<std::size_t>(number - 1);
      DialName name{number,
                    v,
                    values[i],
                    pointOnDial(values[i], layout.ringRadius[ring], dial),
                    pointOnDial(placed[i], layout.nameRadius[ring], dial),
                    {}};
      name.leaderStart = nearestInBox(name.centre, geometry, name.truePlace);
      layout.names.push_back(name);
    }
  }
  return layout;
}

}  // namespace kelvaro
