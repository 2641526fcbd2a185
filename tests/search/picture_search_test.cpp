#include "search/picture_search.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text_encoding.h"
#include "support/named_factors.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::linesNotCarryingTheirFactors;
using testing::RecordBuilder;
using namespace factor;

constexpr double kOrb = 1.2;
constexpr PanelChoices kRSlashT{PanelVariant::r, PictureKind::midpoint, PanelVariant::t};
constexpr PanelChoices kAllSlashAll{PanelVariant::rpst, PictureKind::midpoint, PanelVariant::rpst};

FreeAxisEntry entryOf(const char* text) {
  return std::get<FreeAxisEntry>(checkFreeAxisEntry(text));
}

// An axis in the middle of the dial: with every other position at 0 the
// midpoints and sums of the untouched factors (0) stay far from it.
const PictureAxis kMidDial = angleAxis(11.25, "");

bool containsText(const std::vector<std::string>& lines, std::string_view text) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

TEST(PictureAxis, NamesTheEnteredAxisOnTheDialAndInItsSign) {
  const auto record = RecordBuilder().at(Variant::t, KN, 100).at(Variant::p, JU, 23.456).build();
  const PictureAxis axis = entryAxis(record, entryOf("KNt+JUp"));
  EXPECT_EQ(axis.text, "KNt+JUp 10°57',  03°27' LOE");
  EXPECT_FALSE(axis.angleMode);
  const SearchResult result = pictureSearch(record, kOrb, axis, kRSlashT, false);
  EXPECT_EQ(result.heading, "Suche in  KNt+JUp 10°57',  03°27' LOE");
  EXPECT_EQ(result.lines.front(), "r/t-Planetenbilder in KNt+JUp 10°57',  03°27' LOE");
}

TEST(PictureAxis, CombinesTheEntryByItsOperator) {
  struct Case {
    const char* entry;
    double value;
    std::string text;
  };
  // MOr 200, SAs 200: sum 400 is shown as 40; exactly 360 keeps 360 and has no sign.
  const auto record = RecordBuilder()
                          .at(Variant::r, MO, 200)
                          .at(Variant::s, SA, 200)
                          .at(Variant::t, SA, 160)
                          .build();
  const std::vector<Case> cases = {
      {"MOr+SAs", 17.5, "MOr+SAs 17°30',  10°00' STI"},
      {"MOr/SAs", 20, "MOr/SAs 20°00',  20°00' WAA"},
      {"MOr-SAt", 17.5, "MOr-SAt 17°30',  10°00' STI"},
      {"MOr+SAt", 0, "MOr+SAt 00°00',  00°00' "},
  };
  for (const Case& c : cases) {
    const PictureAxis axis = entryAxis(record, entryOf(c.entry));
    EXPECT_EQ(axis.value, c.value) << c.entry;
    EXPECT_EQ(axis.text, c.text) << c.entry;
  }
}

// A difference with the smaller longitude first: the dial text keeps the
// sign, the place in the zodiac is that of the longitude + 360.
TEST(PictureAxis, NegativeDifferenceIsPlacedOneCircleFurther) {
  const auto record = RecordBuilder().at(Variant::t, KN, 10).at(Variant::p, JU, 133.5).build();
  const PictureAxis axis = entryAxis(record, entryOf("KNt-JUp"));
  EXPECT_EQ(axis.value, -11);
  EXPECT_EQ(axis.text, "KNt-JUp -11°00',  26°30' SKO");
}

// The negative axis value is compared as it is, so every dial value more
// than 22.5 − orb above it meets it.
TEST(PictureAxis, NegativeAxisValueIsComparedWhereItStandsOnTheDial) {
  // KNt − JUp = −123.5: dial value −11, which stands at 11.5.
  const auto record = RecordBuilder()
                          .at(Variant::t, KN, 10)
                          .at(Variant::p, JU, 133.5)
                          .everywhere(MO, 20)  // MO/MO: 8.5 away (|−11 − 20| = 31 is no hit)
                          .everywhere(SA, 12)  // SA/SA: 0.5 away
                          .build();
  const PanelChoices rr{PanelVariant::r, PictureKind::midpoint, PanelVariant::r};
  const auto lines =
      pictureSearch(record, kOrb, entryAxis(record, entryOf("KNt-JUp")), rr, true).lines.lines();
  EXPECT_EQ(lines[MO], "");
  EXPECT_EQ(lines[SA], " SAr/SAr");
}

