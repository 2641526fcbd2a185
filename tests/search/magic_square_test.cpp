#include "search/magic_square.h"

#include <gtest/gtest.h>

#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;
using Lines = std::vector<std::string>;

constexpr double kOrb = 1.2;
const Lines kOpening = {" ", "Das magische Quadrat"};
const Lines kRefusedView = {" ", "Das magische Quadrat", "", " ", "Die Planetenbilder"};

// Every position at dial value 3, far from the axes 7.5 and 15 the tests use.
RecordBuilder quietRecord() { return RecordBuilder(3.0); }

Lines viewOf(const TransitRecord& record, std::string_view entry, double orb = kOrb) {
  return magicSquareEntryStep(record, orb, entry).view.lines.lines();
}

TEST(MagicSquare, WritesListsAndPicturesOfTheChosenFactorVariant) {
  // t = 7.5 (KNt, VEr), complement 15 (SAr 15, URp 15.5, NEs 15.25): with URp
  // 22.5° further on, the sums of SAr and URp meet but their midpoints do not.
  const auto record = quietRecord()
                          .at(Variant::t, factor::KN, 7.5)
                          .at(Variant::r, factor::VE, 30.0)
                          .at(Variant::r, factor::SA, 15.0)
                          .at(Variant::p, 12, 38.0)
                          .at(Variant::s, 13, 37.75)
                          .build();
  const MagicSquareStep step = magicSquareEntryStep(record, kOrb, "KNt");
  EXPECT_EQ(step.view.heading,
            "Die Faktoren des magischen Quadrates und die Planetenbilder aus diesen Faktoren");
  EXPECT_FALSE(step.refusal);
  EXPECT_FALSE(step.fieldText);
  EXPECT_TRUE(step.showsInformation);
  const Lines expected = {
      " ",
      "Das magische Quadrat",
      "KNt  07°30'= VEr, ",
      "Erg. 15°00'= SAr, URp, NEs, ",
      " ",
      "Die Planetenbilder",
      "KNt + SAr = KNt + URp       ",
      "  00°00'      00°30'",
      " ",
      "KNt + URp = KNt + NEs       KNt / URp = KNt / NEs",
      "  00°30'      00°15'          00°15'      00°07'",
      " ",
      " ",
      "VEr + SAr = VEr + URp       ",
      "  00°00'      00°30'",
      " ",
      "VEr + URp = VEr + NEs       VEr / URp = VEr / NEs",
      "  00°30'      00°15'          11°30'      11°22'",
      " ",
      " ",
  };
  EXPECT_EQ(step.view.lines, expected);
}

TEST(MagicSquare, RefusesUnknownNamesAndUpperCaseVariantLetters) {
  const auto record = quietRecord().build();
  struct Case {
    const char* entry;
    std::string_view message;
    const char* fieldText;
  };
  for (const Case& c :
       {Case{"KNT", kInvalidMagicVariantMessage, "KN"},
        Case{"knT", kInvalidMagicVariantMessage, "KN"},
        Case{"kNx", kInvalidMagicVariantMessage, "KN"},
        Case{"KNä", kInvalidMagicVariantMessage, "KN"}, Case{"XXt", kInvalidMagicFactorMessage, ""},
        Case{"Dut", kInvalidMagicFactorMessage, ""}, Case{"DUt", kInvalidMagicFactorMessage, ""},
        Case{"K t", kInvalidMagicFactorMessage, ""}, Case{"ÄNt", kInvalidMagicFactorMessage, ""}}) {
    const MagicSquareStep step = magicSquareEntryStep(record, kOrb, c.entry);
    ASSERT_TRUE(step.refusal) << c.entry;
    EXPECT_EQ(step.refusal->message, c.message) << c.entry;
    EXPECT_EQ(step.fieldText, std::optional<std::string>(c.fieldText)) << c.entry;
    EXPECT_EQ(step.view.lines, kRefusedView) << c.entry;
    EXPECT_EQ(step.view.heading, kMagicSquareHeading);
    EXPECT_TRUE(step.showsInformation) << c.entry;
  }
  EXPECT_EQ(kInvalidMagicFactorMessage, "Bitte einen gültigen Faktor eingeben ");
}

TEST(MagicSquare, AcceptsLowerCaseNames) {
  const auto record = quietRecord().at(Variant::t, factor::KN, 7.5).build();
  EXPECT_EQ(viewOf(record, "knt")[2], "KNt  07°30'= ");
  EXPECT_EQ(viewOf(record, "kNt"), viewOf(record, "KNt"));
}

TEST(MagicSquare, OtherLengthsShowOnlyTheOpeningLines) {
  // Also what the rerun after a refusal leaves ("" or the two name characters).
  const auto record = quietRecord().build();
  for (const char* entry : {"", "K", "KN", "KNtx", "KN t", "ää"}) {
    const MagicSquareStep step = magicSquareEntryStep(record, kOrb, entry);
    EXPECT_EQ(step.view.lines, kOpening) << entry;
    EXPECT_EQ(step.view.heading, kMagicSquareHeading);
    EXPECT_FALSE(step.refusal) << entry;
    EXPECT_FALSE(step.fieldText) << entry;
    EXPECT_FALSE(step.showsInformation) << entry;
  }
}

TEST(MagicSquare, GZCanBeChosenButIsNeverListed) {
  const auto record =
      quietRecord().everywhere(factor::GZ, 7.5).at(Variant::p, factor::MO, 7.5).build();
  const Lines view = viewOf(record, "GZr");
  EXPECT_EQ(view[2], "GZr  07°30'= MOp, ");
  EXPECT_EQ(viewOf(record, "MOp")[2], "MOp  07°30'= ");
}

