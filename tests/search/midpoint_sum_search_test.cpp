#include "search/midpoint_sum_search.h"

#include <gtest/gtest.h>

#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

MidpointSumEntry accepted(std::string_view text) {
  const auto checked = checkMidpointSumEntry(text);
  const auto* entry = std::get_if<MidpointSumEntry>(&checked);
  EXPECT_NE(entry, nullptr) << text;
  return entry ? *entry : MidpointSumEntry{};
}

TEST(MidpointSumEntry, UpperCasesTheNamesAndKeepsTheOperator) {
  struct Case {
    const char* text;
    int first;
    char op;
    int second;
    const char* stored;
  };
  for (const Case& c : {Case{"kn/ju", factor::KN, '/', factor::JU, "KN/JU"},
                        Case{"Kn-jU", factor::KN, '-', factor::JU, "KN-JU"},
                        Case{"KN/KN", factor::KN, '/', factor::KN, "KN/KN"},
                        Case{"GZ+MO", factor::GZ, '+', factor::MO, "GZ+MO"}}) {
    const MidpointSumEntry entry = accepted(c.text);
    EXPECT_EQ(entry.first, c.first) << c.text;
    EXPECT_EQ(entry.op, c.op) << c.text;
    EXPECT_EQ(entry.second, c.second) << c.text;
    EXPECT_EQ(entry.text, c.stored) << c.text;
  }
}

TEST(MidpointSumEntry, RefusesNamesBeforeOperators) {
  const std::string factors(kMidpointSumFactorMessage);
  const std::string op(kMidpointSumOperatorMessage);
  for (const auto& [text, message] : {std::pair{"DU+MO", factors},
                                      {"du+MO", factors},
                                      {"Du+MO", factors},
                                      {"KN+XX", factors},
                                      {"DU*MO", factors},
                                      {"KN+JUp", factors},
                                      {"KN+J", factors},
                                      {"KN*JU", op},
                                      {"KN JU", op},
                                      {"KN=JU", op}}) {
    const auto checked = checkMidpointSumEntry(text);
    ASSERT_NE(rejection(checked), nullptr) << text;
    EXPECT_EQ(rejection(checked)->message, message) << text;
  }
}

// Reference dial values at an orb of 1: MCr/MCr 10, MCp/s/t/MC… 3, SO/SO 5,
// AS/AS 15, MCr+MCr 20, MCp/s/t+… 6, SO+SO 10, AS+AS 7.5. SO also stands at
// 5 in variant s, which has no reference point.
RecordBuilder axesRecord() {
  return RecordBuilder()
      .everywhere(factor::MC, 3)
      .at(Variant::r, factor::MC, 100)
      .everywhere(factor::SO, 5)
      .everywhere(factor::AS, 15);
}

TEST(MidpointSumSearch, WritesEveryHitInReferenceOrderAndCountsThem) {
  const TransitRecord record = axesRecord()
                                   .everywhere(factor::KN, 0.5)
                                   .at(Variant::r, factor::KN, 4)
                                   .at(Variant::s, factor::KN, 22)
                                   .at(Variant::r, factor::JU, 6)
                                   .at(Variant::p, factor::JU, 7)
                                   .at(Variant::s, factor::JU, 12.5)
                                   .at(Variant::t, factor::JU, 16.5)
                                   .build();
  const MidpointSumSearch search = midpointSumSearch(record, 1.0, accepted("kn+ju"));
  EXPECT_EQ(search.result.heading,
            " Suche nach allen Varianten von KN+JU in den Achsen MC, SO, AS");
  const std::vector<std::string> expected = {
      "Varianten von KN+JU in MC, SO, AS",
      " ",
      "KNr+JUr,10°00' steht in MCr/MCr, SOr+SOr, SOp+SOp, SOt+SOt, ",
      "KNr+JUp,11°00' steht in ",  // exactly the orb from 10
      "KNr+JUs,16°30' steht in ",
      "KNr+JUt,20°30' steht in MCr+MCr, ",
      "KNp+JUr,06°30' steht in MCp+MCp, MCs+MCs, MCt+MCt, ",  // AS+AS exactly the orb away
      "KNp+JUp,07°30' steht in ASr+ASr, ASp+ASp, ASs+ASs, ASt+ASt, ",
      "KNp+JUs,13°00' steht in ",
      "KNp+JUt,17°00' steht in ",
      // SO stands at 5 in variant s too, but SOs/SOs is never a reference point.
      "KNs+JUr,05°30' steht in SOr/SOr, SOp/SOp, SOt/SOt, MCp+MCp, MCs+MCs, MCt+MCt, ",
      "KNs+JUp,06°30' steht in MCp+MCp, MCs+MCs, MCt+MCt, ",
      "KNs+JUs,12°00' steht in ",
      "KNs+JUt,16°00' steht in ",
      "KNt+JUr,06°30' steht in MCp+MCp, MCs+MCs, MCt+MCt, ",
      "KNt+JUp,07°30' steht in ASr+ASr, ASp+ASp, ASs+ASs, ASt+ASt, ",
      "KNt+JUs,13°00' steht in ",
      "KNt+JUt,17°00' steht in ",
      " ",
      "Treffer: MC+MC 13, MC/MC 01, SO+SO 03, SO/SO 03, AS+AS 08, AS/AS 00",
  };
  EXPECT_EQ(search.result.lines, expected);
  EXPECT_EQ(search.hits, (MidpointSumHits{13, 1, 3, 3, 8, 0}));
}