TEST(PictureAxis, AngleModeNamesTheAngleAfterTheStoredEntry) {
  const auto record = RecordBuilder().build();
  const PictureAxis axis = angleAxis(7.5, "");
  EXPECT_EQ(axis.value, 7.5);
  const SearchResult midpoints = pictureSearch(record, kOrb, axis, kRSlashT, false);
  EXPECT_EQ(midpoints.heading, "Suche in   07°30'");
  EXPECT_EQ(midpoints.lines.front(), "r/t Halbsummen in  07°30'");
  const PanelChoices sums{PanelVariant::s, PictureKind::sum, PanelVariant::rpst};
  EXPECT_EQ(pictureSearch(record, kOrb, axis, sums, false).lines.front(),
            "s+rpst Summen in  07°30'");
  EXPECT_EQ(
      pictureSearch(record, kOrb, entryAxis(record, entryOf("MCr+MCr")), sums, false).lines.front(),
      "s+rpst Summen in MCr+MCr 00°00',  00°00' WID");
  EXPECT_EQ(angleAxis(22 + 59.0 / 60, "").value, 22 + 59.0 / 60);  // not reduced
}

// MCr/KNt and KNr/MCt both meet the axis: with different variants on the two
// sides a pair is examined with either factor first.
TEST(PictureSearch, SingleVariantModeWritesTwentyTwoLinesInFactorOrder) {
  const auto record = RecordBuilder()
                          .at(Variant::r, MC, 10)
                          .at(Variant::t, KN, 12.5)
                          .at(Variant::r, KN, 12.5)
                          .at(Variant::t, MC, 10)
                          .build();
  const auto lines = pictureSearch(record, kOrb, kMidDial, kRSlashT, false).lines.lines();
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[MC], " MCr/KNt");
  for (int i = WI; i <= PO; ++i) {
    EXPECT_EQ(lines[static_cast<std::size_t>(i)], i == KN ? " KNr/MCt" : "") << i;
  }
}

TEST(PictureSearch, SingleFactorQuestionOnlyForTheSameSingleVariant) {
  EXPECT_TRUE(asksSingleFactorQuestion({PanelVariant::r, PictureKind::midpoint, PanelVariant::r}));
  EXPECT_TRUE(asksSingleFactorQuestion({PanelVariant::t, PictureKind::sum, PanelVariant::t}));
  EXPECT_FALSE(asksSingleFactorQuestion(kRSlashT));
  EXPECT_FALSE(asksSingleFactorQuestion(kAllSlashAll));
  EXPECT_EQ(singleFactorQuestion(PictureKind::midpoint),
            "Sollen nur Einfaktor-Halbsummen gesucht werden?" + std::string(11, ' ') +
                "\r(bei gleicher Variante für Faktor 1/3 und 2/4)");
  EXPECT_EQ(singleFactorQuestion(PictureKind::sum),
            "Sollen nur Einfaktor-Summen gesucht werden?" + std::string(6, ' ') +
                "\r(bei gleicher Variante für Faktor 1/3 und 2/4)");
}

TEST(PictureSearch, SingleFactorRestrictionKeepsOnlyFactorsWithThemselves) {
  // Every position 11.25: all r/r midpoints meet the axis.
  const auto record = RecordBuilder(11.25).build();
  const PanelChoices rr{PanelVariant::r, PictureKind::midpoint, PanelVariant::r};
  const auto restricted = pictureSearch(record, kOrb, kMidDial, rr, true).lines.lines();
  ASSERT_EQ(restricted.size(), 23u);
  EXPECT_EQ(restricted[MC], " MCr/MCr");
  EXPECT_EQ(restricted[SO], " SOr/SOr");
  EXPECT_EQ(restricted[PO], " POr/POr");
  const auto open = pictureSearch(record, kOrb, kMidDial, rr, false).lines.lines();
  EXPECT_EQ(utf8Length(open[MC]), 22u * 8);
  EXPECT_EQ(open[PO], " POr/POr");
  // The answer counts only where the question is asked.
  const PanelChoices rt{PanelVariant::r, PictureKind::midpoint, PanelVariant::t};
  EXPECT_EQ(pictureSearch(record, kOrb, kMidDial, rt, true).lines,
            pictureSearch(record, kOrb, kMidDial, rt, false).lines);
}

