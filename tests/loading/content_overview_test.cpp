#include "loading/content_overview.h"

#include <gtest/gtest.h>

#include "core/factor.h"
#include "core/text_encoding.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;

constexpr int kVU = 21;

// Where the parts of the content overview stand: 5 heading lines, then five
// lines per factor AS … PO, then the grid.
constexpr std::size_t sumLine(int factorNumber, Variant v) {
  return 5 + 5 * static_cast<std::size_t>(factorNumber - factor::AS) +
         static_cast<std::size_t>(variantIndex(v));
}
constexpr std::size_t kGridTitle = 100;
constexpr std::size_t kGridHeader = 102;
constexpr std::size_t gridRow(int factorNumber) {
  return 104 + 2 * static_cast<std::size_t>(factorNumber - factor::AS);
}
constexpr std::size_t kColumnSums = 141;
constexpr std::size_t kTotals = 144;

const std::string kHeader =
    "   AS |MO |KN |ME |VE |MA |JU |SA |UR |NE |PL |CU |HA |ZE |KR |AP |AD |VU |PO |";
const std::string kSeparator =
    " - - -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -|- -";

std::string mitLine(int factorNumber, Variant v) {
  return "Mit " + factorVariantName(factorNumber, v) + "+ nicht mehr als eine Summe";
}

// The four axes well apart: MCp+MCp 0, SOr+SOr 0.5, SOp+SOp 10, SOt+SOt 15;
// every factor AS … PO at 6.25, so that no sum of two of them (12.5) comes
// within 1.2 of an axis.
RecordBuilder separatedAxes() {
  RecordBuilder builder(6.25);
  builder.at(Variant::p, factor::MC, 0.0)
      .at(Variant::r, factor::SO, 0.25)
      .at(Variant::p, factor::SO, 5.0)
      .at(Variant::t, factor::SO, 7.5);
  return builder;
}

TEST(ContentOverview, HeadingNamesThePerson) {
  const std::vector<std::string> lines =
      vier_summen(RecordBuilder().text(0, "Müller").build(), 1.2).lines();
  ASSERT_EQ(lines.size(), kTotals + 1);
  EXPECT_EQ(lines[0], "Der Inhalt der Müller Transit-Datei.");
  EXPECT_EQ(lines[1], "Angezeigt sind diejenigen Summen, die in mindestens ZWEI der Achsen");
  EXPECT_EQ(lines[2], "MCp+MCp, SOt+SOt, SOp+SOp, SOr+SOr vorhanden sind");
  EXPECT_EQ(lines[3], "Eine Gesamtübersicht finden Sie unter der Liste.");
  EXPECT_EQ(lines[4], " ");
}

TEST(ContentOverview, ASumInTwoAxesIsListedAndCountedTwice) {
  // ASt + KNr = 22.75, on the dial 0.25: within the orb of MCp+MCp (0) and
  // of SOr+SOr (0.5). Their sums with the other positions stay off the axes.
  const TransitRecord record =
      separatedAxes().at(Variant::t, factor::AS, 2.0).at(Variant::r, factor::KN, 20.75).build();
  const std::vector<std::string> lines = vier_summen(record, 1.2).lines();

  for (int i = factor::AS; i <= factor::kLastInTables; ++i) {
    for (Variant v : kVariants) {
      const std::string expected = i == factor::AS && v == Variant::t ? "ASt+KNr, " : mitLine(i, v);
      EXPECT_EQ(lines[sumLine(i, v)], expected);
    }
    EXPECT_EQ(lines[sumLine(i, Variant::t) + 1], " ");
  }

  EXPECT_EQ(lines[kGridTitle],
            "Die Anzahl aller Summen in den Achsen MCp+MCp,SOt+SOt,SOp+SOp,SOr+SOr");
  EXPECT_EQ(lines[kGridTitle + 1], " ");
  EXPECT_EQ(lines[kGridHeader], kHeader);
  EXPECT_EQ(lines[gridRow(factor::AS)],
            "AS    |   |02 |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |002");
  EXPECT_EQ(lines[gridRow(factor::KN)],
            "KN    |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |000");
  EXPECT_EQ(lines[kColumnSums],
            "   000|000|002|000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|");
  EXPECT_EQ(lines[kColumnSums + 1], kHeader);
  EXPECT_EQ(lines[kColumnSums + 2], "Die Spalten- und Zeilen-Addition ergibt:");
  EXPECT_EQ(lines[kTotals],
            "   002|000|002|000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|");
}

