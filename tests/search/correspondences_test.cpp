#include "search/correspondences.h"

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "support/record_builder.h"

namespace kelvaro {
namespace {

using testing::RecordBuilder;
using Lines = std::vector<std::string>;

using factor::AS;
using factor::JU;
using factor::KN;
using factor::MC;
using factor::MO;
using factor::SO;
using factor::VE;
using factor::WI;
// The variants by their letters, as the report writes them.
// NOLINTBEGIN(readability-identifier-naming)
constexpr Variant r = Variant::r;
constexpr Variant p = Variant::p;
constexpr Variant s = Variant::s;
constexpr Variant t = Variant::t;
// NOLINTEND(readability-identifier-naming)

constexpr double kSmallestOrb = 1.0 / 60;
constexpr double kSpacing = 15.0 / 64;

const std::string kColumns =
    "   MC| WI| SO| AS| MO| KN| ME| VE| MA| JU| SA| UR| NE| PL| CU| HA| ZE| KR| AP| AD| VU| PO| "
    "GZ| ";

// Every factor variant MC … GZ on a dial value of its own, kSpacing apart:
// at the smallest orb nothing corresponds. Tests move single positions onto
// another one's value to make exactly the correspondences they want.
double isolated(int number, Variant v) { return (variantIndex(v) * 23 + number - 1) * kSpacing; }

RecordBuilder isolatedRecord() {
  RecordBuilder builder;
  for (int number = 1; number <= factor::GZ; ++number) {
    for (Variant v : kVariants) builder.at(v, number, isolated(number, v));
  }
  return builder;
}

Lines report(const RecordBuilder& builder, double orb = kSmallestOrb) {
  return correspondences(builder.build(), orb).lines.lines();
}

// The line of a first factor in one of the four lists (list 1 is transit).
const std::string& listLine(const Lines& lines, int list, int number) {
  constexpr int kFirstLine[] = {2, 28, 53, 78};
  constexpr int kLeftOut[] = {0, WI, SO, WI};
  int offset = number - 1;
  if (kLeftOut[list - 1] != 0 && number > kLeftOut[list - 1]) --offset;
  const int line = kFirstLine[list - 1] + offset;
  return lines.at(static_cast<std::size_t>(line));
}

const std::string& repetitionLine(const Lines& lines, int number) {
  return lines.at(103 + static_cast<std::size_t>(number));
}

const std::string& tableRow(const Lines& lines, int number) {
  return lines.at(lines.size() - 26 + static_cast<std::size_t>(number - 1));
}

// The axis line starting with `head` (the axes stand between lines 130 and 141).
std::string axisLine(const Lines& lines, std::string_view head) {
  for (std::size_t i = 130; i < lines.size() - 29; ++i) {
    if (lines[i].starts_with(head)) return lines[i];
  }
  return "(missing)";
}

std::string cellOf(const Lines& lines, int row, int column) {
  return tableRow(lines, row).substr(3 + 4 * (static_cast<std::size_t>(column) - 1), 4);
}

TEST(Correspondences, NothingCorrespondsWritesTheBareReport) {
  const SearchResult result = correspondences(isolatedRecord().build(), kSmallestOrb);
  EXPECT_EQ(result.heading, "Variantenbezogene Auswertung und korrespondierende Halbsummen");

  Lines expected = {
      ">>>>>> Dieser erste Teil zeigt alle Transit-Einfaktor-Planetenbilder (F1t/F1t = F2x/F2x)",
      "   "};
  expected.resize(expected.size() + 23);
  for (const char* heading :
       {">>>>>> Teil 2 zeigt alle Progressiv-Einfaktor-Planetenbilder (F1p/F1p = F2x/F2x) außer "
        "WIp",
        ">>>>>> Teil 3 zeigt alle Sonnenbogen-Einfaktor-Planetenbilder (F1s/F1s = F2x/F2x) außer "
        "SOs",
        ">>>>>> Teil 4 zeigt alle Radix-Einfaktor-Planetenbilder (F1r/F1r = F2x/F2x) außer WIr"}) {
    expected.insert(expected.end(), {"", heading, ""});
    expected.resize(expected.size() + 22);
  }
  expected.insert(
      expected.end(),
      {"  ", ">>>>>> Wiederholungen: Untersuchung mit den Transits der oben gefundenen Halbsummen",
       "       ohne Transit-Halbsummen in den Ergebnissen, da bereits oben vorhanden.", "  "});
  for (int number = 1; number <= factor::GZ; ++number) {
    expected.push_back(factorVariantName(number, t) + ":");
  }
  expected.insert(
      expected.end(),
      {" ", ">>>>>>>> Korrespondierende in den Achsen", "   ", "MCp und MCt: ", "   ",
       "MCt und ASt: ", "   ", "MC und SO: ", "   ", "MCt, SOt, ASt: ", " ", "MCp, SOp, ASp: ", " ",
       ">>>>>>>> Die Achsen mit gegenseitig zusammengefaßten Ergebnissen:", "   ", kColumns});
  for (int number = 1; number <= factor::GZ; ++number) {
    std::string row = std::string(factorName(number)) + " ";
    for (int column = 1; column <= factor::GZ; ++column) row += column < number ? ". . " : "..| ";
    expected.push_back(row);
  }
  expected.insert(expected.end(), {kColumns, " ", " "});

  ASSERT_EQ(expected.size(), 169u);
  EXPECT_EQ(result.lines, expected);
}

TEST(Correspondences, ListOneLineOfTheSunWithItsRepetitionAndCounts) {
  // MCr, MOp and VEt stand on SOt, and so on each other.
  const double sun = isolated(SO, t);
  const Lines lines = report(isolatedRecord().at(r, MC, sun).at(p, MO, sun).at(t, VE, sun));
  ASSERT_EQ(lines.size(), 171u);
  EXPECT_EQ(listLine(lines, 1, SO), "SOt:MCr,MOp,VEt,");
  EXPECT_EQ(listLine(lines, 1, VE), "VEt:MCr,SOt,MOp,");
  EXPECT_EQ(listLine(lines, 2, MO), "MOp:MCr,SOt,VEt,");
  EXPECT_EQ(listLine(lines, 4, MC), "MCr:SOt,MOp,VEt,");
  EXPECT_EQ(listLine(lines, 3, MC), "");
  // Repetitions take only the r, p and s variants of the partners.
  EXPECT_EQ(repetitionLine(lines, SO), "SOt:MCr,MOp,");
  EXPECT_EQ(repetitionLine(lines, VE), "VEt:MCr,MOp,");
  EXPECT_EQ(repetitionLine(lines, MC), "MCt:");
  // Every pair of the four factors was found once from each side.
  for (auto [row, column] : {std::pair{MC, SO}, {MC, MO}, {MC, VE}, {SO, MO}, {SO, VE}, {MO, VE}}) {
    EXPECT_EQ(cellOf(lines, row, column), ".2| ") << row << "," << column;
    EXPECT_EQ(cellOf(lines, column, row), ". . ") << row << "," << column;
  }
  EXPECT_EQ(cellOf(lines, MC, MC), "..| ");
  EXPECT_EQ(cellOf(lines, MC, WI), "..| ");
  EXPECT_EQ(axisLine(lines, "MC und SO: "), "MC und SO: MO, VE, ");
  // The sun's partners are marked, but none of them corresponds with SOp.
  EXPECT_EQ(lines[134], "SOt und SOp: ");
  EXPECT_EQ(lines[135], "   ");
}

TEST(Correspondences, RepetitionsTakePartnersThatCountedAsFirstFactor) {
  // WIp corresponds with SOt, but list 2 leaves WI out, so WI never counted SO.
  const Lines lines = report(isolatedRecord().at(p, WI, isolated(SO, t)));
  EXPECT_EQ(listLine(lines, 1, SO), "SOt:WIp,");
  EXPECT_EQ(repetitionLine(lines, SO), "SOt:");
  EXPECT_EQ(cellOf(lines, WI, SO), ".1| ");
}

TEST(Correspondences, TheMoonCorrespondingOnlyWithItselfCountsTwiceOnTheDiagonal) {
  const Lines lines = report(isolatedRecord().at(r, MO, isolated(MO, t)));
  ASSERT_EQ(lines.size(), 169u);
  EXPECT_EQ(listLine(lines, 1, MO), "MOt:MOr,");
  EXPECT_EQ(listLine(lines, 4, MO), "MOr:MOt,");
  EXPECT_EQ(listLine(lines, 2, MO), "");
  EXPECT_EQ(listLine(lines, 3, MO), "");
  EXPECT_EQ(cellOf(lines, MO, MO), ".2| ");
  // A factor's own variants are no partners of the repetitions.
  EXPECT_EQ(repetitionLine(lines, MO), "MOt:");
}

TEST(Correspondences, SunCorrespondingOnlyWithItsOwnVariantsStillWritesTheSolarAxis) {
  const Lines lines = report(isolatedRecord().at(r, SO, isolated(SO, t)));
  ASSERT_EQ(lines.size(), 171u);
  EXPECT_EQ(listLine(lines, 1, SO), "SOt:SOr,");
  EXPECT_EQ(lines[134], "SOt und SOp: ");
  EXPECT_EQ(cellOf(lines, SO, SO), ".2| ");
}

TEST(Correspondences, SolarAxisListsVariantsOfMarkedFactorsMeetingSOp) {
  const double sunT = isolated(SO, t);
  const double sunP = isolated(SO, p);
  // KN is marked through KNr and meets SOp with KNs; JUr meets SOp unmarked.
  const Lines lines = report(isolatedRecord().at(r, KN, sunT).at(s, KN, sunP).at(r, JU, sunP));
  EXPECT_EQ(listLine(lines, 1, SO), "SOt:KNr,");
  EXPECT_EQ(lines[134], "SOt und SOp: KNs, ");
}

TEST(Correspondences, AxesNameEachFactorOnce) {
  // MCt, ASt, VEr and VEs stand on SOt.
  const double sun = isolated(SO, t);
  const Lines lines =
      report(isolatedRecord().at(t, MC, sun).at(t, AS, sun).at(r, VE, sun).at(s, VE, sun));
  EXPECT_EQ(listLine(lines, 1, SO), "SOt:MCt,ASt,VEr,VEs,");
  EXPECT_EQ(axisLine(lines, "MCp und MCt: "), "MCp und MCt: ");
  EXPECT_EQ(axisLine(lines, "MCt und ASt: "), "MCt und ASt: SO, VE, ");
  EXPECT_EQ(axisLine(lines, "MC und SO: "), "MC und SO: AS, VE, ");
  // AS stands in its own axis through ASt itself.
  EXPECT_EQ(axisLine(lines, "MCt, SOt, ASt: "), "MCt, SOt, ASt: AS, VE, ");
  EXPECT_EQ(axisLine(lines, "MCp, SOp, ASp: "), "MCp, SOp, ASp: ");
  EXPECT_EQ(axisLine(lines, "SOt und SOp: "), "SOt und SOp: ");
}

TEST(Correspondences, AxisConditionsMayBeMetByDifferentVariants) {
  const double mcP = isolated(MC, p);
  const double mcT = isolated(MC, t);
  const double knR = isolated(KN, r);
  const Lines lines = report(isolatedRecord()
                                 .at(r, VE, mcP)
                                 .at(s, VE, mcT)
                                 .at(r, JU, mcP)
                                 .at(p, AS, mcP)
                                 .at(r, AS, mcT)
                                 .at(r, MC, knR)
                                 .at(s, SO, knR));
  EXPECT_EQ(axisLine(lines, "MCp und MCt: "), "MCp und MCt: AS, VE, ");
  // AS meets MCt (ASr) and ASt, but is no candidate of its own line.
  EXPECT_EQ(axisLine(lines, "MCt und ASt: "), "MCt und ASt: ");
  // KNr meets MCr and SOs; list 3 leaves SO out, so SO as first factor never
  // counts it, and only the pair counts of MC do.
  EXPECT_EQ(axisLine(lines, "MC und SO: "), "MC und SO: ");
  EXPECT_EQ(cellOf(lines, MC, KN), ".2| ");
  EXPECT_EQ(cellOf(lines, SO, KN), ".1| ");
  EXPECT_EQ(cellOf(lines, MC, SO), ".1| ");
  EXPECT_EQ(lines.size(), 169u);
}

TEST(Correspondences, OrbBoundsAreStrictAndWrapAroundTheDial) {
  // Everything else stands together at dial value 11, far from SOt.
  struct Case {
    double orb, sun, moon;
    bool hit;
  };
  for (const Case& c : {Case{0.5, 10.0, 10.5, false}, Case{0.5, 10.0, 9.5, false},
                        Case{0.5, 10.0, 10.375, true}, Case{0.5, 0.25, 22.25, false},
                        Case{0.5, 0.25, 22.375 + 45, true}, Case{0.25, 0.1, 22.4, true},
                        Case{0.1875, 0.1, 22.4, false}, Case{1.2, 0.1 + 360 - 22.5, 22.4, true}}) {
    const Lines lines = report(RecordBuilder(11.0).at(t, SO, c.sun).at(r, MO, c.moon), c.orb);
    EXPECT_EQ(listLine(lines, 1, SO), c.hit ? "SOt:MOr," : "")
        << c.orb << " " << c.sun << " " << c.moon;
  }
}

TEST(Correspondences, LongLinesAreWrittenWholeAndCounted) {
  // Every factor variant on the same point: everything corresponds.
  const Lines lines = report(RecordBuilder(33.75), 1.2);
  ASSERT_EQ(lines.size(), 171u);
  std::string full = "MCt:";
  for (int number = 1; number <= factor::GZ; ++number) {
    for (Variant v : kVariants) {
      if (number != MC || v != t) full += factorVariantName(number, v) + ",";
    }
  }
  EXPECT_EQ(listLine(lines, 1, MC), full);
  // r, p and s of the 22 other factors.
  EXPECT_EQ(utf8Length(repetitionLine(lines, factor::GZ)), 4u + 22u * 3u * 4u);
  // All four variants of the 22 marked factors.
  const std::string& solarAxis = lines[134];
  EXPECT_EQ(solarAxis.size(), 13u + 22u * 4u * 5u);
  EXPECT_TRUE(solarAxis.starts_with("SOt und SOp: MCr, MCp, MCs, MCt, WIr, "));
  EXPECT_TRUE(solarAxis.ends_with(", GZr, GZp, GZs, GZt, "));
  // Full counts: 16 per list direction, 3 per list on the diagonal.
  EXPECT_EQ(
      tableRow(lines, MC), "MC 12| 24| 28| " + [] {
        std::string cells;
        for (int i = 0; i < 20; ++i) cells += "32| ";
        return cells;
      }());
  EXPECT_EQ(cellOf(lines, WI, WI), ".6| ");
  EXPECT_EQ(cellOf(lines, WI, SO), "20| ");
  EXPECT_EQ(cellOf(lines, SO, SO), ".9| ");
  EXPECT_EQ(axisLine(lines, "MCt und ASt: "),
            "MCt und ASt: WI, SO, MO, KN, ME, VE, MA, JU, SA, UR, NE, PL, CU, HA, ZE, KR, AP, "
            "AD, VU, PO, GZ, ");
}

}  // namespace
}  // namespace kelvaro
