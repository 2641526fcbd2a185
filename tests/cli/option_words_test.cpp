#include "cli/option_words.h"

#include <gtest/gtest.h>

namespace kelvaro::testing {
namespace {

const std::vector<std::string> kValueOptions = {"name", "first-name", "from"};
const std::vector<std::string> kFlags = {"store"};

cli::OptionWords read(const std::vector<std::string>& words) {
  auto read = cli::readOptionWords(words, kValueOptions, kFlags);
  if (const Rejection* refused = rejection(read)) ADD_FAILURE() << refused->message;
  return std::get<cli::OptionWords>(read);
}

std::string refusal(const std::vector<std::string>& words) {
  auto read = cli::readOptionWords(words, kValueOptions, kFlags);
  const Rejection* refused = rejection(read);
  return refused ? refused->message : "(angenommen)";
}

TEST(OptionWords, TakesValuesFlagsAndOtherWordsInTheirOrder) {
  const cli::OptionWords words =
      read({"3", "--name=Müller", "--from", "-7.5", "--store", "x", "--first-name="});
  EXPECT_EQ(words.value("name"), "Müller");
  EXPECT_EQ(words.value("from"), "-7.5");  // a negative number is a value, not an option
  EXPECT_TRUE(words.has("first-name"));
  EXPECT_EQ(words.value("first-name"), "");
  EXPECT_FALSE(words.has("from-x"));
  EXPECT_EQ(words.flags, std::set<std::string>{"store"});
  EXPECT_EQ(words.positionals, (std::vector<std::string>{"3", "x"}));
}

// A path is a word on every system (Windows' parsers read "/x" as an option).
TEST(OptionWords, PathsAreWords) {
  const cli::OptionWords words = read({"/tmp/ziel.dat", "--name", "/home/anna", "C:\\x.dat"});
  EXPECT_EQ(words.positionals, (std::vector<std::string>{"/tmp/ziel.dat", "C:\\x.dat"}));
  EXPECT_EQ(words.value("name"), "/home/anna");
}

TEST(OptionWords, AnEmptyValueDoesNotTakeTheNextWord) {
  const cli::OptionWords words = read({"--name=", "--from=01.01.2026", "rest"});
  EXPECT_EQ(words.value("name"), "");
  EXPECT_EQ(words.value("from"), "01.01.2026");
  EXPECT_EQ(words.positionals, std::vector<std::string>{"rest"});
}

TEST(OptionWords, RefusalsNameTheOption) {
  EXPECT_EQ(refusal({"--colour=blue"}), "Unbekannte Angabe \"--colour\".");
  EXPECT_EQ(refusal({"a", "--colour", "blue"}), "Unbekannte Angabe \"--colour\".");
  EXPECT_EQ(refusal({"-x"}), "Unbekannte Angabe \"-x\".");
  EXPECT_EQ(refusal({"--"}), "Unbekannte Angabe \"--\".");
  EXPECT_EQ(refusal({"--name"}), "Die Angabe --name braucht einen Wert.");
  EXPECT_EQ(refusal({"--from=1", "--from", "2"}), "Die Angabe --from steht doppelt da.");
  EXPECT_EQ(refusal({"--store", "--store"}), "Die Angabe --store steht doppelt da.");
  EXPECT_EQ(refusal({"--store=ja"}), "Die Angabe --store nimmt keinen Wert.");
  EXPECT_EQ(refusal({"--\xff"}), "Unbekannte Angabe \"--\xef\xbf\xbd\".");
}

// The window program's modes are chosen by one option anywhere on the line.
TEST(NamesOption, FindsTheOptionAloneOrWithItsValue) {
  EXPECT_TRUE(cli::namesOption({"--person", "3", "--sheet", "a.pdf"}, "sheet"));
  EXPECT_TRUE(cli::namesOption({"--sheet=a.pdf"}, "sheet"));
  EXPECT_FALSE(cli::namesOption({"--sheets", "--sheet-x", "sheet", "-sheet"}, "sheet"));
  EXPECT_FALSE(cli::namesOption({}, "ephemeris"));
}

}  // namespace
}  // namespace kelvaro::testing
