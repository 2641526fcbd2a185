#include "loading/magic_squares.h"

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

const std::string kPairStart = " Die t+t-Quadrat-Summen        ";

// Block 1 (MCp/MCp) has its axis at MC of p = `mcp`; every other position
// sits at dial 5, away from the axes and mirror points these tests use.
RecordBuilder blockOneRecord(double mcp) {
  RecordBuilder builder(5.0);
  builder.at(Variant::p, factor::MC, mcp);
  return builder;
}

TEST(OverviewMagicSquares, WorkedExample) {
  const TransitRecord record = blockOneRecord(100.0)
                                   .at(Variant::r, factor::KN, 192.5)
                                   .at(Variant::t, factor::JU, 10.3)
                                   .at(Variant::t, factor::KN, 12.9)
                                   .build();
  const std::vector<std::string> lines = overviewMagicSquares(record).lines();
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines[0], " Die MCp/MCp-Quadrat-Faktoren: KNr KNt  UND  MCp JUt ");
  EXPECT_EQ(lines[1], kPairStart + "KNt+JUt ");
  EXPECT_EQ(lines[2], " Achsen: 10°00' und 12°30'");
  EXPECT_EQ(lines[3], " ");
}

TEST(OverviewMagicSquares, EightBlocksOfFourLinesInAxisOrder) {
  const std::vector<std::string> lines =
      overviewMagicSquares(blockOneRecord(100.0).build()).lines();
  const std::vector<std::string> titles = {"MCp/MCp", "MCp+MCp", "MCt/MCt", "MCt+MCt",
                                           "SOp/SOp", "SOp+SOp", "SOt/SOt", "SOt+SOt"};
  ASSERT_EQ(lines.size(), 4 * titles.size());
  for (std::size_t b = 0; b < titles.size(); ++b) {
    const std::string start = " Die " + titles[b] + "-Quadrat-Faktoren: ";
    EXPECT_EQ(lines[4 * b].substr(0, start.size()), start);
    EXPECT_EQ(lines[4 * b + 1].substr(0, kPairStart.size()), kPairStart);
    EXPECT_EQ(lines[4 * b + 2].substr(0, 9), " Achsen: ");
    EXPECT_EQ(lines[4 * b + 3], " ");
  }
  // MCp+MCp lies at 20°, its mirror point at 2°30': nothing is near either.
  EXPECT_EQ(lines[4], " Die MCp+MCp-Quadrat-Faktoren:  UND  ");
  EXPECT_EQ(lines[5], kPairStart);
  EXPECT_EQ(lines[6], " Achsen: 20°00' und 02°30'");
}

struct NearCase {
  const char* name;
  double mcp;                // A = mcp, M = 22.5 − A
  double knRadix;            // the position tested against A and M
  const char* expectedLine;  // first line of block 1
};

class NearTest : public ::testing::TestWithParam<NearCase> {};