TEST(ContentOverview, DistanceEqualToTheOrbIsNoHit) {
  // The same sum (0.25) is exactly 0.25 from both axes.
  const TransitRecord record =
      separatedAxes().at(Variant::t, factor::AS, 2.0).at(Variant::r, factor::KN, 20.75).build();
  const std::vector<std::string> lines = vier_summen(record, 0.25).lines();
  EXPECT_EQ(lines[sumLine(factor::AS, Variant::t)], mitLine(factor::AS, Variant::t));
  EXPECT_EQ(lines[kTotals],
            "   000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|000|");
}

TEST(ContentOverview, ASumInOneAxisIsCountedButNotListed) {
  // MEr + VEr = 15 meets SOt+SOt only.
  const TransitRecord record =
      separatedAxes().at(Variant::r, factor::ME, 1.25).at(Variant::r, factor::VE, 13.75).build();
  const std::vector<std::string> lines = vier_summen(record, 1.2).lines();
  EXPECT_EQ(lines[sumLine(factor::ME, Variant::r)], mitLine(factor::ME, Variant::r));
  EXPECT_EQ(lines[gridRow(factor::ME)],
            "ME    |   |   |   |01 |   |   |   |   |   |   |   |   |   |   |   |   |   |   |001");
  EXPECT_EQ(lines[kTotals],
            "   000|000|000|001|001|000|000|000|000|000|000|000|000|000|000|000|000|000|000|");
}

TEST(ContentOverview, AllAxesTogetherFillEveryCellAndWidenTheSums) {
  // Every position at 0: all four axes at 0 and every sum in all of them,
  // 4 × 4 variant pairs × 4 axes = 64 hits per factor pair.
  const std::vector<std::string> lines = vier_summen(RecordBuilder(0.0).build(), 1.2).lines();

  // All 72 entries of 9 characters, far beyond 255 characters.
  const std::string& asr = lines[sumLine(factor::AS, Variant::r)];
  EXPECT_EQ(asr.size(), 72u * 9u);
  EXPECT_EQ(asr.substr(0, 18), "ASr+MOr, ASr+MOp, ");
  EXPECT_EQ(asr.substr(asr.size() - 18), "ASr+POs, ASr+POt, ");
  // VU has only PO as partner: 4 entries.
  EXPECT_EQ(lines[sumLine(kVU, Variant::s)], "VUs+POr, VUs+POp, VUs+POs, VUs+POt, ");
  for (Variant v : kVariants) {
    EXPECT_EQ(lines[sumLine(factor::kLastInTables, v)], mitLine(factor::kLastInTables, v));
  }

  std::string asRow = "AS    |";
  for (int j = factor::MO; j <= factor::kLastInTables; ++j) asRow += "64*|";
  EXPECT_EQ(lines[gridRow(factor::AS)], asRow + "1152");
  EXPECT_EQ(lines[gridRow(kVU)],
            "VU    |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |   |64*|064");
  EXPECT_EQ(lines[kColumnSums],
            "   000|064|128|192|256|320|384|448|512|576|640|704|768|832|896|960|1024|1088|1152|");
  std::string totals = "   ";
  for (int j = factor::AS; j <= factor::kLastInTables; ++j) totals += "1152|";
  EXPECT_EQ(lines[kTotals], totals);
}

TEST(ContentOverview, GridColumnsLineUp) {
  const TransitRecord record =
      separatedAxes().at(Variant::t, factor::AS, 2.0).at(Variant::r, factor::KN, 20.75).build();
  const std::vector<std::string> lines = vier_summen(record, 1.2).lines();
  for (std::size_t n = kGridHeader; n <= kTotals; ++n) {
    if (n == kColumnSums + 2) continue;  // the text line before the totals
    const std::string& line = lines[n];
    const bool isRow = n > kGridHeader && n < kColumnSums && (n - kGridHeader) % 2 == 0;
    const bool isSeparator = n > kGridHeader && n < kColumnSums && (n - kGridHeader) % 2 == 1;
    if (isSeparator) {
      EXPECT_EQ(line, kSeparator);
      continue;
    }
    EXPECT_EQ(line.size(), isRow ? 82u : 79u) << "line " << n;
    for (std::size_t k = 0; k < 79; ++k) {
      EXPECT_EQ(line[k] == '|', k >= 6 && (k - 6) % 4 == 0) << "line " << n << ", character " << k;
    }
  }
}

}  // namespace
}  // namespace kelvaro
