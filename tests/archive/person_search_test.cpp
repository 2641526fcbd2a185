// The search of the persons window and of "kelvaro-persons list TEXT".
#include "archive/person_search.h"

#include <gtest/gtest.h>

#include "archive/person_builder.h"

namespace kelvaro::testing {
namespace {

using archive::foldedText;

TEST(PersonSearch, FoldsCaseAndUmlautsBothWays) {
  EXPECT_EQ(foldedText("Müller-Lüdenscheidt"), "muller-ludenscheidt");
  EXPECT_EQ(foldedText("Müller", true), "mueller");
  EXPECT_EQ(foldedText("STRAßE Œuvre Ærø Ñandú"), "strasse oeuvre aero nandu");
  EXPECT_EQ(foldedText("Łódź"), "Łodź");  // beyond Latin-1: the letter as it is

  const archive::SearchKey key(cologne("Müller", "Jürgen"));  // born in Köln
  for (const char* query :
       {"müller", "MUELLER", "mul", "jurg", "juerg", "koln", "KÖLN", "", "ller"}) {
    EXPECT_TRUE(key.matches(foldedText(query))) << query;
  }
  for (const char* query : {"mueler", "bonn", "anna", "müller jürgen"}) {
    EXPECT_FALSE(key.matches(foldedText(query))) << query;
  }
}

TEST(PersonSearch, MatchingKeepsTheOrder) {
  std::vector<archive::Person> persons = {cologne("Zander"), cologne("Ärndt"), cologne("Arndt")};
  archive::sortByName(persons);
  EXPECT_EQ(persons[0].name, "Ärndt");  // folded equal to Arndt; then by birth and number
  EXPECT_EQ(persons[2].name, "Zander");
  const auto found = archive::matchingPersons(persons, "arn");
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(archive::matchingPersons(persons, "zan").front().name, "Zander");
}

}  // namespace
}  // namespace kelvaro::testing
