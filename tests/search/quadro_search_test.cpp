#include "search/quadro_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/entry_text.h"
#include "core/text_encoding.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;
using namespace factor;

constexpr double kOrb = 1.2;
const std::vector<std::string> kClosingLines = {
    " ", " Zu den Halbsummen- und Summen-Ergebnissen:",
    " Hier sind die jeweiligen MCp-Häuser und der Zodiak mit angegeben."};

// The picture names of the lines between the column header and the closing lines.
std::vector<std::string> picturesOf(const SearchResult& result) {
  std::vector<std::string> pictures;
  for (std::size_t k = 4; k + kClosingLines.size() < result.lines.size(); ++k) {
    pictures.emplace_back(result.lines[k].substr(0, 15));
  }
  return pictures;
}

TEST(QuadroSearch, WritesTheEntryUpperCaseAndFramesTheLines) {
  const auto outcome = quadroSearch(RecordBuilder(5).build(), kOrb, "kn+ju=mo/sa");
  ASSERT_FALSE(outcome.rejection);
  EXPECT_EQ(outcome.result.heading, "Die Planetenbilder mit den Faktoren KN+JU=MO/SA");
  const auto& lines = outcome.result.lines;
  ASSERT_EQ(lines.size(), 7u);  // every sum (10) misses every midpoint (5)
  EXPECT_EQ(lines[0], " KN+JU=MO/SA");
  EXPECT_EQ(lines[1], "Vorhandene Planetenbilder mit den obigen Faktoren:");
  EXPECT_EQ(lines[2], " ");
  EXPECT_EQ(lines[3], std::string(17, ' ') + "Faktoren-Winkel im 360°-Kreis" + std::string(4, ' ') +
                          "Modus-22,5-Grad-Winkel" + std::string(7, ' ') +
                          "Halbsummen- bzw. Summen-Winkel");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()), kClosingLines);
}

TEST(QuadroSearch, RefusedEntryStillNamesItselfAndLeavesItsLine) {
  struct Case {
    const char* entry;
    std::string_view message;
  };
  const std::vector<Case> cases = {
      {"KN+JU-MO/SA", kQuadroEqualsMessage},   {"KN+JU=MO/XX", kQuadroFactorMessage},
      {"xx+ju-mo*sa", kQuadroFactorMessage},   {"KN+Du=MO/SA", kQuadroFactorMessage},
      {"KN*JU=MO/SA", kQuadroOperatorMessage}, {"KN+JU=MO-SA", kQuadroOperatorMessage},
      {"kn-ju-mo/sa", kQuadroEqualsMessage},
  };
  for (const Case& c : cases) {
    const auto outcome = quadroSearch(RecordBuilder().build(), kOrb, c.entry);
    ASSERT_TRUE(outcome.rejection) << c.entry;
    EXPECT_EQ(outcome.rejection->message, c.message) << c.entry;
    EntryText written(c.entry);
    written.upperCaseLetters({1, 2, 4, 5, 7, 8, 10, 11});
    EXPECT_EQ(outcome.result.heading, "Die Planetenbilder mit den Faktoren " + written.utf8());
    EXPECT_EQ(outcome.result.lines, std::vector<std::string>{" " + written.utf8()}) << c.entry;
  }
}

// All positions 0: every combination meets, so the lines show which are tried:
// all 16 variant pairs of a side with two factors, each unordered pair once
// of a side with one factor twice.
TEST(QuadroSearch, TriesEveryVariantPairOfTwoFactorsAndUnorderedPairsOfOne) {
  const auto rank = [](char v) { return std::string_view("rpst").find(v); };
  struct Case {
    const char* entry;
    std::size_t count;
    bool leftOrdered;
    bool rightOrdered;
  };
  for (const Case& c :
       {Case{"KN+JU=MO/SA", 256, false, false}, Case{"MO/MO=SA+SA", 100, true, true},
        Case{"KN+KN=MO/SA", 160, true, false}}) {
    const auto pictures = picturesOf(quadroSearch(RecordBuilder().build(), kOrb, c.entry).result);
    ASSERT_EQ(pictures.size(), c.count) << c.entry;
    EXPECT_EQ(std::set<std::string>(pictures.begin(), pictures.end()).size(), c.count) << c.entry;
    for (const auto& picture : pictures) {
      EXPECT_TRUE(!c.leftOrdered || rank(picture[2]) <= rank(picture[6])) << picture;
      EXPECT_TRUE(!c.rightOrdered || rank(picture[10]) <= rank(picture[14])) << picture;
    }
  }
  const auto pictures =
      picturesOf(quadroSearch(RecordBuilder().build(), kOrb, "KN+JU=MO/SA").result);
  EXPECT_EQ(pictures[0], "KNr+JUr=MOr/SAr");
  EXPECT_EQ(pictures[1], "KNr+JUr=MOr/SAp");
  EXPECT_EQ(pictures[16], "KNr+JUp=MOr/SAr");
  EXPECT_EQ(pictures[std::size_t{16} * 4], "KNp+JUr=MOr/SAr");
  EXPECT_EQ(pictures[255], "KNt+JUt=MOt/SAt");
}

