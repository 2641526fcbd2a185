#include "search/angle_search.h"

#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "support/named_factors.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::linesNotCarryingTheirFactors;
using testing::RecordBuilder;

// Every entry of the listed lines ("MCr+WIp"), sums and midpoints together.
std::set<std::string> entriesOf(const SearchResult& result) {
  std::set<std::string> entries;
  for (const std::string_view line : result.lines) {
    if (line.empty() || line[0] != ' ') continue;
    std::istringstream words{std::string(line)};
    for (std::string word; words >> word;) entries.insert(word);
  }
  return entries;
}

TEST(AngleFactor, LooksUpTwoUpperCasedCharacters) {
  for (const auto& [text, number] : {std::pair{"mc", factor::MC},
                                     {"Mc", factor::MC},
                                     {"pO", factor::PO},
                                     {"GZ", factor::GZ},
                                     {"gz", factor::GZ}}) {
    const auto checked = checkAngleFactor(text);
    ASSERT_EQ(rejection(checked), nullptr) << text;
    EXPECT_EQ(std::get<int>(checked), number) << text;
  }
  for (const char* text : {"DU", "Du", "du", "XX", "M", "MCr", ""}) {
    const auto checked = checkAngleFactor(text);
    ASSERT_NE(rejection(checked), nullptr) << text;
    EXPECT_EQ(rejection(checked)->message, "Bitte einen gültigen Faktor eingeben!");
  }
}

TEST(AngleSearch, GzLeavesOnlyTheFixedLines) {
  const SearchResult result = angleSearch(RecordBuilder(0).build(), 1.2, 0, factor::GZ);
  EXPECT_EQ(result.heading, " Suche nach GZ-Summen und -Halbsummen in der Achse 00:00");
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{"Summen in der Achse 00:00", "******************",
                                      "Halbsummen in der Achse 00:00"}));
}

TEST(AngleSearch, ContinuesAFirstMemberWithMoreThanFourteenHitsOnNewLines) {
  // MCr + anything at 0 lies on 10; SO in variant s is never a member, and
  // MCr+MCr (20) misses. MCr/MCr (10) is the only midpoint.
  const TransitRecord record = RecordBuilder(0).at(Variant::r, factor::MC, 10).build();
  const SearchResult result = angleSearch(record, 1.0, 10, std::nullopt);
  EXPECT_EQ(result.heading, " Suche nach allen Summen und Halbsummen in der Achse 10:00");
  ASSERT_EQ(result.lines.size(), 11u);
  EXPECT_EQ(result.lines[0], "Summen in der Achse 10:00");
  EXPECT_EQ(result.lines[1],
            " MCr+MCp MCr+MCs MCr+MCt MCr+WIr MCr+WIp MCr+WIs MCr+WIt MCr+SOr MCr+SOp MCr+SOt "
            "MCr+ASr MCr+ASp MCr+ASs MCr+ASt ");
  for (std::size_t i = 1; i <= 6; ++i) {
    EXPECT_EQ(result.lines[i].size(), 113u) << i;
  }
  EXPECT_EQ(result.lines[7], " MCr+POs MCr+POt ");
  EXPECT_EQ(result.lines[8], "******************");
  EXPECT_EQ(result.lines[9], "Halbsummen in der Achse 10:00");
  EXPECT_EQ(result.lines[10], " MCr/MCr ");
  EXPECT_EQ(entriesOf(result).count("MCr+SOs"), 0u);
}

TEST(AngleSearch, AChosenFactorAlwaysStandsFirst) {
  const TransitRecord record = RecordBuilder(0).at(Variant::r, factor::MC, 10).build();
  const SearchResult kn = angleSearch(record, 1.0, 10, factor::KN);
  EXPECT_EQ(kn.heading, " Suche nach KN-Summen und -Halbsummen in der Achse 10:00");
  EXPECT_EQ(kn.lines, (std::vector<std::string>{
                          "Summen in der Achse 10:00", " KNr+MCr ", " KNp+MCr ", " KNs+MCr ",
                          " KNt+MCr ", "******************", "Halbsummen in der Achse 10:00"}));
  // SO in variant s has no line of its own.
  const SearchResult so = angleSearch(record, 1.0, 10, factor::SO);
  EXPECT_EQ(so.lines, (std::vector<std::string>{"Summen in der Achse 10:00", " SOr+MCr ",
                                                " SOp+MCr ", " SOt+MCr ", "******************",
                                                "Halbsummen in der Achse 10:00"}));
  // Without a chosen factor the same pairs stand under MC.
  const auto all = entriesOf(angleSearch(record, 1.0, 10, std::nullopt));
  EXPECT_EQ(all.count("MCr+KNr"), 1u);
  EXPECT_EQ(all.count("KNr+MCr"), 0u);
}

TEST(AngleSearch, PairsAFactorWithItselfOnlyInRpstOrder) {
  const TransitRecord record =
      RecordBuilder(0).at(Variant::r, factor::MC, 5).at(Variant::p, factor::MC, 5).build();
  const std::vector<std::string> expected = {"Summen in der Achse 10:00", " MCr+MCr MCr+MCp ",
                                             " MCp+MCp ", "******************",
                                             "Halbsummen in der Achse 10:00"};
  EXPECT_EQ(angleSearch(record, 1.0, 10, factor::MC).lines, expected);
  EXPECT_EQ(angleSearch(record, 1.0, 10, std::nullopt).lines, expected);
}

