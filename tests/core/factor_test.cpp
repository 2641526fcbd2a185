#include "core/factor.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(FactorTable, NamesInTableOrder) {
  EXPECT_EQ(factorName(1), "MC");
  EXPECT_EQ(factorName(3), "SO");
  EXPECT_EQ(factorName(22), "PO");
  EXPECT_EQ(factorName(23), "GZ");
  EXPECT_EQ(factorName(24), "Du");
  EXPECT_EQ(factorVariantName(6, Variant::t), "KNt");
}

TEST(FactorLookup, FindsOnlyNamesOneToTwentyThreeExactly) {
  EXPECT_EQ(lookupFactor("MC"), 1);
  EXPECT_EQ(lookupFactor("GZ"), 23);
  EXPECT_EQ(lookupFactor("PO"), 22);
  EXPECT_EQ(lookupFactor("Du"), std::nullopt);
  EXPECT_EQ(lookupFactor("DU"), std::nullopt);
  EXPECT_EQ(lookupFactor("mc"), std::nullopt);  // callers upper-case first
  EXPECT_EQ(lookupFactor("M"), std::nullopt);
}

TEST(Variants, LettersAndOrder) {
  EXPECT_EQ(variantLetter(kVariants[0]), 'r');
  EXPECT_EQ(variantLetter(kVariants[3]), 't');
  EXPECT_EQ(variantFromLetter(U's'), Variant::s);
  EXPECT_EQ(variantFromLetter(U'S'), std::nullopt);
  EXPECT_EQ(variantFromLetterAnyCase(U'T'), Variant::t);
  EXPECT_EQ(variantFromLetterAnyCase(U'x'), std::nullopt);
}

}  // namespace
}  // namespace kelvaro
