#include "atlas/fold_table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kelvaro::atlas {
namespace {

// Digits and small letters fold to themselves, capitals and ß to other text.
FoldTable smallTable() {
  FoldTable table;
  for (char32_t c = U'0'; c <= U'9'; ++c) table.addWordCharacter(c, std::string(1, char(c)));
  for (char32_t c = U'A'; c <= U'Z'; ++c) table.addWordCharacter(c, std::string(1, char(c + 32)));
  for (char32_t c = U'a'; c <= U'z'; ++c) table.addWordCharacter(c, std::string(1, char(c)));
  table.addWordCharacter(U'ß', "ss");
  table.addWordCharacter(U'Ö', "ö");
  table.addWordCharacter(U'ö', "ö");
  return table;
}

TEST(FoldTable, FoldsWordsAndPartsThemAtOtherCharacters) {
  const FoldTable table = smallTable();
  EXPECT_EQ(table.foldedWords("Frankfurt am Main"), " frankfurt am main ");
  EXPECT_EQ(table.foldedWords("KÖLN"), " köln ");
  EXPECT_EQ(table.foldedWords("Xi'an--Straße 7"), " xi an strasse 7 ");
  EXPECT_EQ(table.foldedWords("  ,. "), " ");
  EXPECT_EQ(table.foldedWords(""), " ");
  // Characters the table lacks part words; malformed bytes too.
  EXPECT_EQ(table.foldedWords("a\xC3\xA4z\xFFq"), " a z q ");
}

TEST(FoldTable, ReadsWhatItWrote) {
  std::stringstream text;
  smallTable().write(text);
  EXPECT_NE(text.str().find("\n0030-0039\n"), std::string::npos);
  EXPECT_NE(text.str().find("\n00DF\tss\n"), std::string::npos);
  const auto table = FoldTable::read(text);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->foldedWords("Großstadt Öhringen 9"), " grossstadt öhringen 9 ");
}

TEST(FoldTable, RefusesOtherText) {
  for (const char* text :
       {"", "0030-0039\n", "# kelvaro folding 1\n0039-0030\n",
        "# kelvaro folding 1\n0030-0039\n0035-0040\n", "# kelvaro folding 1\nzz\tq\n",
        "# kelvaro folding 1\n0030\n", "# kelvaro folding 1\n110000\tx\n"}) {
    std::istringstream in(text);
    EXPECT_FALSE(FoldTable::read(in)) << text;
  }
}

}  // namespace
}  // namespace kelvaro::atlas