// Sums MOr+MOr of exact binary values against the axis 0 at the orb 1.25:
// d equal to the orb or to 22.5 − orb is no hit.
TEST(PictureSearch, OrbBoundariesAreStrict) {
  struct Case {
    double sum;
    bool hit;
  };
  const PanelChoices rr{PanelVariant::r, PictureKind::sum, PanelVariant::r};
  for (const Case c : {Case{1.25, false},
                       {1.125, true},
                       {21.25, false},
                       {21.375, true},
                       {22.5, true},
                       {23.625, true},
                       {23.75, false}}) {
    const auto record = RecordBuilder(5.625).at(Variant::r, MO, c.sum / 2).build();
    const auto lines = pictureSearch(record, 1.25, angleAxis(0, ""), rr, true).lines.lines();
    EXPECT_EQ(lines[MO], c.hit ? " MOr+MOr" : "") << c.sum;
  }
}

std::string gridHeader() {
  return "      MC  WI  SO  AS  MO  KN  ME  VE  MA  JU  SA  UR  NE  PL  CU  HA  ZE  KR  AP  AD  "
         "VU  PO  ";
}

std::string emptyGridRow(int i) {
  std::string row = "   " + std::string(factorName(i));
  for (int j = 1; j < i; ++j) row += "....";
  for (int j = i; j <= PO; ++j) row += "   |";
  return row;
}

TEST(PictureSearch, AllVariantsModeListsMixedPairsOfAFactorWithItselfBothWays) {
  const auto record = RecordBuilder().at(Variant::r, MC, 10).at(Variant::p, MC, 12.5).build();
  const auto lines = pictureSearch(record, kOrb, kMidDial, kAllSlashAll, false).lines.lines();
  std::vector<std::string> expected = {"rpst/rpst Halbsummen in  11°15'", " MCr/MCp", " MCp/MCr",
                                       " ", gridHeader()};
  expected.push_back("   MC  2|" + emptyGridRow(MC).substr(9));
  for (int i = WI; i <= PO; ++i) expected.push_back(emptyGridRow(i));
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(utf8Length(lines[4]), 94u);
}

TEST(PictureSearch, GridCountsEveryVariantPairAndSkipsTheSolarArcSun) {
  // MC/SA and MO/SA meet in all 16 pairs of variants; MC/SO and SO/MO only
  // in the 12 without SOs.
  const auto record = RecordBuilder()
                          .everywhere(MC, 12.5)
                          .everywhere(SO, 10)
                          .everywhere(MO, 12.5)
                          .everywhere(SA, 10)
                          .build();
  const auto lines = pictureSearch(record, kOrb, kMidDial, kAllSlashAll, false).lines.lines();
  EXPECT_FALSE(containsText(lines, "SOs"));
  EXPECT_TRUE(containsText(lines, "MOt/SAs"));
  const auto header = std::find(lines.begin(), lines.end(), gridHeader());
  ASSERT_NE(header, lines.end());
  ASSERT_EQ(lines.end() - header, 23);
  std::string mc = emptyGridRow(MC);
  mc.replace(5 + 4 * (SO - 1), 3, " 12");
  mc.replace(5 + 4 * (SA - 1), 3, " 16");
  EXPECT_EQ(header[MC], mc);
  std::string so = emptyGridRow(SO);
  so.replace(5 + 4 * (MO - 1), 3, " 12");
  EXPECT_EQ(header[SO], so);
  std::string mo = emptyGridRow(MO);
  mo.replace(5 + 4 * (SA - 1), 3, " 16");
  EXPECT_EQ(header[MO], mo);
  // Only lines with entries: MCr … MCt, SOr, SOp, SOt, MOr … MOt.
  EXPECT_EQ(header - lines.begin(), 1 + 4 + 3 + 4 + 1);
  EXPECT_EQ(lines[1], " MCr/SOr MCr/SOp MCr/SOt MCr/SAr MCr/SAp MCr/SAs MCr/SAt");
  EXPECT_EQ(lines[7], " SOt/MOr SOt/MOp SOt/MOs SOt/MOt");
}

