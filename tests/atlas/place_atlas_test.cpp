#include "atlas/place_atlas.h"

#include <gtest/gtest.h>

#ifdef KELVARO_CITIES500_TABLE
#include "atlas/geonames_places.h"
#endif

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace kelvaro::atlas {
namespace {

std::vector<std::string> names(const std::vector<AtlasPlace>& places) {
  std::vector<std::string> found;
  for (const AtlasPlace& place : places) found.push_back(place.name);
  return found;
}

bool contains(const std::vector<std::string>& found, const std::string& name) {
  return std::find(found.begin(), found.end(), name) != found.end();
}

// GeoNames' table the atlas was made from, by place number; empty where
// the build has none.
struct TablePlace {
  double latitude = 0;
  double longitude = 0;
  std::string zone;
  std::string countryCode;
};

std::map<std::uint32_t, TablePlace> geonamesTable() {
  std::map<std::uint32_t, TablePlace> table;
#ifdef KELVARO_CITIES500_TABLE
  std::ifstream in(KELVARO_CITIES500_TABLE, std::ios::binary);
  for (const auto& place : readGeoNamesTable(in).places) {
    table.emplace(place.id,
                  TablePlace{place.latitude, place.longitude, place.zone, place.countryCode});
  }
#endif
  return table;
}

class PlaceAtlas : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!atlasAvailable()) GTEST_SKIP() << "built without the place atlas";
  }
};

TEST_F(PlaceAtlas, EveryNameAsWholeWords) {
  for (const char* query : {"Köln", "köln", "KÖLN", "Koln", "Koeln", "Cologne"}) {
    const auto found = findPlaces(query);
    ASSERT_FALSE(found.empty()) << query;
    EXPECT_EQ(found.front().name, "Köln") << query;
    EXPECT_EQ(found.front().country, "Deutschland");
    EXPECT_EQ(found.front().countryCode, "DE");
    EXPECT_EQ(found.front().state, "");  // the only Köln of Germany
    EXPECT_EQ(found.front().zone, "Europe/Berlin");
    EXPECT_GT(found.front().population, 900000u);
  }
  // A word of the name counts; the start of a word does not.
  EXPECT_TRUE(contains(names(findPlaces("Frankfurt")), "Frankfurt am Main"));
  EXPECT_TRUE(findPlaces("Frankf").empty());
  EXPECT_TRUE(contains(names(findPlaces("Muenchen")), "München"));
  EXPECT_TRUE(contains(names(findPlaces("xi an")), "Xi’an"));
  for (const char* query : {"x", " ", "", "-", "Ahm"}) {
    for (const AtlasPlace& place : findPlaces(query)) {
      EXPECT_NE(place.name, "Xi’an") << query;
    }
  }
}

// The first place of a name in a country, as the person form takes it.
std::optional<AtlasPlace> firstIn(const char* query, const char* countryCode) {
  for (const AtlasPlace& place : findPlaces(query)) {
    if (place.countryCode == countryCode) return place;
  }
  return std::nullopt;
}

// Small places of several countries, typed as people type them, have
// GeoNames' coordinates and zone, and their German name where it has one.
TEST_F(PlaceAtlas, SmallPlacesWithGeoNamesCoordinatesAndZone) {
  const std::vector<std::array<const char*, 3>> cases = {
      {"Gengenbach", "DE", "Gengenbach"},
      {"Bad Ischl", "AT", "Bad Ischl"},
      {"brig", "CH", "Brig"},
      {"Zell am See", "AT", "Zell am See"},
      {"Hallstatt", "AT", "Hallstatt"},
      {"Aeroskobing", "DK", "Ærøskøbing"},
      {"Bruneck", "IT", "Brunico"},
      {"Lodz", "PL", "Łódź"},
      {"Krakow", "PL", "Krakau"},
      {"Bad Tölz", "DE", "Bad Tölz"},
      {"Goreme", "TR", "Göreme"},
      {"Cesky Krumlov", "CZ", "Český Krumlov"},
      {"Saint-Tropez", "FR", "Saint-Tropez"},
      {"Appenzell", "CH", "Appenzell"},
      {"Vaduz", "LI", "Vaduz"},
      {"Évora", "PT", "Évora"},
  };
  const auto table = geonamesTable();
  for (const auto& [query, country, name] : cases) {
    const auto found = firstIn(query, country);
    ASSERT_TRUE(found) << query;
    EXPECT_EQ(found->name, name) << query;
    if (table.empty()) continue;
    const auto line = table.find(found->geonamesId);
    ASSERT_NE(line, table.end()) << query;
    EXPECT_NEAR(found->latitude, line->second.latitude, 0.01) << query;
    EXPECT_NEAR(found->longitude, line->second.longitude, 0.01) << query;
    EXPECT_EQ(found->zone, line->second.zone) << query;
    EXPECT_EQ(found->countryCode, line->second.countryCode) << query;
  }
}

// Places of one name in one country are told apart by their region.
TEST_F(PlaceAtlas, TheRegionTellsPlacesOfOneNameApart) {
  std::set<std::string> labels;
  std::size_t inGermany = 0;
  for (const AtlasPlace& place : findPlaces("Neustadt", 200)) {
    if (place.countryCode != "DE" || place.name != "Neustadt") continue;
    ++inGermany;
    labels.insert(placeLabel(place));
  }
  EXPECT_GE(inGermany, 3u);
  EXPECT_EQ(labels.size(), inGermany);
  EXPECT_TRUE(labels.contains("Neustadt, Freie und Hansestadt Hamburg, Deutschland"));
  EXPECT_EQ(placeLabel(*firstIn("Gengenbach", "DE")), "Gengenbach, Deutschland");
}

TEST_F(PlaceAtlas, TheMostPopulousFirstUpToTheLimit) {
  const auto all = findPlaces("Springfield");
  ASSERT_GT(all.size(), 5u);
  for (std::size_t i = 1; i < all.size(); ++i) {
    EXPECT_GE(all[i - 1].population, all[i].population);
  }
  EXPECT_EQ(findPlaces("Springfield", 3).size(), 3u);
  EXPECT_EQ(findPlaces("Berlin").front().countryCode, "DE");
}

// Names in German whatever the process's language settings, and from any
// thread: the search changes neither the environment nor the locale, which
// another thread may be reading meanwhile.
TEST_F(PlaceAtlas, GermanNamesFromSeveralThreadsAtOnce) {
  std::vector<std::string> seen(std::size_t{4} * 40);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < 4; ++t) {
    threads.emplace_back([&seen, t] {
      for (std::size_t i = 0; i < 40; ++i) {
        const auto found = findPlaces("Cologne", 1);
        seen[t * 40 + i] = found.empty() ? "" : found.front().name;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (const std::string& name : seen) EXPECT_EQ(name, "Köln");
}

TEST(PlaceLabel, LeavesOutWhatTheAtlasLacks) {
  AtlasPlace place;
  place.name = "Monaco";
  place.country = "Monaco";
  EXPECT_EQ(placeLabel(place), "Monaco");
  place.state = "Ost";
  place.country = "Fürstentum";
  EXPECT_EQ(placeLabel(place), "Monaco, Ost, Fürstentum");
}

}  // namespace
}  // namespace kelvaro::atlas