TEST(MagicSquare, SolarArcSunIsNeverListedButCanBeChosen) {
  // SOs stands in both axes (11.25 is its own complement) and is left out of both.
  const auto record =
      quietRecord().at(Variant::s, factor::SO, 11.25).at(Variant::r, factor::SO, 11.25).build();
  EXPECT_EQ(viewOf(record, "SOs")[2], "SOs  11°15'= SOr, ");
  EXPECT_EQ(viewOf(record, "SOs")[3], "Erg. 11°15'= SOr, ");
  EXPECT_EQ(viewOf(record, "SOr")[2], "SOr  11°15'= ");
  EXPECT_EQ(viewOf(record, "SOr")[3], "Erg. 11°15'= SOr, ");
}

TEST(MagicSquare, TheChosenFactorVariantCanStandInTheComplement) {
  const auto record = quietRecord().at(Variant::t, factor::KN, 11.25 + 45).build();
  const MagicSquareLists lists = findMagicSquareLists(record, kOrb, factor::KN, Variant::t);
  ASSERT_EQ(lists.axis.size(), 1u);
  ASSERT_EQ(lists.complement.size(), 1u);
  EXPECT_EQ(lists.complement[0].factorNumber, factor::KN);
  EXPECT_EQ(lists.complement[0].variant, Variant::t);
  EXPECT_EQ(lists.complement[0].position, 56.25);
  EXPECT_EQ(lists.complement[0].dial, 11.25);
}

TEST(MagicSquare, ZeroDialValueHasTheComplementZero) {
  const auto record = quietRecord().at(Variant::t, factor::KN, 90.0).build();
  // 0 and 22.5 meet across the seam, so KNt stands in its own complement.
  EXPECT_EQ(viewOf(record, "KNt")[3], "Erg. 00°00'= KNt, ");
}

TEST(MagicSquare, OrbBoundariesAndTheSeamOfTheDial) {
  // At orb 1.25 a distance of exactly 1.25 (or 22.5 − 1.25) is no hit.
  const auto record = quietRecord()
                          .at(Variant::t, factor::KN, 0.125)
                          .at(Variant::r, factor::MC, 1.375)   // d = 1.25
                          .at(Variant::p, factor::MC, 1.25)    // d = 1.125
                          .at(Variant::r, factor::WI, 21.375)  // d = 21.25
                          .at(Variant::p, factor::WI, 21.5)    // d = 21.375
                          .build();
  EXPECT_EQ(viewOf(record, "KNt", 1.25)[2], "KNt  00°07'= MCp, WIp, ");
}

TEST(MagicSquare, OneComplementEntryWritesNoPictureButABlankPerAxisEntry) {
  const auto record = quietRecord()
                          .at(Variant::t, factor::KN, 7.5)
                          .at(Variant::r, factor::VE, 7.5)
                          .at(Variant::r, factor::SA, 15.0)
                          .build();
  const Lines expected = {" ",
                          "Das magische Quadrat",
                          "KNt  07°30'= VEr, ",
                          "Erg. 15°00'= SAr, ",
                          " ",
                          "Die Planetenbilder",
                          " ",
                          " "};
  EXPECT_EQ(viewOf(record, "KNt"), expected);
}

TEST(MagicSquare, NoPicturesWithoutASecondAxisEntryOrWithoutComplement) {
  const auto alone = quietRecord()
                         .at(Variant::t, factor::KN, 7.5)
                         .at(Variant::r, factor::SA, 15.0)
                         .at(Variant::p, factor::SA, 15.0)
                         .build();
  EXPECT_EQ(viewOf(alone, "KNt").size(), 6u);
  const auto noComplement =
      quietRecord().at(Variant::t, factor::KN, 7.5).at(Variant::r, factor::VE, 7.5).build();
  EXPECT_EQ(viewOf(noComplement, "KNt").size(), 6u);
}

TEST(MagicSquare, PairsEachComplementEntryOnlyWithTheNextOne) {
  // Complement 14, 15.875, 14.125: the sums of the first and the third would
  // meet, but neighbours never do.
  const auto record = quietRecord()
                          .at(Variant::t, factor::KN, 7.5)
                          .at(Variant::r, factor::VE, 7.5)
                          .at(Variant::r, factor::SA, 14.0)
                          .at(Variant::r, 12, 15.875)
                          .at(Variant::r, 13, 14.125)
                          .build();
  const Lines view = viewOf(record, "KNt");
  EXPECT_EQ(view[3], "Erg. 15°00'= SAr, URr, NEr, ");
  EXPECT_EQ(Lines(view.begin() + 6, view.end()), (Lines{" ", " "}));
}

TEST(MagicSquare, ListsGrowBeyondTwentyThreeEntries) {
  // Every factor variant at 11.25: all 87 listed ones meet t and 22.5 − t.
  RecordBuilder builder;
  for (int number = 1; number <= factor::kCount; ++number) builder.everywhere(number, 33.75);
  const auto record = builder.build();
  const MagicSquareLists lists = findMagicSquareLists(record, kOrb, factor::KN, Variant::t);
  EXPECT_EQ(lists.axis.size(), 87u);
  EXPECT_EQ(lists.complement.size(), 87u);
  // Each axis entry: 86 pictures of three lines, then its blank line.
  EXPECT_EQ(viewOf(record, "KNt").size(), 6u + 87u * (86u * 3u + 1u));
}

}  // namespace
}  // namespace kelvaro
