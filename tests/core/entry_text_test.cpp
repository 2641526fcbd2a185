#include "core/entry_text.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(EntryText, ReadsCharactersByPosition) {
  EntryText entry("kn+ju");
  EXPECT_EQ(entry.length(), 5u);
  EXPECT_EQ(entry.at(3), U'+');
  EXPECT_EQ(entry.at(6), 0);
  EXPECT_EQ(entry.factorAt(1), std::nullopt);
  entry.upperCaseLetters({1, 2, 4, 5});
  EXPECT_EQ(entry.utf8(), "KN+JU");
  EXPECT_EQ(entry.factorAt(1), factor::KN);
  EXPECT_EQ(entry.factorAt(4), factor::JU);
}

TEST(EntryText, UpperCasesOnlyAsciiLettersAtTheGivenPositions) {
  EntryText entry("vEr+ju=kn");  // positions 1–2, 4–5, 7–8 of a triple entry
  entry.upperCaseLetters({1, 2, 4, 5, 7, 8});
  EXPECT_EQ(entry.utf8(), "VEr+Ju=Kn");
  EntryText umlaut("äb");
  umlaut.upperCaseLetters({1, 2});
  EXPECT_EQ(umlaut.utf8(), "äB");
}

TEST(EntryText, CountsNonLatinCharactersAsOne) {
  EntryText entry("ЖЖ+JU");
  EXPECT_EQ(entry.length(), 5u);
  EXPECT_EQ(entry.factorAt(1), std::nullopt);
  EXPECT_EQ(entry.slice(1, 2), "ЖЖ");
  EXPECT_TRUE(entry.isOneOf(3, U"+-/"));
  EXPECT_FALSE(entry.isOneOf(9, U"+-/"));
}

}  // namespace
}  // namespace kelvaro
