#include "loading/axis_overview.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "loading/magic_squares.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

// Where the parts of the result list stand.
constexpr std::size_t kHeaderLine = 0;
constexpr std::size_t kValueLine = 1;
constexpr std::size_t kSeparatorLine = 2;
constexpr std::size_t axisRow(int factorNumber) {
  return 2 + static_cast<std::size_t>(factorNumber);
}
constexpr std::size_t kHouseTitleLine = 26;
constexpr std::size_t houseRow(int factorNumber) {
  return 27 + static_cast<std::size_t>(factorNumber);
}
constexpr std::size_t kMagicTitleLine = 51;
constexpr std::size_t kFirstMagicLine = 53;

// Cell k (0-based) of an axis-table row: ten characters after the leading
// blank and k cells of eleven characters.
std::string cell(std::string_view row, std::size_t k) { return utf8Mid(row, 1 + 11 * k, 10); }

// Positions spread over the circle, so that every kind of row occurs.
RecordBuilder spread() {
  RecordBuilder builder;
  for (Variant v : kVariants) {
    for (int i = 1; i <= factor::kCount; ++i) {
      builder.at(v, i, std::fmod(37.3 * i + 91.7 * variantIndex(v) + 11.0, 360.0));
    }
  }
  return builder;
}

TransitRecord spreadRecord() { return spread().build(); }

TEST(AxisOverview, HeaderValueLineLabelsAndHeading) {
  // Dial values exact in binary: 10, 17.75, 13, 17.5, 0.125, 22.375 …
  const TransitRecord record = RecordBuilder(5.0)
                                   .at(Variant::r, factor::MC, 100.0)
                                   .at(Variant::p, factor::MC, 130.25)
                                   .at(Variant::t, factor::MC, 310.0)
                                   .at(Variant::r, factor::SO, 45.125)
                                   .at(Variant::p, factor::SO, 22.375)
                                   .at(Variant::t, factor::SO, 359.875)
                                   .build();
  const AxisOverview overview = axisOverview(record, 1.2);

  EXPECT_EQ(overview.lines[kHeaderLine],
            " MCr/MCr   |MCr+MCr   |MCp/MCp   |MCp+MCp   |MCt/MCt   |MCt+MCt   |SOr/SOr   "
            "|SOr+SOr   |SOp/SOp   |SOp+SOp   |SOt/SOt   |SOt+SOt");
  EXPECT_EQ(overview.lines[kValueLine],
            " 10°00'    |20°00'    |17°45'    |13°00'    |17°30'    |12°30'    |00°07'    "
            "|00°15'    |22°22'    |22°15'    |22°22'    |22°15'");
  EXPECT_EQ(overview.lines[kSeparatorLine], " " + std::string(131, '-'));

  const std::array<std::string, kAxisLabelCount> expected = {
      "MCr/MCr 10°00' ", "MCr+MCr 20°00' ", "MCp/MCp 17°45' ", "MCp+MCp 13°00' ",
      "SOr/SOr 00°07' ", "SOr+SOr 00°15' ", "SOp/SOp 22°22' ", "SOp+SOp 22°15' ",
      "SOt/SOt 22°22' ", "SOt+SOt 22°15' "};
  EXPECT_EQ(overview.labels, expected);
  EXPECT_EQ(overview.heading,
            "Die Faktoren in MC- und SO-Achsen, ihre Positionen in den MC-Häusern und im "
            "Tierkreis sowie MC- und SO-Quadrate");
}

struct CellCase {
  const char* name;
  double mcRadix;  // gives the value of the first axis, MCr/MCr
  double orb;
  std::array<double, 4> kn;  // KN in r, p, s, t
  const char* expected;      // the KN row's MCr/MCr cell
};

class AxisCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(AxisCell, ShowsTheFirstVariantThatMeetsTheAxis) {
  const CellCase& c = GetParam();
  RecordBuilder builder(5.0);
  builder.at(Variant::r, factor::MC, c.mcRadix);
  for (Variant v : kVariants)
    builder.at(v, factor::KN, c.kn[static_cast<std::size_t>(variantIndex(v))]);
  const AxisOverview overview = axisOverview(builder.build(), c.orb);
  EXPECT_EQ(cell(overview.lines[axisRow(factor::KN)], 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AxisCell,
    ::testing::Values(
        CellCase{"DistanceEqualToTheOrbIsNoHit", 100.0, 1.25, {11.25, 5, 5, 5}, "          "},
        CellCase{"JustInsideTheOrb", 100.0, 1.25, {11.125, 5, 5, 5}, "KNr 11°07'"},
        CellCase{"EarlierOfTwoVariantsWins", 100.0, 1.2, {10.5, 9.75, 5, 5}, "KNr 10°30'"},
        CellCase{"LaterVariantsWhenRadixMisses", 100.0, 1.2, {5, 9.5, 5, 10.25}, "KNp 09°30'"},
        CellCase{"OnlyTransitMeets", 100.0, 1.2, {5, 5, 5, 370.0}, "KNt 10°00'"},
        CellCase{"WrapsAroundTheDialSeam", 0.3, 1.2, {5, 5, 5, 22.2}, "KNt 22°12'"},
        CellCase{"WrapLimitItselfIsNoHit", 0.25, 1.25, {5, 5, 21.5, 5}, "          "}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(AxisOverview, AxisFactorsStandInTheirOwnColumns) {
  const AxisOverview overview = axisOverview(spreadRecord(), 1.2);
  EXPECT_EQ(cell(overview.lines[axisRow(factor::MC)], 0).substr(0, 4), "MCr ");
  EXPECT_EQ(cell(overview.lines[axisRow(factor::MC)], 2).substr(0, 4), "MCp ");
  EXPECT_EQ(cell(overview.lines[axisRow(factor::MC)], 4).substr(0, 4), "MCt ");
  EXPECT_EQ(cell(overview.lines[axisRow(factor::SO)], 6).substr(0, 4), "SOr ");
  EXPECT_EQ(cell(overview.lines[axisRow(factor::SO)], 8).substr(0, 4), "SOp ");
  EXPECT_EQ(cell(overview.lines[axisRow(factor::SO)], 10).substr(0, 4), "SOt ");
}

TEST(AxisOverview, RowsLineUpUnderTheColumnHeader) {
  const AxisOverview overview = axisOverview(spreadRecord(), 1.5);
  bool lastCellFilled = false;
  bool lastCellEmpty = false;
  for (std::size_t n = kHeaderLine; n <= axisRow(factor::kLastInTables); ++n) {
    if (n == kSeparatorLine) continue;
    const std::u32string row = utf8ToCodePoints(overview.lines[n]);
    for (std::size_t k = 0; k < row.size(); ++k) {
      const bool barColumn = k >= 11 && k <= 121 && (k - 11) % 11 == 0;
      EXPECT_EQ(row[k] == U'|', barColumn) << "line " << n << ", character " << k;
    }
    if (n > kSeparatorLine) {
      EXPECT_TRUE(row.size() == 122 || row.size() == 132) << "line " << n;
      (row.size() == 132 ? lastCellFilled : lastCellEmpty) = true;
    }
  }
  EXPECT_EQ(utf8Length(overview.lines[kValueLine]), 128u);
  EXPECT_TRUE(lastCellFilled && lastCellEmpty) << "both kinds of row end should occur";
}

TEST(AxisOverview, HouseTableExample) {
  const TransitRecord record = RecordBuilder(5.0)
                                   .at(Variant::r, factor::KN, 123.456)
                                   .at(Variant::p, factor::KN, 95.0)
                                   .at(Variant::s, factor::KN, 200.2)
                                   .at(Variant::t, factor::KN, 10.75)
                                   .at(Variant::r, factor::MC, 100.0)
                                   .at(Variant::p, factor::MC, 130.25)
                                   .at(Variant::s, factor::MC, 150.5)
                                   .at(Variant::t, factor::MC, 310.0)
                                   .build();
  const AxisOverview overview = axisOverview(record, 1.2);
  EXPECT_EQ(overview.lines[houseRow(factor::KN)],
            "                 KNr 10 03°27' LOE   KNp 08 05°00' KRE   KNs 11 20°12' WAA   "
            "KNt 12 10°45' WID   ");
  EXPECT_EQ(overview.lines[houseRow(factor::MC)],
            "                 MCr 10 10°00' KRE   MCp 10 10°15' LOE   MCs 10 00°30' JUN   "
            "MCt 10 10°00' WAS   ");
  EXPECT_EQ(overview.lines[kHouseTitleLine - 1], " ");
  EXPECT_EQ(overview.lines[kHouseTitleLine],
            "                 Die Faktorvarianten mit ihren MC-Häusern und ihrer Lage im "
            "Tierkreis:");
  EXPECT_EQ(overview.lines[kHouseTitleLine + 1], " ");
}

TEST(AxisOverview, AFullCircleHasNoSign) {
  const TransitRecord record = RecordBuilder(5.0)
                                   .at(Variant::r, factor::MC, 100.0)
                                   .at(Variant::r, factor::MO, 360.0)
                                   .build();
  const std::string row(axisOverview(record, 1.2).lines[houseRow(factor::MO)]);
  EXPECT_NE(row.find("MOr 06 00°00'    MOp "), std::string::npos) << row;
}

TEST(AxisOverview, EndsWithTheMagicSquaresAndLeavesOutGzAndDu) {
  // GZ and Du stand on every axis, yet no table has a row or an entry for them.
  const TransitRecord record = spread()
                                   .everywhere(factor::GZ, 0.0)
                                   .everywhere(factor::Du, 0.0)
                                   .everywhere(factor::MC, 0.0)
                                   .everywhere(factor::SO, 0.0)
                                   .build();
  const AxisOverview overview = axisOverview(record, 1.2);
  ASSERT_EQ(overview.lines.size(), kFirstMagicLine + 32);
  EXPECT_EQ(overview.lines[kMagicTitleLine - 1], " ");
  EXPECT_EQ(overview.lines[kMagicTitleLine],
            "Die ´magischen Quadrate:       Über 0/22,5° gespiegelte Faktoren UND achsengleiche "
            "Faktoren.");
  EXPECT_EQ(overview.lines[kMagicTitleLine + 1], " ");
  const std::vector<std::string> squares = overviewMagicSquares(record).lines();
  EXPECT_TRUE(std::equal(squares.begin(), squares.end(),
                         overview.lines.begin() + static_cast<std::ptrdiff_t>(kFirstMagicLine)));
  for (const std::string_view line : overview.lines) {
    EXPECT_EQ(line.find("GZ"), std::string::npos) << line;
    EXPECT_EQ(line.find("Du"), std::string::npos) << line;
  }
  EXPECT_EQ(overview.lines[houseRow(factor::kLastInTables)].substr(17, 3), "POr");
}

TEST(AxisOverview, TheOrbWidensTheAxisTableOnly) {
  const TransitRecord record = spreadRecord();
  const AxisOverview narrow = axisOverview(record, 0.5);
  const AxisOverview wide = axisOverview(record, 2.0);
  EXPECT_NE(narrow.lines, wide.lines);
  for (std::size_t n = 0; n < narrow.lines.size(); ++n) {
    if (n < axisRow(1) || n > axisRow(factor::kLastInTables)) {
      EXPECT_EQ(narrow.lines[n], wide.lines[n]) << "line " << n;
    }
  }
}

}  // namespace
}  // namespace kelvaro
