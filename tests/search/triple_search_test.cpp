#include "search/triple_search.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

const std::string kNamesRow =
    " MC  WI  SO  AS  MO  KN  ME  VE  MA  JU  SA  UR  NE  PL  CU  HA  ZE  KR  AP  AD  VU  PO  ";

TripleEntry accepted(std::string_view text) {
  const TripleEntryCheck check = checkTripleEntry(text);
  EXPECT_TRUE(check.entry.has_value()) << text;
  EXPECT_TRUE(check.messages.empty()) << text;
  return check.entry.value_or(TripleEntry{});
}

std::vector<std::string> linesStartingWith(const SearchResult& result, const std::string& start) {
  std::vector<std::string> found;
  for (const std::string_view line : result.lines) {
    if (line.starts_with(start)) found.emplace_back(line);
  }
  return found;
}

TEST(TripleEntry, UpperCasesTheNamesAndAcceptsMixedOperators) {
  const TripleEntry entry = accepted("ve+ju=kn/");
  EXPECT_EQ(entry.first, factor::VE);
  EXPECT_EQ(entry.firstOp, '+');
  EXPECT_EQ(entry.second, factor::JU);
  EXPECT_EQ(entry.third, factor::KN);
  EXPECT_EQ(entry.secondOp, '/');
  EXPECT_EQ(accepted("GZ/gz=Gz+").first, factor::GZ);
}

TEST(TripleEntry, GivesTheNamesMessageAndThenTheOperatorMessage) {
  const std::string names = "Bitte drei gültige Faktoren ohne Variantenkürzel eingeben!      \r";
  const std::string operators =
      "Die richtige Folge der Rechenzeichen wäre:     \rF1+F2=F3+ oder F1/F2=F3/";
  struct Case {
    const char* text;
    std::vector<std::string> messages;
  };
  for (const Case& c : {
           Case{"VEr+JU=KN", {names + "VEr+JU=KN ist nicht korrekt.", operators}},
           Case{"du+ju=kn+", {names + "DU+JU=KN+ ist nicht korrekt."}},
           Case{"VE+JU=KN+x", {names + "VE+JU=KN+x ist nicht korrekt."}},
           Case{"VE-JU=KN+", {operators}},
           Case{"VE+JU-KN+", {operators}},
           Case{"VE+JU=KN-", {operators}},
       }) {
    const TripleEntryCheck check = checkTripleEntry(c.text);
    EXPECT_FALSE(check.entry.has_value()) << c.text;
    EXPECT_EQ(check.messages, c.messages) << c.text;
  }
}

TEST(TripleEntryStep, ARefusedEntryLeavesTheClosingRowsWithZeroCounts) {
  const TripleStep step = tripleEntryStep(RecordBuilder(0).build(), 1.2, "VEr+JU=KN", false);
  EXPECT_EQ(step.messages.size(), 2u);
  EXPECT_FALSE(step.heading.has_value());
  std::string zeros = " ";
  for (int i = 0; i < 22; ++i) zeros += "000 ";
  EXPECT_EQ(step.lines, (std::vector<std::string>{" ", kNamesRow, zeros}));
}

// L = VE + JU = 10 for every a and b; R = KN (5) + X: X = KN solves in every
// variant, MC, ME and MA in variant t only. ME p (R = 9) and the axis row
// MCp/MCp (11) stand exactly the orb away.
TransitRecord solvedByKnMcMeMa() {
  return RecordBuilder(0)
      .everywhere(factor::VE, 10)
      .everywhere(factor::KN, 5)
      .at(Variant::r, factor::MC, 10)
      .at(Variant::p, factor::MC, 11)
      .at(Variant::t, factor::MC, 5)
      .at(Variant::p, factor::ME, 4)
      .at(Variant::t, factor::ME, 4.125)
      .at(Variant::t, factor::MA, 5)
      .build();
}

