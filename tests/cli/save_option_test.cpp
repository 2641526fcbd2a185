#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::runCli;
using testing::samplePath;

const std::string kFileName = "Müller,Jürgen München_05_03_2007_14_30_00.txt";

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CliSave, SavesTheLinesAsTheSaveButtonAndNamesTheFile) {
  testing::TempDir dir;
  const auto run =
      runCli({"--save", dir.path().string(), samplePath("mueller-juergen.dat"), "header"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string header =
      " Kelvaro mit allen R-P-S-T-Daten für Müller, Jürgen, München, 48°08' N, 11°34' O, "
      "05.03.2007  14:30:00";
  EXPECT_EQ(run.out, header + "\n");
  EXPECT_EQ(run.err, kFileName + "\n");
  EXPECT_EQ(readAll(dir.path() / fs::path(std::u8string(kFileName.begin(), kFileName.end()))),
            " \r\nM\xFCller, J\xFCrgen, M\xFCnchen, 05.03.2007, 14:30:00\r\n \r\n"
            " Kelvaro mit allen R-P-S-T-Daten f\xFCr M\xFCller, J\xFCrgen, M\xFCnchen, 48\xB0"
            "08' N, "
            "11\xB0"
            "34' O, 05.03.2007  14:30:00\r\n");
}

TEST(CliSave, AFailedSaveStillPrintsTheLinesAndExitsWithTwo) {
  testing::TempDir dir;
  const fs::path missing = dir.path() / "weg";
  const auto run =
      runCli({"--save", missing.string(), samplePath("mueller-juergen.dat"), "header"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(testing::linesOf(run.out).size(), 1u);
  EXPECT_EQ(run.err, "Die Datei " + utf8FromPath(missing / pathFromUtf8(kFileName)) +
                         " lässt sich nicht speichern: Datei oder Ordner nicht vorhanden\n");
  EXPECT_FALSE(fs::exists(missing));
}

TEST(CliSave, ARefusedNameIsReportedOnSeveralLines) {
  testing::TempDir dir;
  const auto record = dir.write("boese.dat", [] {
    std::vector<unsigned char> bytes(2560, 0);
    const std::string surname = "../boese";
    bytes[0] = static_cast<unsigned char>(surname.size());
    std::copy(surname.begin(), surname.end(), bytes.begin() + 1);
    return bytes;
  }());
  const fs::path folder = dir.path() / "ordner";
  fs::create_directory(folder);
  const auto run = runCli({"--save", folder.string(), record, "header"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Der Inhalt wurde nicht gespeichert: Der Dateiname\n../boese, ______.txt\n"
            "enthält das Zeichen \"/\", das in Dateinamen nicht erlaubt ist.\n");
  EXPECT_TRUE(fs::is_empty(folder));
}

// --save never replaces a saved file (a calendar saved before, say): the
// lines take the next free name, which stderr names.
TEST(CliSave, ASecondSaveTakesTheNextFreeName) {
  testing::TempDir dir;
  const std::string sample = samplePath("mueller-juergen.dat");
  const auto first = runCli({"--save", dir.path().string(), sample, "search1", "KN+JU"});
  ASSERT_EQ(first.status, 0) << first.err;
  const fs::path saved = dir.path() / pathFromUtf8(kFileName);
  const std::string earlier = readAll(saved);
  const std::string second = "Müller,Jürgen München_05_03_2007_14_30_00 (2).txt";
  const std::string third = "Müller,Jürgen München_05_03_2007_14_30_00 (3).txt";
  const auto run = runCli({"--save", dir.path().string(), sample, "header"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, second + "\n");
  EXPECT_EQ(runCli({"--save", dir.path().string(), sample, "header"}).err, third + "\n");
  EXPECT_EQ(readAll(saved), earlier);
  EXPECT_EQ(readAll(dir.path() / pathFromUtf8(second)), readAll(dir.path() / pathFromUtf8(third)));
  EXPECT_NE(readAll(dir.path() / pathFromUtf8(second)), earlier);
}

TEST(CliSave, RefusesToSaveTheMagicSquareViewWhichIsNoResultList) {
  testing::TempDir dir;
  const auto run =
      runCli({"--save", dir.path().string(), samplePath("mueller-juergen.dat"), "magic", "KNt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace kelvaro
