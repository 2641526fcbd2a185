#include "chart/atlas_files.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kelvaro::chart {
namespace {

SearchablePlace namesOf(FoldedName english, FoldedName german) {
  SearchablePlace names;
  names.english = std::move(english);
  names.german = std::move(german);
  return names;
}

TEST(AtlasFiles, ReadBackWhatWasWritten) {
  const AtlasPlace cologne{
      "Köln", "Nordrhein-Westfalen", "Deutschland", "DE", "Europe/Berlin", 50.93333, 6.95, 963395};
  const AtlasPlace sydney{"Sydney",           "",        "Australien", "AU",
                          "Australia/Sydney", -33.86785, 151.20732,    4627345};
  const FoldedName english{" cologne ", "", ""};
  const FoldedName german{" köln ", " koln ", " koeln "};
  const FoldedName plain{" sydney ", "", ""};
  std::stringstream text;
  writePlacesHeader(text);
  writePlace(text, cologne, namesOf(english, german));
  writePlace(text, sydney, namesOf(plain, plain));
  // A German name equal to the English one is left empty.
  EXPECT_NE(text.str().find("\t cologne \t\t\t köln \t koln \t koeln \n"), std::string::npos);
  EXPECT_NE(text.str().find("\t sydney \t\t\t\t\t\n"), std::string::npos);

  AtlasFiles atlas;
  ASSERT_TRUE(readPlaces(text, atlas));
  ASSERT_EQ(atlas.places.size(), 2u);
  const AtlasPlace& read = atlas.places[1];
  EXPECT_EQ(read.name, "Sydney");
  EXPECT_EQ(read.state, "");
  EXPECT_EQ(read.zone, "Australia/Sydney");
  EXPECT_EQ(read.latitude, sydney.latitude);  // exactly, not rounded
  EXPECT_EQ(read.longitude, sydney.longitude);
  EXPECT_EQ(read.population, sydney.population);
  EXPECT_EQ(atlas.names[0].german.germanAscii, " koeln ");
  EXPECT_EQ(atlas.names[0].english.words, " cologne ");
  EXPECT_EQ(atlas.names[0].english.germanAscii, "");
  EXPECT_EQ(atlas.names[1].german.words, " sydney ");
  EXPECT_EQ(atlas.names[1].source, 1u);
  EXPECT_EQ(atlas.names[1].population, 4627345u);
}

TEST(AtlasFiles, RefuseFaultyLines) {
  const std::string header = "# kelvaro places 1\n";
  const std::string good = "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t10\t a \t\t\t\t\t\n";
  for (const std::string& text :
       {std::string("A\t\tL\n"), header + "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t10\t a \t\t\t\t\n",
        header + "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t10\t a \t\t\t\t\t\t\n",
        header + "A\t\tL\tLL\tEurope/Berlin\tN\t-2\t10\t a \t\t\t\t\t\n",
        header + "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t-10\t a \t\t\t\t\t\n",
        header + "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t10\t\t\t\t\t\t\n"}) {
    std::istringstream in(text);
    AtlasFiles atlas;
    EXPECT_FALSE(readPlaces(in, atlas)) << text;
  }
  std::istringstream in(header + good);
  AtlasFiles atlas;
  EXPECT_TRUE(readPlaces(in, atlas));
}

TEST(AtlasFiles, NoAtlasWithoutBothFiles) {
  EXPECT_FALSE(readAtlasFiles(std::filesystem::temp_directory_path() / "kelvaro-no-atlas-here"));
}

}  // namespace
}  // namespace kelvaro::chart