// Each picture line carries its four factor variants in the order of its
// name; the lines around the pictures carry none.
TEST(QuadroSearch, EveryPictureLineCarriesItsFourFactors) {
  const SearchResult result = quadroSearch(RecordBuilder().build(), kOrb, "KN+KN=MO/SA").result;
  const auto pictures = picturesOf(result);
  ASSERT_EQ(pictures.size(), 160u);
  for (std::size_t k = 0; k < result.lines.size(); ++k) {
    const auto carried = result.factors[k];
    if (k < 4 || k >= 4 + pictures.size()) {
      EXPECT_TRUE(carried.empty()) << result.lines[k];
      continue;
    }
    const std::string& picture = pictures[k - 4];
    ASSERT_EQ(carried.size(), 4u) << picture;
    for (std::size_t f = 0; f < 4; ++f) {
      const std::string name = picture.substr(f * 4, 3);  // "KNr", "JUp", …
      EXPECT_EQ(factorVariantName(carried[f].factor, carried[f].variant), name) << picture;
    }
  }
}

// KNr + JUr = 120.75 and MOr/SAr = 8.25 meet; the houses count from MCp = 90.
TEST(QuadroSearch, PictureLineShowsLongitudesDialHousesAndSigns) {
  const auto record = RecordBuilder()
                          .at(Variant::r, KN, 100.5)
                          .at(Variant::r, JU, 20.25)
                          .at(Variant::r, MO, 10)
                          .at(Variant::r, SA, 6.5)
                          .at(Variant::p, MC, 90)
                          .build();
  const auto& lines = quadroSearch(record, kOrb, "KN+JU=MO/SA").result.lines;
  ASSERT_GT(lines.size(), 4u);
  EXPECT_EQ(lines[4],
            "KNr+JUr=MOr/SAr  100°30'+020°15'=010°00'/006°30'  10°30'+20°15'=10°00'/06°30'  "
            "08°15' 11 00°45'LOE=08°15' 07 08°15'WID");
  EXPECT_EQ(utf8Length(lines[4]), 118u);
}

TEST(QuadroSearch, SumSideOfExactly360KeepsItAndShowsNoSign) {
  const auto record = RecordBuilder()
                          .at(Variant::r, KN, 180)
                          .at(Variant::r, JU, 180)
                          .at(Variant::s, JU, 220)
                          .at(Variant::t, MO, 35)
                          .at(Variant::p, MC, 90)
                          .build();
  const auto lines = quadroSearch(record, kOrb, "KN+JU=MO/SA").result.lines.lines();
  // KNr+JUr = 360 meets MOr/SAr = 0.
  EXPECT_TRUE(lines[4].starts_with("KNr+JUr=MOr/SAr")) << lines[4];
  EXPECT_TRUE(lines[4].ends_with("  00°00' 07 00°00'=00°00' 06 00°00'WID")) << lines[4];
  EXPECT_EQ(utf8Length(lines[4]), 115u);
  // KNr+JUs = 400 is shown as 40 and meets MOt/SAt = 17.5.
  const auto sum400 = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with("KNr+JUs=MOt/SAt");
  });
  ASSERT_NE(sum400, lines.end());
  EXPECT_TRUE(sum400->ends_with("  17°30' 08 10°00'STI=17°30' 07 17°30'WID")) << *sum400;
}

}  // namespace
}  // namespace kelvaro
