#include <gtest/gtest.h>

#include "loading/axis_overview.h"
#include "loading/content_overview.h"
#include "loading/transit_file.h"
#include "support/cli_runner.h"

namespace kelvaro {
namespace {

using testing::linesOf;
using testing::runCli;
using testing::samplePath;

TEST(OverviewCommands, OverviewPrintsTheResultListAfterALoad) {
  for (const std::string name : {"mueller-juergen.dat", "weiss-anna.dat"}) {
    const auto run = runCli({samplePath(name), "overview"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(linesOf(run.out), axisOverview(testing::sampleRecord(name), 1.2).lines) << name;
    // The information box that follows, with its line breaks.
    EXPECT_EQ(run.err,
              "Sie können nun mit den Tasten unten links eine freie Suchwahl         \n"
              "durch die Transit-Daten starten.\n\n"
              "Anmerkung zum Daten-Inhalt der ´Kelvaro´-Daten-Datei:\n"
              "Sie enthält die R-, P-, S- und T-Winkel aller Faktoren.\n\n");
  }
}

TEST(OverviewCommands, ContentPrintsTheContentOverview) {
  for (const std::string name : {"mueller-juergen.dat", "weiss-anna.dat"}) {
    const auto run = runCli({samplePath(name), "content"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(linesOf(run.out), vier_summen(testing::sampleRecord(name), 1.2)) << name;
    EXPECT_EQ(run.err, "");
  }
}

TEST(OverviewCommands, TheOrbOptionReachesBothOverviews) {
  const std::string file = samplePath("mueller-juergen.dat");
  const TransitRecord record = testing::sampleRecord("mueller-juergen.dat");
  for (const std::string command : {"overview", "content"}) {
    const auto standard = runCli({file, command});
    const auto wide = runCli({"--orb", "2:30", file, command});
    ASSERT_EQ(wide.status, 0) << wide.err;
    EXPECT_NE(wide.out, standard.out) << command;
    EXPECT_EQ(linesOf(wide.out),
              command == "overview" ? axisOverview(record, 2.5).lines : vier_summen(record, 2.5))
        << command;
  }
}

}  // namespace
}  // namespace kelvaro
