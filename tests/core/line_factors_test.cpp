#include "core/line_factors.h"

#include <vector>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

std::vector<FactorVariant> asVector(std::span<const FactorVariant> factors) {
  return {factors.begin(), factors.end()};
}

TEST(LineFactors, EachLineKeepsItsOwnFactorsInOrderAndSkippedLinesHaveNone) {
  const FactorVariant mcR{factor::MC, Variant::r};
  const FactorVariant knT{factor::KN, Variant::t};
  const FactorVariant poS{factor::PO, Variant::s};
  LineFactors factors;
  EXPECT_TRUE(factors.empty());
  factors.add(1, mcR);
  factors.add(1, knT);
  factors.add(4, poS);  // lines 2 and 3 name none
  factors.add(4, mcR);
  EXPECT_FALSE(factors.empty());
  EXPECT_TRUE(factors[0].empty());
  EXPECT_EQ(asVector(factors[1]), (std::vector<FactorVariant>{mcR, knT}));
  EXPECT_TRUE(factors[2].empty());
  EXPECT_TRUE(factors[3].empty());
  EXPECT_EQ(asVector(factors[4]), (std::vector<FactorVariant>{poS, mcR}));
  EXPECT_TRUE(factors[5].empty());
  EXPECT_TRUE(factors[1000].empty());
}

// A search that lists many entries pushes a line's factors and ends the
// line; that keeps the same factors per line as adding them one by one.
// Entries of 7 characters one blank apart, after a leading blank, with two
// factors each: the characters of the second entry lead to its two factors,
// the blanks and what lies beyond the last entry to none.
TEST(LineFactors, TheEntryAtAColumn) {
  const FactorVariant mcR{factor::MC, Variant::r};
  const FactorVariant knT{factor::KN, Variant::t};
  const FactorVariant poS{factor::PO, Variant::s};
  const FactorVariant soP{factor::SO, Variant::p};
  const std::vector<FactorVariant> line = {mcR, knT, poS, soP};  // " MCr+KNt POs/SOp"
  const EntryColumns entries{1, 7, 8, 2};
  EXPECT_TRUE(entryFactorsAt(line, entries, 0).empty());
  EXPECT_EQ(asVector(entryFactorsAt(line, entries, 1)), (std::vector{mcR, knT}));
  EXPECT_EQ(asVector(entryFactorsAt(line, entries, 7)), (std::vector{mcR, knT}));
  EXPECT_TRUE(entryFactorsAt(line, entries, 8).empty());
  EXPECT_EQ(asVector(entryFactorsAt(line, entries, 9)), (std::vector{poS, soP}));
  EXPECT_EQ(asVector(entryFactorsAt(line, entries, 15)), (std::vector{poS, soP}));
  EXPECT_TRUE(entryFactorsAt(line, entries, 17).empty());  // no third entry
  EXPECT_TRUE(entryFactorsAt({}, entries, 3).empty());
}

TEST(LineFactors, PushedAndEndedLinesEqualAddedOnes) {
  const FactorVariant saP{factor::SA, Variant::p};
  const FactorVariant juT{factor::JU, Variant::t};
  LineFactors added;
  added.add(2, saP);
  added.add(2, juT);
  added.add(5, juT);
  LineFactors pushed;
  pushed.push(saP);
  pushed.push(juT);
  pushed.endLine(2);
  pushed.endLine(3);  // a line that names none
  pushed.push(juT);
  pushed.endLine(5);
  EXPECT_TRUE(pushed[3].empty());
  EXPECT_TRUE(pushed[4].empty());
  EXPECT_EQ(asVector(pushed[2]), asVector(added[2]));
  EXPECT_EQ(asVector(pushed[5]), asVector(added[5]));
  pushed.add(5, saP);  // both ways mix on the last line
  added.add(5, saP);
  EXPECT_EQ(asVector(pushed[5]), (std::vector<FactorVariant>{juT, saP}));
  EXPECT_EQ(asVector(pushed[5]), asVector(added[5]));
}

}  // namespace
}  // namespace kelvaro
