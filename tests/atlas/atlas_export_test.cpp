#include "atlas/atlas_export.h"

#include <gtest/gtest.h>

#include <fstream>

#include "atlas/atlas_files.h"
#include "atlas/atlas_source.h"

namespace kelvaro::atlas {
namespace {

TEST(AtlasExport, FoldedFormsOfAName) {
  EXPECT_EQ(glibFoldedForms("Köln"), (std::vector<std::string>{"köln", "koln", "koeln"}));
  EXPECT_EQ(glibFoldedForms("KÖLN"), glibFoldedForms("Köln"));
  EXPECT_EQ(glibFoldedForms("Frankfurt am Main"), (std::vector<std::string>{"frankfurt am main"}));
  EXPECT_EQ(glibFoldedForms("Xi'an"), (std::vector<std::string>{"xi an"}));
  EXPECT_EQ(glibFoldedForms("Zürich"), (std::vector<std::string>{"zürich", "zurich", "zuerich"}));
  // No ASCII form where ASCII has no letters for the name.
  EXPECT_EQ(glibFoldedForms("上海"), (std::vector<std::string>{"上海"}));
  EXPECT_TRUE(glibFoldedForms(" - ").empty());
}

// Queries are folded by the table; the names were folded by GLib. Shown on
// the names of the atlas (queries are names) and on typed forms.
TEST(AtlasExport, TheFoldTableFoldsAsGlib) {
  const AtlasFiles* atlas = sharedAtlas();
  if (atlas == nullptr) GTEST_SKIP() << "no atlas in the build tree";
  const FoldTable table = unicodeFoldTable();
  std::size_t differing = 0;
  auto compare = [&](const std::string& text) {
    if (table.foldedWords(text) != glibFoldedWords(text) && differing++ < 5) {
      ADD_FAILURE() << "folded differently: " << text;
    }
  };
  for (std::size_t i = 0; i < atlas->size(); i += 7) {
    const AtlasPlace place = atlas->place(i);
    for (const std::string* text : {&place.name, &place.state, &place.country}) compare(*text);
  }
  for (const char* typed : {"KÖLN", "Straße", "ĲSSELSTEIN", "ǅakovo", "Ｔｏｋｙｏ", "ﬁnale", "Ⅻ",
                            "İstanbul", "ΣΊΣΥΦΟΣ", "Москва", "東京", "x\xFF"}) {
    compare(typed);
  }
  EXPECT_EQ(differing, 0u);
}

// The files of a table of three places: names in German from Debian's
// library, every name searchable, the most populous first.
TEST(AtlasExport, FilesOfASmallTable) {
  const auto folder = std::filesystem::temp_directory_path() / "kelvaro-atlas-export-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto table = folder / "cities500.txt";
  std::ofstream(table, std::ios::binary)
      << "2921355\tGengenbach\tGengenbach\t\t48.40476\t8.01433\tP\tPPL\tDE\t\t01\t083\t08317\t\t"
         "11234\t\t175\tEurope/Berlin\t2011-04-25\n"
         "2886242\tCologne\tCologne\tKoeln,Colonia\t50.93333\t6.95\tP\tPPLA2\tDE\t\t07\t053\t"
         "05315\t\t963395\t\t59\tEurope/Berlin\t2019-05-02\n";
  ASSERT_EQ(exportAtlas(table, folder / "atlas"), std::nullopt);
  const auto atlas = AtlasFiles::read(folder / "atlas");
  ASSERT_TRUE(atlas);
  ASSERT_EQ(atlas->size(), 2u);
  const AtlasPlace cologne = atlas->place(0);
  EXPECT_EQ(cologne.name, "Köln");
  EXPECT_EQ(cologne.country, "Deutschland");
  EXPECT_EQ(cologne.zone, "Europe/Berlin");
  EXPECT_EQ(atlas->names(0), "köln|koln|koeln|cologne|colonia");
  EXPECT_EQ(atlas->place(1).name, "Gengenbach");

  std::ofstream(table, std::ios::binary) << "2921355\tGengenbach\n";
  EXPECT_EQ(exportAtlas(table, folder / "atlas"),
            table.string() + ": Zeile 1 der GeoNames-Tabelle ist fehlerhaft.");
  EXPECT_NE(exportAtlas(folder / "missing.txt", folder / "atlas"), std::nullopt);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kelvaro::atlas
