#include <variant>

#include <gtest/gtest.h>

#include "loading/transit_file.h"
#include "search/angle_search.h"
#include "search/midpoint_sum_search.h"
#include "search/triple_search.h"
#include "support/cli_runner.h"

namespace kelvaro {
namespace {

using testing::linesOf;
using testing::runCli;
using testing::samplePath;

// The command prints the list the search functions make, at the given orb.
TEST(SearchCli, PrintsTheResultListOfEachSearch) {
  for (const std::string sample : {"mueller-juergen.dat", "weiss-anna.dat"}) {
    const TransitRecord record = testing::sampleRecord(sample);
    const double orb = 2 + 30.0 / 60;
    const auto entry = std::get<MidpointSumEntry>(checkMidpointSumEntry("kn-ju"));
    EXPECT_EQ(linesOf(runCli({"--orb", "2:30", samplePath(sample), "search1", "kn-ju"}).out),
              midpointSumSearch(record, orb, entry).result.lines);
    EXPECT_EQ(linesOf(runCli({"--orb", "2:30", samplePath(sample), "angle", "7:30"}).out),
              angleSearch(record, orb, 7.5, std::nullopt).lines);
    EXPECT_EQ(linesOf(runCli({"--orb", "2:30", samplePath(sample), "angle", ":", "mc"}).out),
              angleSearch(record, orb, 0, factor::MC).lines);
    const auto triple = checkTripleEntry("VE+JU=KN/").entry.value();
    EXPECT_EQ(linesOf(runCli({"--orb", "2:30", samplePath(sample), "triple", "VE+JU=KN/"}).out),
              tripleSearch(record, orb, triple, false).lines);
    EXPECT_EQ(linesOf(runCli({"--orb", "2:30", samplePath(sample), "triple", "VE+JU=KN/",
                              "--all-factors"})
                          .out),
              tripleSearch(record, orb, triple, true).lines);
  }
}

// Negative differences and angles above 22°30' are compared where they stand
// on the dial. KNt − JUt = −21°44' stands at 0°46': SOp/SOp (01°04') meets
// it, MCr/MCr (21°31') does not. 22°59' stands at 0°29': KNs/JUp (00°28')
// meets it at orb 0°01', MCr/SOp (00°02') does not.
TEST(SearchCli, ComparesValuesOffTheDialWhereTheyStand) {
  const std::string file = samplePath("mueller-juergen.dat");
  const auto search1 = linesOf(runCli({file, "search1", "KN-JU"}).out);
  EXPECT_EQ(search1.at(17), "KNt-JUt,-21°44' steht in SOp/SOp, ");
  EXPECT_EQ(search1.at(19), "Treffer: MC+MC 08, MC/MC 05, SO+SO 04, SO/SO 06, AS+AS 05, AS/AS 05");
  const auto pictures =
      linesOf(runCli({"--orb", "0:01", file, "angle-pictures", "22:59", "rpst", "/", "rpst"}).out);
  EXPECT_EQ(pictures.at(1), " KNs/JUp");
  for (const std::string& line : pictures) EXPECT_EQ(line.find("MCr/SOp"), std::string::npos);
}

TEST(SearchCli, RefusedEntriesPrintTheirMessagesAndNothingElse) {
  const std::string file = samplePath("mueller-juergen.dat");
  struct Case {
    std::vector<std::string> arguments;
    std::string err;
  };
  for (const Case& c : {
           Case{{"search1", "KN*JU"}, "Bitte in der Suchachse  / + oder - verwenden\n"},
           Case{{"search1", "DU+MO"},
                "Bitte zwei gültige Faktoren mit Horoskop-Indizes eingeben!\n"},
           Case{{"angle", "23:00"}, "\nDas ist kein gültiger Such-Winkel.               \n"},
           Case{{"angle", "22:60", "MC"}, "\nDas ist kein gültiger Such-Winkel.               \n"},
           Case{{"angle", "7:30", "du"}, "Bitte einen gültigen Faktor eingeben!\n"},
           Case{{"triple", "VEr+JU=KN"},
                "Bitte drei gültige Faktoren ohne Variantenkürzel eingeben!      \n"
                "VEr+JU=KN ist nicht korrekt.\n"
                "Die richtige Folge der Rechenzeichen wäre:     \n"
                "F1+F2=F3+ oder F1/F2=F3/\n"},
           Case{{"search1", "KN+JUp"},
                "Falsche Länge: \"KN+JUp\" hat 6 Zeichen, die Eingabe braucht 5.\n"},
           Case{{"angle", "7:30", "MCr"},
                "Falsche Länge: \"MCr\" hat 3 Zeichen, die Eingabe braucht 2.\n"},
           Case{{"triple", "VE+JU=KN"},
                "Falsche Länge: \"VE+JU=KN\" hat 8 Zeichen, die Eingabe braucht 9.\n"},
       }) {
    std::vector<std::string> arguments = {file};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const auto run = runCli(arguments);
    EXPECT_EQ(run.status, 2) << c.arguments[1];
    EXPECT_EQ(run.out, "") << c.arguments[1];
    EXPECT_EQ(run.err, c.err) << c.arguments[1];
  }
}

TEST(SearchCli, AcceptsTheLargestSearchAngleAndNeedsItsColon) {
  const std::string file = samplePath("mueller-juergen.dat");
  const auto top = runCli({file, "angle", "22:59"});
  EXPECT_EQ(top.status, 0) << top.err;
  EXPECT_EQ(linesOf(top.out).front(), "Summen in der Achse 22:59");
  EXPECT_EQ(runCli({file, "angle", "2259"}).status, 1);
  EXPECT_EQ(runCli({file, "search1"}).status, 1);
}

}  // namespace
}  // namespace kelvaro
