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

}  // namespace
}  // namespace kelvaro
