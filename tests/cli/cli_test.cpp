#include <gtest/gtest.h>

#include "core/version.h"
#include "support/cli_runner.h"
#include "support/record_builder.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

using testing::runCli;
using testing::runCliProcess;
using testing::samplePath;

const std::string kSample = "mueller-juergen.dat";

TEST(Cli, HeaderPrintsTheHeaderLine) {
  const auto run = runCliProcess({samplePath(kSample), "header"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            " Kelvaro mit allen R-P-S-T-Daten für Müller, Jürgen, München, 48°08' N, 11°34' O, "
            "05.03.2007  14:30:00\n");
  EXPECT_EQ(run.err, "");
}

TEST(Cli, KeepsTrailingBlanksOfALine) {
  testing::TempDir dir;
  const auto path = dir.write("x.dat", testing::RecordBuilder().text(4, "12:00  ").bytes());
  const auto run = runCli({path, "header"});
  EXPECT_EQ(run.out, " Kelvaro mit allen R-P-S-T-Daten für , , , , ,   12:00  \n");
}

TEST(Cli, RefusesAnInvalidOrbWithTheOrbMessage) {
  for (const char* orb : {"0:00", "1:60", "10:00", "1:123", "a:10", "1:-5", "112"}) {
    const auto run = runCli({"--orb", orb, samplePath(kSample), "header"});
    EXPECT_EQ(run.status, 2) << orb;
    EXPECT_EQ(run.out, "") << orb;
    EXPECT_EQ(run.err, "\nDas ist kein Orbis               \n") << orb;
  }
  EXPECT_EQ(runCli({"--orb", "0:30", samplePath(kSample), "header"}).status, 0);
  EXPECT_EQ(runCli({"--orb", ":30", samplePath(kSample), "header"}).status, 0);
  EXPECT_EQ(runCli({"--orb", "9:59", samplePath(kSample), "header"}).status, 0);
}

TEST(Cli, ReportsAFileThatCannotBeLoaded) {
  testing::TempDir dir;
  const auto shortFile = dir.write("short.dat", std::vector<unsigned char>(2559, 0));
  const auto run = runCliProcess({shortFile, "header"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Ladeversuch mit " + shortFile + " ging daneben\n");

  const auto missing = runCli({(dir.path() / "nichts.dat").string(), "header"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Datei oder Ordner nicht vorhanden"), std::string::npos);
}

TEST(Cli, TheProgramPrintsWhatItsRunFunctionPrints) {
  const std::vector<std::string> words = {"--orb", "2:30", samplePath(kSample), "search1", "KN+JU"};
  const auto process = runCliProcess(words);
  const auto inProcess = runCli(words);
  EXPECT_EQ(process.status, 0);
  EXPECT_EQ(process.out, inProcess.out);
  EXPECT_EQ(process.err, inProcess.err);
}

TEST(Cli, VersionNamesTheProjectVersion) {
  const auto run = runCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string("kelvaro-cli ") + kVersion + "\n");
}

TEST(Cli, WrongUsageExitsWithOne) {
  EXPECT_EQ(runCliProcess({samplePath(kSample)}).status, 1);
  EXPECT_EQ(runCliProcess({samplePath(kSample), "unbekannt"}).status, 1);
  EXPECT_EQ(runCliProcess({}).status, 1);
  EXPECT_EQ(runCliProcess({"--help"}).status, 0);
  EXPECT_EQ(runCli({samplePath(kSample), "unbekannt"}).status, 1);
  EXPECT_NE(runCli({"--help"}).out.find("--orb"), std::string::npos);
}

// Help and usage errors speak German; option and command names stay.
TEST(Cli, HelpAndUsageErrorsAreGerman) {
  const auto help = runCli({"--help"});
  EXPECT_NE(help.out.find("Aufruf: kelvaro-cli [OPTIONEN] DATEI BEFEHL"), std::string::npos)
      << help.out;
  EXPECT_NE(help.out.find("\nOptionen:\n"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("\nBefehle:\n"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("  --orb G:MM "), std::string::npos) << help.out;
  EXPECT_EQ(help.out.find("Print this help"), std::string::npos) << help.out;

  const std::string hint = "Mehr dazu mit --help oder --help-all.\n";
  EXPECT_EQ(runCli({}).err, "Es fehlt DATEI.\n" + hint);
  EXPECT_EQ(runCli({samplePath(kSample)}).err, "Es fehlt der Befehl.\n" + hint);
  EXPECT_EQ(runCli({samplePath(kSample), "header", "zuviel"}).err,
            "Nicht erwartet: zuviel\n" + hint);
  EXPECT_EQ(runCli({"--orb"}).err, "Es fehlt ein Wert bei --orb.\n" + hint);
  EXPECT_EQ(runCli({samplePath(kSample), "pictures", "KNt+JUp", "x", "/", "t"}).err,
            "LINKS: x ist keins von r, p, s, t, rpst\n" + hint);
}

}  // namespace
}  // namespace kelvaro