// A combination line carries its two factor variants, then the one of each
// axis it stands in; the other lines carry none.
TEST(MidpointSumSearch, CombinationLinesCarryTheirFactorsAndTheirAxes) {
  const TransitRecord record = axesRecord()
                                   .everywhere(factor::KN, 0.5)
                                   .at(Variant::r, factor::KN, 4)
                                   .at(Variant::r, factor::JU, 6)
                                   .build();
  const SearchResult result = midpointSumSearch(record, 1.0, accepted("kn+ju")).result;
  using F = FactorVariant;
  const auto factorsOf = [&](std::size_t line) {
    return std::vector<F>(result.factors[line].begin(), result.factors[line].end());
  };
  ASSERT_EQ(result.lines[2], "KNr+JUr,10°00' steht in MCr/MCr, SOr+SOr, SOp+SOp, SOt+SOt, ");
  EXPECT_EQ(factorsOf(2), (std::vector<F>{{factor::KN, Variant::r},
                                          {factor::JU, Variant::r},
                                          {factor::MC, Variant::r},
                                          {factor::SO, Variant::r},
                                          {factor::SO, Variant::p},
                                          {factor::SO, Variant::t}}));
  ASSERT_EQ(result.lines[3], "KNr+JUp,04°00' steht in ");
  EXPECT_EQ(factorsOf(3), (std::vector<F>{{factor::KN, Variant::r}, {factor::JU, Variant::p}}));
  for (const std::size_t other : {0u, 1u, 18u, 19u}) EXPECT_TRUE(factorsOf(other).empty());
}

TEST(MidpointSumSearch, WithoutHitsEveryCountReadsDoubleZero) {
  const TransitRecord record = RecordBuilder(0).everywhere(factor::KN, 5).build();
  const MidpointSumSearch search = midpointSumSearch(record, 1.2, accepted("KN/JU"));
  ASSERT_EQ(search.result.lines.size(), 20u);
  EXPECT_EQ(search.result.lines[2], "KNr/JUr,02°30' steht in ");
  EXPECT_EQ(search.result.lines[17], "KNt/JUt,02°30' steht in ");
  EXPECT_EQ(search.result.lines[19],
            "Treffer: MC+MC 00, MC/MC 00, SO+SO 00, SO/SO 00, AS+AS 00, AS/AS 00");
  EXPECT_EQ(search.hits, MidpointSumHits{});
}

TEST(MidpointSumSearch, MeetsAcrossTheEndOfTheDialButNotAtTheWrapLimit) {
  // MCr/MCr at 22.25 and every other reference point at 22 (sums) or 11.
  const TransitRecord record = RecordBuilder(11)
                                   .at(Variant::r, factor::MC, 22.25)
                                   .at(Variant::r, factor::KN, 0.25)
                                   .at(Variant::r, factor::JU, 0.25)
                                   .build();
  const MidpointSumSearch search = midpointSumSearch(record, 1.0, accepted("KN+JU"));
  // 0.5 is 21.75 from 22.25 (a hit) and 21.5 = 22.5 − orb from 22 (none).
  EXPECT_EQ(search.result.lines[2], "KNr+JUr,00°30' steht in MCr/MCr, ");
}

TEST(MidpointSumSearch, ComparesNegativeDifferencesWhereTheyStandOnTheDial) {
  // KNr − JUr = −3.5 keeps its sign in the label but stands at 19 on the
  // dial: MCr/MCr at 19 meets it; ASr/ASr at 22 (3 away) and ASr+ASr at 21.5
  // (2.5 away) do not, though |−3.5 − 22| and |−3.5 − 21.5| exceed 22.5 − orb.
  const TransitRecord record = RecordBuilder(0)
                                   .at(Variant::r, factor::MC, 19)
                                   .at(Variant::r, factor::AS, 22)
                                   .at(Variant::r, factor::KN, 10)
                                   .at(Variant::r, factor::JU, 13.5)
                                   .build();
  const MidpointSumSearch search = midpointSumSearch(record, 1.0, accepted("KN-JU"));
  EXPECT_EQ(search.result.lines[2], "KNr-JUr,-03°30' steht in MCr/MCr, ");
}

TEST(MidpointSumSearch, AFactorWithItselfUsesItsOwnPosition) {
  const TransitRecord record = axesRecord().everywhere(factor::KN, 100).build();
  const MidpointSumSearch search = midpointSumSearch(record, 1.0, accepted("kn/kn"));
  EXPECT_EQ(search.result.heading,
            " Suche nach allen Varianten von KN/KN in den Achsen MC, SO, AS");
  EXPECT_EQ(search.result.lines[2], "KNr/KNr,10°00' steht in MCr/MCr, SOr+SOr, SOp+SOp, SOt+SOt, ");
  EXPECT_EQ(search.result.lines[17].substr(0, 8), "KNt/KNt,");
}

}  // namespace
}  // namespace kelvaro
