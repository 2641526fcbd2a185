#include "chart/place_atlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace kelvaro::chart {
namespace {

std::vector<std::string> names(const std::vector<AtlasPlace>& places) {
  std::vector<std::string> found;
  for (const AtlasPlace& place : places) found.push_back(place.name);
  return found;
}

bool contains(const std::vector<std::string>& found, const std::string& name) {
  return std::find(found.begin(), found.end(), name) != found.end();
}

class PlaceAtlas : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!atlasAvailable()) GTEST_SKIP() << "built without the place atlas";
  }
};

TEST_F(PlaceAtlas, GermanAndEnglishNamesAsWholeWords) {
  for (const char* query : {"Köln", "köln", "KÖLN", "Koln", "Koeln", "Cologne"}) {
    const auto found = findPlaces(query);
    ASSERT_FALSE(found.empty()) << query;
    EXPECT_EQ(found.front().name, "Köln") << query;
    EXPECT_EQ(found.front().country, "Deutschland");
    EXPECT_EQ(found.front().countryCode, "DE");
    EXPECT_EQ(found.front().state, "Nordrhein-Westfalen");
    EXPECT_EQ(found.front().zone, "Europe/Berlin");
    EXPECT_GT(found.front().population, 900000u);
  }
  // A word of the name counts; the start of a word does not.
  EXPECT_TRUE(contains(names(findPlaces("Frankfurt")), "Frankfurt am Main"));
  EXPECT_TRUE(findPlaces("Frankf").empty());
  EXPECT_TRUE(contains(names(findPlaces("Muenchen")), "München"));
  for (const char* query : {"x", "a", "Ahm", " ", ""}) {
    for (const AtlasPlace& place : findPlaces(query)) {
      EXPECT_NE(place.name, "Xi'an") << query;
      EXPECT_NE(place.name, "Al Ahmadi") << query;
    }
  }
  EXPECT_TRUE(contains(names(findPlaces("xi an")), "Xi'an"));
  EXPECT_TRUE(contains(names(findPlaces("Ahmadi")), "Al Ahmadi"));
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
  std::vector<std::string> seen(4 * 40);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&seen, t] {
      for (int i = 0; i < 40; ++i) {
        const auto found = findPlaces("Cologne", 1);
        seen[static_cast<std::size_t>(t * 40 + i)] = found.empty() ? "" : found.front().name;
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
}  // namespace kelvaro::chart