// SAt/MOr, SAt/MOp and SAt/MOs are pictures of their own; SAt/MOt is MOt/SAt
// again and stays out. All seven count in the cell of MO and SA.
TEST(PictureSearch, OneSidedAllVariantsLoopsOnlyTheRpstSide) {
  const auto record = RecordBuilder().everywhere(MO, 10).everywhere(SA, 12.5).build();
  const PanelChoices tAll{PanelVariant::t, PictureKind::midpoint, PanelVariant::rpst};
  const auto lines = pictureSearch(record, kOrb, kMidDial, tAll, false).lines.lines();
  EXPECT_EQ(lines[0], "t/rpst Halbsummen in  11°15'");
  EXPECT_EQ(lines[1], " MOt/SAr MOt/SAp MOt/SAs MOt/SAt");
  EXPECT_EQ(lines[2], " SAt/MOr SAt/MOp SAt/MOs");
  EXPECT_EQ(lines[3], " ");
  std::string mo = emptyGridRow(MO);
  mo.replace(5 + 4 * (SA - 1), 3, "  7");
  EXPECT_EQ(lines[4 + MO], mo);
  // The other way round the left side runs over all variants.
  const PanelChoices allT{PanelVariant::rpst, PictureKind::midpoint, PanelVariant::t};
  const auto mirrored = pictureSearch(record, kOrb, kMidDial, allT, false).lines.lines();
  EXPECT_EQ(std::vector<std::string>(mirrored.begin() + 1, mirrored.begin() + 9),
            (std::vector<std::string>{" MOr/SAt", " MOp/SAt", " MOs/SAt", " MOt/SAt", " SAr/MOt",
                                      " SAp/MOt", " SAs/MOt", " "}));
}

// Every pair meets the axis: the line of MCr holds all its 87 entries (no
// SOs), and the grid counts every hit.
TEST(PictureSearch, WritesLongLinesWholeAndCountsAllHits) {
  const auto record = RecordBuilder().build();
  const auto lines =
      pictureSearch(record, kOrb, angleAxis(0, ""), kAllSlashAll, false).lines.lines();
  EXPECT_EQ(utf8Length(lines[1]), 87u * 8u);
  EXPECT_EQ(lines[1].substr(0, 16), " MCr/MCr MCr/MCp");
  EXPECT_EQ(lines[1].substr(lines[1].size() - 16), " MCr/POs MCr/POt");
  const std::string& poRow = lines[lines.size() - 22];  // row of MC
  EXPECT_EQ(poRow.substr(poRow.size() - 8), " 16| 16|");
  EXPECT_EQ(lines[lines.size() - 20].substr(0, 17), "   SO........  9|");  // no SOs
  EXPECT_EQ(lines.back(), "   PO" + std::string(std::size_t{21} * 4, '.') + " 16|");
}

// Every line carries exactly the factor variants its text names: the axis
// in the first line, the pairs in theirs; the grid carries none.
TEST(PictureSearch, EveryLineCarriesTheFactorsItNames) {
  const TransitRecord record = RecordBuilder(0)
                                   .at(Variant::r, MO, 40)
                                   .at(Variant::t, SA, 77)
                                   .at(Variant::p, KN, 133)
                                   .at(Variant::t, JU, 250)
                                   .build();
  const PictureAxis entry = entryAxis(record, entryOf("KNp+JUt"));
  for (const auto& [axis, choices] : {std::pair{entry, kAllSlashAll}, std::pair{entry, kRSlashT},
                                      std::pair{kMidDial, kAllSlashAll}}) {
    const SearchResult result = pictureSearch(record, 3.0, axis, choices, false);
    std::size_t carried = 0;
    EXPECT_EQ(linesNotCarryingTheirFactors(result, carried), std::vector<std::string>{});
    EXPECT_GT(carried, 2u);
  }
}

}  // namespace
}  // namespace kelvaro