TEST(AngleSearch, DistancesEqualToTheOrbOrItsWrapLimitAreNoHits) {
  // At the angle 0 with an orb of 1, sums with a partner at 5: MCr gives
  // 21.75 (hit across the end of the dial), WIr 21.5 (= 22.5 − orb),
  // KNr 0.75 (hit), ASr 1.0 (= orb).
  const TransitRecord record = RecordBuilder(5)
                                   .at(Variant::r, factor::MC, 16.75)
                                   .at(Variant::r, factor::WI, 16.5)
                                   .at(Variant::r, factor::KN, 18.25)
                                   .at(Variant::r, factor::AS, 18.5)
                                   .build();
  const auto entries = entriesOf(angleSearch(record, 1.0, 0, std::nullopt));
  for (const char* hit : {"MCr+MCp", "MCr+WIp", "MCr+POt", "KNr+MEr", "KNr+POt", "WIp+KNr"}) {
    EXPECT_EQ(entries.count(hit), 1u) << hit;
  }
  for (const char* miss :
       {"MCr+WIr", "WIr+WIp", "WIr+POt", "ASr+ASp", "ASr+POt", "MCr+ASr", "MCr/WIr", "MCp+MCs"}) {
    EXPECT_EQ(entries.count(miss), 0u) << miss;
  }
}

// Each line carries exactly the factors its entries name, so the dial marks
// what the user reads; the headings and the separator carry none.
TEST(AngleSearch, EveryLineCarriesTheFactorsOfItsEntries) {
  const TransitRecord record = RecordBuilder(0)
                                   .at(Variant::r, factor::MC, 10)
                                   .at(Variant::t, factor::KN, 3.25)
                                   .at(Variant::s, factor::PO, 17)
                                   .build();
  for (const std::optional<int> chosen : {std::optional<int>{}, std::optional{factor::KN}}) {
    const SearchResult result = angleSearch(record, 1.0, 10, chosen);
    std::size_t carried = 0;
    EXPECT_EQ(linesNotCarryingTheirFactors(result, carried), std::vector<std::string>{});
    EXPECT_GT(carried, 0u);
    EXPECT_TRUE(result.factors[0].empty());  // "Summen in der Achse 10:00"
  }
}

// Each character of an entry leads to exactly the factors that entry names
// (the dial marks the sum or midpoint clicked); the blanks to none.
TEST(AngleSearch, EachEntrySaysWhereItStands) {
  const TransitRecord record = RecordBuilder(0).at(Variant::t, factor::KN, 3.25).build();
  const SearchResult result = angleSearch(record, 2.0, 0, std::nullopt);
  ASSERT_TRUE(result.entries.has_value());
  std::size_t entries = 0;
  for (std::size_t line = 0; line < result.lines.size(); ++line) {
    const std::string text(result.lines[line]);
    const auto lineFactors = result.factors[line];
    for (std::size_t column = 0; column <= text.size(); ++column) {
      const auto factors = entryFactorsAt(lineFactors, *result.entries, column);
      const bool onEntry = column < text.size() && text[column] != ' ' && !lineFactors.empty();
      if (!onEntry) {
        EXPECT_TRUE(factors.empty()) << line << ":" << column;
        continue;
      }
      const std::size_t start = text.rfind(' ', column) + 1;
      const std::vector<FactorVariant> named = testing::namedFactors(text.substr(start, 7));
      EXPECT_EQ(std::vector<FactorVariant>(factors.begin(), factors.end()), named)
          << line << ":" << column;
      entries += column == start ? 1 : 0;
    }
  }
  EXPECT_GT(entries, 200u);
}

// On the other dials, the entries are exactly those a plain search over
// every pair finds: sum or midpoint placed on the dial, closer to the angle
// than the orb the shorter way round, SOs left out, each pair once.
TEST(AngleSearch, OtherDialsListWhatAPlainSearchFinds) {
  std::mt19937 random(90);
  std::uniform_real_distribution<double> longitude(0, 360);
  RecordBuilder builder;
  for (const Variant v : kVariants) {
    for (int f = 1; f <= factor::kLastInTables; ++f) builder.at(v, f, longitude(random));
  }
  const TransitRecord record = builder.build();
  const auto name = [](int f, Variant v) { return factorVariantName(f, v); };
  for (const DialSize dial : kDialSizes) {
    if (dial.isStandard()) continue;
    for (const double angle : {0.0, dial.degrees() / 3, dial.degrees() - 0.25}) {
      std::set<std::string> expected;
      for (int a = 1; a <= factor::kLastInTables; ++a) {
        for (const Variant va : kVariants) {
          for (int b = a; b <= factor::kLastInTables; ++b) {
            for (const Variant vb : kVariants) {
              if (b == a && variantIndex(vb) < variantIndex(va)) continue;
              if ((a == factor::SO && va == Variant::s) || (b == factor::SO && vb == Variant::s)) {
                continue;
              }
              const double pa = record.position(va, a);
              const double pb = record.position(vb, b);
              if (dial.distance(pa + pb, angle) < 1.0)
                expected.insert(name(a, va) + "+" + name(b, vb));
              if (dial.distance((pa + pb) / 2, angle) < 1.0) {
                expected.insert(name(a, va) + "/" + name(b, vb));
              }
            }
          }
        }
      }
      const SearchResult found = angleSearch(record, 1.0, angle, std::nullopt, dial);
      EXPECT_EQ(entriesOf(found), expected) << dial.label() << " at " << angle;
      EXPECT_FALSE(expected.empty());
      std::size_t carried = 0;
      EXPECT_EQ(linesNotCarryingTheirFactors(found, carried), std::vector<std::string>{});
      EXPECT_EQ(carried, 2 * expected.size());
    }
  }
}

}  // namespace
}  // namespace kelvaro