TEST_P(NearTest, UsesTheFixedToleranceOfOneDegree) {
  const NearCase& c = GetParam();
  const TransitRecord record = blockOneRecord(c.mcp).at(Variant::r, factor::KN, c.knRadix).build();
  EXPECT_EQ(overviewMagicSquares(record)[0], c.expectedLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NearTest,
    ::testing::Values(NearCase{"OneDegreeAboveTheAxisIsNotNear", 10.0, 11.0,
                               " Die MCp/MCp-Quadrat-Faktoren:  UND  MCp "},
                      NearCase{"OneDegreeBelowTheAxisIsNotNear", 10.0, 9.0,
                               " Die MCp/MCp-Quadrat-Faktoren:  UND  MCp "},
                      NearCase{"JustInsideTheAxis", 10.0, 10.875,
                               " Die MCp/MCp-Quadrat-Faktoren:  UND  MCp KNr "},
                      NearCase{"OneDegreeAboveTheMirrorIsNotNear", 10.0, 13.5,
                               " Die MCp/MCp-Quadrat-Faktoren:  UND  MCp "},
                      NearCase{"OneDegreeBelowTheMirrorIsNotNear", 10.0, 11.5,
                               " Die MCp/MCp-Quadrat-Faktoren:  UND  MCp "},
                      NearCase{"JustInsideTheMirror", 10.0, 12.125,
                               " Die MCp/MCp-Quadrat-Faktoren: KNr  UND  MCp "},
                      // A = 11, M = 11.5: MCp itself is near its mirror point too.
                      NearCase{"InBothListsWhenAxisAndMirrorAreClose", 11.0, 11.25,
                               " Die MCp/MCp-Quadrat-Faktoren: MCp KNr  UND  MCp KNr "},
                      // A = 0.25, M = 22.25: the axis factor itself is near its own mirror
                      // across the seam (distance 22 > 21.5); 21.5 away is not.
                      NearCase{"WrapAroundTheSeam", 0.25, 22.375,
                               " Die MCp/MCp-Quadrat-Faktoren: MCp KNr  UND  MCp KNr "},
                      NearCase{"WrapLimitItselfIsNotNear", 0.25, 21.75,
                               " Die MCp/MCp-Quadrat-Faktoren: MCp KNr  UND  MCp "}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(OverviewMagicSquares, AxisAtZeroPointTwoMeetsAFactorAtTwentyTwoPointThree) {
  // A = 0.2, M = 22.3: KNt and JUt stand on the mirror point and, across the
  // seam, on the axis; each is mirrored and pairs with the other.
  const TransitRecord record =
      blockOneRecord(0.2).at(Variant::t, factor::KN, 22.3).at(Variant::t, factor::JU, 22.3).build();
  const std::vector<std::string> lines = overviewMagicSquares(record).lines();
  EXPECT_EQ(lines[0], " Die MCp/MCp-Quadrat-Faktoren: MCp KNt JUt  UND  MCp KNt JUt ");
  EXPECT_EQ(lines[1], kPairStart + "KNt+JUt JUt+KNt ");
  EXPECT_EQ(lines[2], " Achsen: 00°12' und 22°18'");
}

struct PairCase {
  const char* name;
  Variant mirroredVariant;
  int mirroredFactor;
  int onAxisFactor;  // always in t
  const char* expectedPairs;
};

class PairTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairTest, PairsOnlyTransitFactorsMirroredFirst) {
  const PairCase& c = GetParam();
  // A = 10, M = 12.5.
  const TransitRecord record = blockOneRecord(100.0)
                                   .at(c.mirroredVariant, c.mirroredFactor, 12.5)
                                   .at(Variant::t, c.onAxisFactor, 10.0)
                                   .build();
  EXPECT_EQ(overviewMagicSquares(record)[1], kPairStart + c.expectedPairs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PairTest,
    ::testing::Values(
        PairCase{"MirroredFirst", Variant::t, factor::KN, factor::JU, "KNt+JUt "},
        PairCase{"PartnerEarlierInTheTable", Variant::t, factor::JU, factor::KN, "JUt+KNt "},
        PairCase{"MirroredInRadixOnly", Variant::r, factor::KN, factor::JU, ""},
        PairCase{"MirroredInSolarArcOnly", Variant::s, factor::KN, factor::JU, ""},
        PairCase{"FirstFactorOfTheTable", Variant::t, factor::MC, factor::PO, "MCt+POt "}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(OverviewMagicSquares, ListsAndPairsAreWrittenWhole) {
  // Everything at 11.25: axis and mirror point coincide, and every factor
  // variant belongs in both lists of block 1; every transit pair is listed,
  // in both orders.
  const std::vector<std::string> lines = overviewMagicSquares(RecordBuilder(11.25).build()).lines();
  const std::string& first = lines[0];
  // Both lists with their beginnings and all 88 entries MCr … POt.
  ASSERT_EQ(utf8Length(first), 31 + 88 * 4 + 6 + 88 * 4u);
  EXPECT_EQ(first.substr(0, 39), " Die MCp/MCp-Quadrat-Faktoren: MCr MCp ");
  EXPECT_EQ(first.substr(31 + 88 * 4 - 8, 14), "POs POt  UND  ");
  EXPECT_EQ(first.substr(first.size() - 8), "POs POt ");

  const std::string& pairs = lines[1];
  EXPECT_EQ(pairs.size(), kPairStart.size() + std::size_t{462} * 8);  // 22 × 21 pairs
  EXPECT_EQ(pairs.substr(kPairStart.size(), 16), "MCt+WIt MCt+SOt ");
  EXPECT_EQ(pairs.substr(kPairStart.size() + std::size_t{21} * 8, 16), "WIt+MCt WIt+SOt ");
  EXPECT_EQ(pairs.substr(pairs.size() - 8), "POt+VUt ");
}

}  // namespace
}  // namespace kelvaro