TEST(TripleSearch, ListsEverySolutionWithTheAllFactorsFlag) {
  const SearchResult result = tripleSearch(solvedByKnMcMeMa(), 1.0, accepted("VE+JU=KN+"), true);
  EXPECT_EQ(result.heading, "Suche nach dem vierten Faktor zu VE + JU = KN + aus allen Faktoren");
  ASSERT_EQ(result.lines.size(), 4u + 352u + 3u);
  const std::vector<std::string> head(result.lines.begin(), result.lines.begin() + 11);
  const std::string axes = " MCr/MCr=10°00' MCt+MCt=10°00'";
  EXPECT_EQ(head, (std::vector<std::string>{
                      result.heading,
                      "(mit Prüfung der MC- und SO- Summen- und Halbsummen-Achsen, jeweils r/r, "
                      "r+r, p/p, p+p, t/t, t+t)",
                      "Am Ende der Liste steht eine Zählung der gefundenen vierten Faktoren.",
                      " ",
                      "VEr+JUr=KNr+MCt  10°00'=10°00'" + axes,
                      "VEr+JUr=KNr+KNr  10°00'=10°00'" + axes,
                      "VEr+JUr=KNr+KNp  10°00'=10°00'" + axes,
                      "VEr+JUr=KNr+KNs  10°00'=10°00'" + axes,
                      "VEr+JUr=KNr+KNt  10°00'=10°00'" + axes,
                      "VEr+JUr=KNr+MEt  10°00'=09°07'" + axes,
                      "VEr+JUr=KNr+MAt  10°00'=10°00'" + axes,
                  }));
  EXPECT_EQ(result.lines[4 + 352 - 1], "VEt+JUt=KNt+MAt  10°00'=10°00'" + axes);
  EXPECT_EQ(result.lines[356], " ");
  EXPECT_EQ(result.lines[357], kNamesRow);
  EXPECT_EQ(result.lines[358],
            " 064 000 000 000 000 160 064 000 064 000 000 000 000 000 000 000 000 000 000 000 "
            "000 000 ");
  // X = F3 is listed once of its two orders.
  EXPECT_EQ(linesStartingWith(result, "VEr+JUr=KNt+KNp").size(), 0u);
  EXPECT_EQ(linesStartingWith(result, "VEr+JUr=KNp+KNt").size(), 1u);
}

TEST(TripleSearch, WithoutTheFlagListsF3OnlyFromItsOwnVariantOn) {
  const SearchResult result = tripleSearch(solvedByKnMcMeMa(), 1.0, accepted("VE+JU=KN+"), false);
  EXPECT_EQ(result.heading, "Suche nach dem vierten Faktor aus VE + JU = KN +");
  ASSERT_EQ(result.lines.size(), 4u + 160u + 3u);
  const std::string axes = " MCr/MCr=10°00' MCt+MCt=10°00'";
  EXPECT_EQ(linesStartingWith(result, "VEr+JUs=KNp+"),
            (std::vector<std::string>{"VEr+JUs=KNp+KNp  10°00'=10°00'" + axes,
                                      "VEr+JUs=KNp+KNs  10°00'=10°00'" + axes,
                                      "VEr+JUs=KNp+KNt  10°00'=10°00'" + axes}));
  EXPECT_EQ(result.lines.back(),
            " 000 000 000 000 000 160 000 000 000 000 000 000 000 000 000 000 000 000 000 000 "
            "000 000 ");
}

TEST(TripleSearch, ListsF1AndF2AsFourthFactorInEverySolvingVariant) {
  // Everything at 0: every combination solves.
  const SearchResult result =
      tripleSearch(RecordBuilder(0).build(), 1.0, accepted("VE+JU=KN+"), false);
  std::vector<std::string> fourth;
  for (const std::string& line : linesStartingWith(result, "VEp+JUt=KNs+")) {
    fourth.push_back(line.substr(12, 3));
  }
  EXPECT_EQ(fourth, (std::vector<std::string>{"KNs", "KNt", "VEr", "VEp", "VEs", "VEt", "JUr",
                                              "JUp", "JUs", "JUt"}));
}

