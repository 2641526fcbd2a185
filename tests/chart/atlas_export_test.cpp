#include "chart/atlas_export.h"

#include <gtest/gtest.h>

#include "chart/atlas_files.h"
#include "chart/atlas_source.h"

namespace kelvaro::chart {
namespace {

bool sameForms(const FoldedName& a, const FoldedName& b) {
  return a.words == b.words && a.ascii == b.ascii && a.germanAscii == b.germanAscii;
}

// The files hold every place of the library as the library gives it, so
// that a program reading them finds what the Linux program finds.
TEST(AtlasExport, TheFilesHoldTheLibrarysPlaces) {
  const auto folder = std::filesystem::temp_directory_path() / "kelvaro-atlas-export-test";
  std::filesystem::remove_all(folder);
  ASSERT_EQ(exportAtlas(folder), std::nullopt);
  const auto files = readAtlasFiles(folder);
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(files);
  const auto& names = atlas_source::names();
  ASSERT_EQ(files->names.size(), names.size());
  std::size_t differing = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const AtlasPlace expected = atlas_source::place(names[i].source);
    const AtlasPlace& read = files->places[i];
    const bool same = read.name == expected.name && read.state == expected.state &&
                      read.country == expected.country &&
                      read.countryCode == expected.countryCode && read.zone == expected.zone &&
                      read.latitude == expected.latitude && read.longitude == expected.longitude &&
                      read.population == expected.population &&
                      files->names[i].population == names[i].population &&
                      sameForms(files->names[i].english, names[i].english) &&
                      sameForms(files->names[i].german, names[i].german);
    if (!same && differing++ < 5) ADD_FAILURE() << "differs: " << expected.name;
  }
  EXPECT_EQ(differing, 0u);
}

// A query folded by the table as the library folds it, shown on every
// name of the atlas (queries are names) and on typed forms.
TEST(AtlasExport, TheFoldTableFoldsAsTheLibrary) {
  const FoldTable table = unicodeFoldTable();
  std::size_t differing = 0;
  auto compare = [&](const std::string& text) {
    if (table.foldedWords(text) != atlas_source::foldedWords(text) && differing++ < 5) {
      ADD_FAILURE() << "folded differently: " << text;
    }
  };
  for (const SearchablePlace& names : atlas_source::names()) {
    const AtlasPlace place = atlas_source::place(names.source);
    for (const std::string* text : {&place.name, &place.state, &place.country}) compare(*text);
  }
  for (const char* typed : {"KÖLN", "Straße", "ĲSSELSTEIN", "ǅakovo", "Ｔｏｋｙｏ", "ﬁnale", "Ⅻ",
                            "İstanbul", "ΣΊΣΥΦΟΣ", "Москва", "東京", "x\xFF"}) {
    compare(typed);
  }
  EXPECT_EQ(differing, 0u);
}

}  // namespace
}  // namespace kelvaro::chart
