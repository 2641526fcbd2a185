#include "loading/axis_overview.h"

#include <array>

#include "core/std_ho.h"
#include "loading/magic_squares.h"
#include "loading/overview_axes.h"

namespace kelvaro {
namespace {

// The axes that get a label (indices into kOverviewAxes): the MCt axes have none.
constexpr std::array<std::size_t, kAxisLabelCount> kLabelledAxes = {0, 1, 2, 3, 6, 7, 8, 9, 10, 11};

constexpr std::string_view kColumnHeader =
    " MCr/MCr   |MCr+MCr   |MCp/MCp   |MCp+MCp   |MCt/MCt   |MCt+MCt   |SOr/SOr   |SOr+SOr   "
    "|SOp/SOp   |SOp+SOp   |SOt/SOt   |SOt+SOt";
constexpr std::string_view kEmptyCell = "          |";
constexpr std::size_t kSeparatorDashes = 131;
constexpr std::string_view kHouseTableTitle =
    "                 Die Faktorvarianten mit ihren MC-Häusern und ihrer Lage im Tierkreis:";
constexpr std::string_view kHouseRowIndent = "                 ";  // 17 blanks
constexpr std::string_view kMagicSquaresTitle =
    "Die ´magischen Quadrate:       Über 0/22,5° gespiegelte Faktoren UND achsengleiche "
    "Faktoren.";

using AxisValues = std::array<double, kOverviewAxisCount>;

std::array<std::string, kAxisLabelCount> axisLabels(const AxisValues& values) {
  std::array<std::string, kAxisLabelCount> labels;
  for (std::size_t i = 0; i < kAxisLabelCount; ++i) {
    const std::size_t axis = kLabelledAxes[i];
    labels[i] = std::string(kOverviewAxes[axis].title) + ' ' + dialString(values[axis]) + ' ';
  }
  return labels;
}

std::string axisValueLine(const AxisValues& values) {
  std::string line = " ";
  for (std::size_t k = 0; k < kOverviewAxisCount; ++k) {
    line += dialText(values[k]).view();
    if (k + 1 < kOverviewAxisCount) line += "    |";
  }
  return line;
}

// The row of one factor: in each column the first variant (r, p, s, t) that
// meets the axis, with its dial value.
std::string axisRow(const DialTable& dial, const AxisValues& values, int factorNumber, double orb) {
  std::string line = " ";
  line.reserve(150);  // 132 characters, "°" two bytes each
  for (std::size_t k = 0; k < kOverviewAxisCount; ++k) {
    const bool last = k + 1 == kOverviewAxisCount;
    bool filled = false;
    for (Variant v : kVariants) {
      const double value = dialValue(dial, v, factorNumber);
      if (!orbHit(value, values[k], orb)) continue;
      line += factorName(factorNumber);
      line += variantLetter(v);
      line += ' ';
      line += grad3_kurz(value);
      if (!last) line += '|';
      filled = true;
      break;
    }
    if (!filled && !last) line += kEmptyCell;
  }
  return line;
}

// Each variant's MC house counted from its own MC, the degrees within the
// sign and the sign.
std::string houseRow(const TransitRecord& record, int factorNumber) {
  std::string line(kHouseRowIndent);
  line.reserve(110);
  for (Variant v : kVariants) {
    const double longitude = record.position(v, factorNumber);
    line += factorName(factorNumber);
    line += variantLetter(v);
    line += ' ';
    line += zahl_text(haus(factorNumber, longitude, record.position(v, factor::MC)), 2);
    line += ' ';
    line += grad3_kurz(modus30(longitude));
    line += ' ';
    line += signAbbreviation(longitude);
    line += "   ";
  }
  return line;
}

}  // namespace

AxisOverview axisOverview(const TransitRecord& record, double orb) {
  AxisValues values{};
  for (std::size_t k = 0; k < kOverviewAxisCount; ++k) {
    values[k] = axisValue(record, kOverviewAxes[k]);
  }
  const DialTable dial = dialTable(record);

  AxisOverview overview;
  overview.heading = kAxisOverviewHeading;
  overview.labels = axisLabels(values);

  ResultText& lines = overview.lines;
  // Axis table, house table and magic squares.
  lines.reserveLines(3 + 22 + 3 + 22 + 3 + 32, 132);
  lines.push_back(kColumnHeader);
  lines.push_back(axisValueLine(values));
  lines.push_back(" " + std::string(kSeparatorDashes, '-'));
  for (int i = 1; i <= factor::kLastInTables; ++i) {
    lines.push_back(axisRow(dial, values, i, orb));
  }

  lines.push_back(" ");
  lines.push_back(kHouseTableTitle);
  lines.push_back(" ");
  for (int i = 1; i <= factor::kLastInTables; ++i) lines.push_back(houseRow(record, i));

  lines.push_back(" ");
  lines.push_back(kMagicSquaresTitle);
  lines.push_back(" ");
  for (const std::string_view line : overviewMagicSquares(record)) lines.push_back(line);
  return overview;
}

}  // namespace kelvaro
