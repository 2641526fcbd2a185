#include "atlas/atlas_files.h"

#include <gtest/gtest.h>

#include <sstream>

#include "atlas/atlas_search.h"

namespace kelvaro::atlas {
namespace {

AtlasEntry entry(std::string name, unsigned population, std::vector<std::string> names) {
  AtlasEntry made;
  made.place = {std::move(name), "", "Deutschland", "DE", "Europe/Berlin", 50.5, 7.25, population};
  made.place.geonamesId = population + 1;
  made.names = std::move(names);
  return made;
}

FoldTable asciiFolding() {
  FoldTable table;
  for (char32_t c = '0'; c <= '9'; ++c) table.addWordCharacter(c, std::string(1, char(c)));
  for (char32_t c = 'a'; c <= 'z'; ++c) table.addWordCharacter(c, std::string(1, char(c)));
  for (char32_t c = 'A'; c <= 'Z'; ++c) table.addWordCharacter(c, std::string(1, char(c + 32)));
  return table;
}

struct Texts {
  std::string places;
  std::string words;
};

Texts written(const std::vector<AtlasEntry>& entries) {
  std::ostringstream places, words;
  writePlaces(places, entries);
  writeWords(words, entries);
  return {places.str(), words.str()};
}

std::optional<AtlasFiles> parsed(const Texts& texts) {
  return AtlasFiles::parse(texts.places, texts.words, asciiFolding());
}

const std::vector<AtlasEntry> kEntries = {
    entry("Frankfurt am Main", 700000, {"frankfurt am main", "frankfort"}),
    entry("Bad Homburg", 50000, {"bad homburg", "homburg vor der hoehe"}),
    entry("Frankfurt (Oder)", 50000, {"frankfurt oder", "frankfurt an der oder"}),
    entry("Homburg", 40000, {"homburg", "bad"}),
    entry("Main", 600, {"main"}),
};

TEST(AtlasFiles, ReadBackWhatWasWritten) {
  AtlasEntry sydney;
  sydney.place = {"Sydney",           "New South Wales", "Australien", "AU",
                  "Australia/Sydney", -33.86785,         151.20732,    4627345};
  sydney.place.geonamesId = 2147714;
  sydney.names = {"sydney"};
  const auto atlas = parsed(written({sydney, kEntries[0]}));
  ASSERT_TRUE(atlas);
  ASSERT_EQ(atlas->size(), 2u);
  const AtlasPlace read = atlas->place(0);
  EXPECT_EQ(read.name, "Sydney");
  EXPECT_EQ(read.state, "New South Wales");
  EXPECT_EQ(read.country, "Australien");
  EXPECT_EQ(read.countryCode, "AU");
  EXPECT_EQ(read.zone, "Australia/Sydney");
  EXPECT_EQ(read.latitude, sydney.place.latitude);  // exactly, not rounded
  EXPECT_EQ(read.longitude, sydney.place.longitude);
  EXPECT_EQ(read.population, 4627345u);
  EXPECT_EQ(read.geonamesId, 2147714u);
  EXPECT_EQ(atlas->names(1), "frankfurt am main|frankfort");
}

TEST(AtlasFiles, TheIndexListsEachPlaceOfAWordOnceInOrder) {
  const Texts texts = written(kEntries);
  // "homburg" stands twice in the names of place 1: listed once.
  EXPECT_NE(texts.words.find("\nhomburg\t1,2\n"), std::string::npos);
  const auto atlas = parsed(texts);
  ASSERT_TRUE(atlas);
  const auto frankfurt = atlas->placesWithWord("frankfurt");
  EXPECT_EQ(std::vector<std::uint32_t>(frankfurt.begin(), frankfurt.end()),
            (std::vector<std::uint32_t>{0, 2}));
  const auto main = atlas->placesWithWord("main");
  EXPECT_EQ(std::vector<std::uint32_t>(main.begin(), main.end()),
            (std::vector<std::uint32_t>{0, 4}));
  for (const char* missing : {"", "frank", "frankfurta", "zzz", "a"}) {
    EXPECT_TRUE(atlas->placesWithWord(missing).empty()) << missing;
  }
}

TEST(AtlasFiles, RefuseFaultyFiles) {
  const Texts good = written(kEntries);
  ASSERT_TRUE(parsed(good));
  const auto with = [&good](std::string places, std::string words) {
    return AtlasFiles::parse(places.empty() ? good.places : places,
                             words.empty() ? good.words : words, asciiFolding());
  };
  const std::string placesHeader = "# kelvaro places 2\n";
  const std::string wordsHeader = "# kelvaro words 1\n";
  const std::string line = "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t10\t7\ta\n";
  ASSERT_TRUE(with(placesHeader + line, wordsHeader + "a\t0\n"));
  for (const std::string& places : {
           "# kelvaro places 1\n" + line,
           placesHeader,                                                   // no place
           placesHeader + line.substr(0, line.size() - 1),                 // no line end
           placesHeader + "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t10\ta\n",   // a field short
           placesHeader + "A\t\tL\tLL\tEurope/Berlin\tN\t-2\t10\t7\ta\n",  // no latitude
           placesHeader + "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t-10\t7\ta\n",
           placesHeader + "A\t\tL\tLL\t\t1.5\t-2\t10\t7\ta\n",              // no zone
           placesHeader + "A\t\tL\tLL\tEurope/Berlin\t1.5\t-2\t10\t7\t\n",  // no names
       }) {
    EXPECT_FALSE(with(places, wordsHeader + "a\t0\n")) << places;
  }
  for (const std::string& words : {
           std::string("a\t0\n"),         // no header
           wordsHeader + "a\t1\n",        // no such place
           wordsHeader + "a\t0,0\n",      // a place twice
           wordsHeader + "a\t\n",         // no place
           wordsHeader + "\t0\n",         // no word
           wordsHeader + "b\t0\na\t0\n",  // out of order
           wordsHeader + "a\t0\na\t0\n",  // twice
           wordsHeader + "a\t0",          // no line end
           wordsHeader + "a\tx\n",
       }) {
    EXPECT_FALSE(with(placesHeader + line, words)) << words;
  }
}

TEST(AtlasFiles, NoAtlasWithoutItsFiles) {
  EXPECT_FALSE(AtlasFiles::read(std::filesystem::temp_directory_path() / "kelvaro-no-atlas-here"));
}

TEST(AtlasSearch, WholeWordsInTheirOrderWithinOneName) {
  EXPECT_TRUE(namesHold("frankfurt am main|frankfort", "am main"));
  EXPECT_TRUE(namesHold("frankfurt am main|frankfort", "frankfort"));
  EXPECT_TRUE(namesHold("koln|koeln", "koeln"));
  EXPECT_FALSE(namesHold("frankfurt am main", "frank"));
  EXPECT_FALSE(namesHold("frankfurt am main", "main am"));
  EXPECT_FALSE(namesHold("frankfurt am main", "ankfurt"));
  EXPECT_FALSE(namesHold("bad|homburg", "bad homburg"));  // two names, no phrase
  EXPECT_FALSE(namesHold("homburg", ""));

  const auto atlas = parsed(written(kEntries));
  ASSERT_TRUE(atlas);
  const auto found = [&atlas](const char* query, std::size_t limit = 10) {
    return matchingPlaces(*atlas, atlas->folding().foldedWords(query), limit);
  };
  EXPECT_EQ(found("Frankfurt"), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(found("frankfurt", 1), (std::vector<std::size_t>{0}));
  EXPECT_EQ(found("Main"), (std::vector<std::size_t>{0, 4}));
  EXPECT_EQ(found("Bad Homburg"), (std::vector<std::size_t>{1}));
  EXPECT_EQ(found("homburg"), (std::vector<std::size_t>{1, 3}));
  EXPECT_EQ(found("an der Oder"), (std::vector<std::size_t>{2}));
  for (const char* none : {"", " ", "Frank", "Oder an", "Bad Main", "x"}) {
    EXPECT_TRUE(found(none).empty()) << none;
  }
  EXPECT_TRUE(found("Frankfurt", 0).empty());
}

}  // namespace
}  // namespace kelvaro::atlas
