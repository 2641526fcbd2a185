#include "loading/magic_squares.h"

#include <array>

#include "core/std_ho.h"
#include "loading/overview_axes.h"

namespace kelvaro {
namespace {

// Indexes into kOverviewAxes: MCp/MCp, MCp+MCp, MCt/MCt, MCt+MCt,
// SOp/SOp, SOp+SOp, SOt/SOt, SOt+SOt.
constexpr std::array<std::size_t, 8> kBlockAxes = {2, 3, 4, 5, 8, 9, 10, 11};

// Name and variant letter followed by a blank ("KNr "), without allocating.
class FactorVariantEntry {
 public:
  FactorVariantEntry(int factorNumber, Variant v) {
    const std::string_view name = factorName(factorNumber);
    text_ = {name[0], name[1], variantLetter(v), ' '};
  }
  std::string_view text() const { return {text_.data(), text_.size()}; }

 private:
  std::array<char, 4> text_{};
};

bool near(double a, double b) { return orbHit(a, b, kMagicSquareTolerance); }

void appendBlock(ResultText& lines, const DialTable& dial, const OverviewAxis& axis, double a) {
  const double mirror = kDial - a;
  std::string start = " Die ";
  start += axis.title;
  start += "-Quadrat-Faktoren: ";
  std::string mirrored = std::move(start);
  std::string onAxis = " UND  ";
  std::string pairs = " Die t+t-Quadrat-Summen        ";

  for (int i = 1; i <= factor::kLastInTables; ++i) {
    for (Variant v : kVariants) {
      const double value = dialValue(dial, v, i);
      const bool isMirrored = near(value, mirror);
      const bool isOnAxis = near(value, a);
      if (isMirrored || isOnAxis) {
        const FactorVariantEntry entry(i, v);
        if (isMirrored) mirrored.append(entry.text());
        if (isOnAxis) onAxis.append(entry.text());
      }
      if (v != Variant::t || !isMirrored) continue;
      // Every other factor on the axis in t pairs with it, before or after it.
      for (int j = 1; j <= factor::kLastInTables; ++j) {
        if (j == i || !near(dialValue(dial, Variant::t, j), a)) continue;
        pairs += factorName(i);
        pairs += "t+";
        pairs += factorName(j);
        pairs += "t ";
      }
    }
  }

  lines.pushPieces({mirrored, onAxis});
  lines.push_back(pairs);
  lines.push_back(" Achsen: " + winkel_text(a, 2, AngleMode::dial22) + " und " +
                  winkel_text(mirror, 2, AngleMode::dial22));
  lines.push_back(" ");
}

}  // namespace

ResultText overviewMagicSquares(const TransitRecord& record) {
  const DialTable dial = dialTable(record);
  ResultText lines;
  lines.reserveLines(kBlockAxes.size() * 4, 64);
  for (std::size_t index : kBlockAxes) {
    const OverviewAxis& axis = kOverviewAxes[index];
    appendBlock(lines, dial, axis, axisValue(record, axis));
  }
  return lines;
}

}  // namespace kelvaro