// KN is F1 and F3: as the fourth factor it is listed only from the variant
// of F3 on, JU (F2) in every variant.
TEST(TripleSearch, ListsAFourthFactorThatIsF3OnceAlsoWhenItIsF1) {
  const SearchResult result =
      tripleSearch(RecordBuilder(0).build(), 1.0, accepted("KN+JU=KN+"), false);
  std::vector<std::string> fourth;
  for (const std::string& line : linesStartingWith(result, "KNr+JUs=KNp+")) {
    fourth.push_back(line.substr(12, 3));
  }
  EXPECT_EQ(fourth, (std::vector<std::string>{"KNp", "KNs", "KNt", "JUr", "JUp", "JUs", "JUt"}));
}

TEST(TripleSearch, SkipsOnlyCombinationsWithTheSolarArcSun) {
  const TransitRecord zeros = RecordBuilder(0).build();
  // SO as the fourth factor: every combination but SOs, 4 × 4 × 4 × 3 (and
  // KN as F3 in 16 × 10).
  const SearchResult fourth = tripleSearch(zeros, 1.0, accepted("VE+MA=KN+"), true);
  EXPECT_EQ(fourth.lines.back(),
            " 256 256 192 256 256 160 256 256 256 256 256 256 256 256 256 256 256 256 256 256 "
            "256 256 ");
  // SO as F1: SOs never stands on the left, nor as the fourth factor; other
  // members keep their variant s.
  const SearchResult first = tripleSearch(zeros, 1.0, accepted("SO+MA=KN+"), true);
  // Per left side 22 × 4 − 1 fourth factor variants for each of KNr … KNt,
  // less the 0 + 1 + 2 + 3 orders of KN that are already listed.
  EXPECT_EQ(first.lines.size(), 4u + 3u * 4u * (4u * (22u * 4u - 1u) - 6u) + 3u);
  EXPECT_EQ(linesStartingWith(first, "SOr+MAs=KNr+").size(), 22u * 4u - 1u);
  for (std::size_t i = 4; i + 3 < first.lines.size(); ++i) {
    const std::string_view line = first.lines[i];
    ASSERT_FALSE(line.starts_with("SOs") || line.substr(12, 3) == "SOs") << line;
  }
  EXPECT_EQ(first.lines[4],
            "SOr+MAr=KNr+MCr  00°00'=00°00' MCr+MCr=00°00' MCr/MCr=00°00' MCp+MCp=00°00' "
            "MCp/MCp=00°00' MCt+MCt=00°00' MCt/MCt=00°00' SOr+SOr=00°00' SOr/SOr=00°00' "
            "SOp+SOp=00°00' SOp/SOp=00°00' SOt+SOt=00°00' SOt/SOt=00°00'");
}

TEST(TripleSearch, ComparesASumWithAMidpointAndMayNameNoAxis) {
  // L = VEr + JU = 48.5 → 3.5; R = (KNr + MAt) / 2 = 26 → 3.5. With any
  // other fourth factor (KNr + 20) / 2 = 25 → 2.5, exactly the orb away.
  const TransitRecord record = RecordBuilder(20)
                                   .at(Variant::r, factor::VE, 28.5)
                                   .at(Variant::r, factor::KN, 30)
                                   .at(Variant::t, factor::MA, 22)
                                   .build();
  const SearchResult result = tripleSearch(record, 1.0, accepted("VE+JU=KN/"), true);
  EXPECT_EQ(result.heading, "Suche nach dem vierten Faktor zu VE + JU = KN / aus allen Faktoren");
  const std::vector<std::string> solutions(result.lines.begin() + 4, result.lines.end() - 3);
  EXPECT_EQ(solutions, (std::vector<std::string>{
                           "VEr+JUr=KNr/MAt  03°30'=03°30'", "VEr+JUp=KNr/MAt  03°30'=03°30'",
                           "VEr+JUs=KNr/MAt  03°30'=03°30'", "VEr+JUt=KNr/MAt  03°30'=03°30'"}));
  EXPECT_EQ(result.lines.back().substr(33, 4), "004 ");
}

}  // namespace
}  // namespace kelvaro
