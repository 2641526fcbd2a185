// kelvaro-make-transit with two persons of the archive: the comparison, the
// composite and the Davison file, and what it refuses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "archive/archive.h"
#include "archive/person_pair.h"
#include "chart/pair_chart.h"
#include "cli/persons_commands.h"
#include "core/transit_record.h"
#include "support/cli_runner.h"
#include "support/sandbox.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

constexpr std::size_t kBlock = 24 * sizeof(double);

class PairTransitCli : public ::testing::Test {
 protected:
  void SetUp() override {
    add({"--name=Weiß", "--first-name=Anna", "--birth=12.04.1981 06:30",
         "--birth-zone=Europe/Berlin", "--birth-lat=50°56' N", "--birth-lon=6°57' O",
         "--place=Köln"});
    add({"--name=Müller", "--first-name=Hans", "--birth=03.11.1975",
         "--birth-zone=America/New_York", "--birth-lat=40°43' N", "--birth-lon=74°00' W",
         "--place=New York"});
  }
  void add(std::vector<std::string> words) {
    words.insert(words.begin(), {"--archive", archive().string(), "add"});
    std::ostringstream out, err;
    ASSERT_EQ(cli::runPersons(words, out, err), 0) << err.str();
  }
  std::filesystem::path archive() const { return dir_.path() / "personen.sqlite"; }
  std::filesystem::path file(const std::string& name) const { return dir_.path() / name; }

  // kelvaro-make-transit with the archive, the transit in Köln and `words`.
  ProcessOutput make(std::vector<std::string> words, const std::string& target) {
    words.insert(words.begin(), {makeTransitPath(), "--archive", archive().string()});
    for (const char* transit : {"--transit=08.12.2026 12:00", "--transit-zone=+01:00",
                                "--place=Köln", "--transit-lat=50.9333", "--transit-lon=6.95"}) {
      words.push_back(transit);
    }
    words.push_back(file(target).string());
    return runProcess(words);
  }
  // Both persons' entries with the transit of make().
  archive::PairEntries entries() const {
    const auto a = archive::findPerson("1", archive());
    const auto b = archive::findPerson("2", archive());
    auto pair = std::get<archive::PairEntries>(
        archive::pairEntries(std::get<archive::Person>(a), std::get<archive::Person>(b)));
    pair.first.place = "Köln";
    pair.first.transitDate = "08.12.2026";
    pair.first.transitTime = "12:00";
    pair.first.transitZone = "+01:00";
    pair.first.transitLatitude = "50.9333";
    pair.first.transitLongitude = "6.95";
    return pair;
  }
  std::vector<archive::Person> persons() const {
    auto opened = archive::Archive::open(archive(), archive::Archive::Access::read);
    return std::get<std::vector<archive::Person>>(std::get<archive::Archive>(opened).persons());
  }
  std::string contents(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Bytes of horoscope `index` (r 0, p 1, s 2, t 3) of a written file.
  std::string block(const std::string& name, std::size_t index) const {
    return contents(name).substr(kPositionsOffset + index * kBlock, kBlock);
  }

  TempDir dir_;
};

TEST_F(PairTransitCli, ComparisonHoldsBothOwnRadixBlocks) {
  ASSERT_EQ(make({"--person=1"}, "anna.dat").status, 0);
  ASSERT_EQ(make({"--person=2"}, "hans.dat").status, 0);
  const ProcessOutput run = make({"--person=1", "--partner=2"}, "vergleich.dat");
  ASSERT_EQ(run.status, 0) << run.err;
  // The partner's birth time is unknown: noon, and the note says so.
  EXPECT_EQ(run.err,
            "Hinweis: Die Geburtszeit von Müller, Hans ist unbekannt; das Horoskop ist für "
            "12:00 Uhr Ortszeit berechnet.\n");
  EXPECT_EQ(contents("vergleich.dat").size(), kRecordSize);
  EXPECT_EQ(block("vergleich.dat", 0), block("anna.dat", 0));
  EXPECT_EQ(block("vergleich.dat", 1), block("anna.dat", 1));
  EXPECT_EQ(block("vergleich.dat", 2), block("anna.dat", 2));
  EXPECT_EQ(block("vergleich.dat", 3), block("hans.dat", 0));
  const auto bytes = contents("vergleich.dat");
  const auto record = parseTransitRecord(
      std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->firstName(), "Anna (r, p, s), t = Radix Müller, Hans");
}

TEST_F(PairTransitCli, EveryKindWritesWhatTheChartLayerComputes) {
  const archive::PairEntries entries = this->entries();
  for (const auto& [option, kind] : {std::pair{"--partner=2", chart::PairKind::comparison},
                                     std::pair{"--composite=2", chart::PairKind::composite},
                                     std::pair{"--davison=2", chart::PairKind::davison}}) {
    const ProcessOutput run = make({"--person=1", option}, "paar.dat");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto made = chart::computePairChart(kind, entries.first, entries.second);
    const auto expected = serializeTransitRecord(std::get<chart::PairChart>(made).record);
    EXPECT_EQ(contents("paar.dat"), std::string(expected.begin(), expected.end())) << option;
  }
}

TEST_F(PairTransitCli, RefusalsWriteNothing) {
  const auto refused = [&](std::vector<std::string> words, int status, const std::string& error) {
    const ProcessOutput run = make(std::move(words), "nichts.dat");
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_TRUE(run.err.starts_with(error)) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file("nichts.dat")));
  };
  refused({"--person=1", "--partner=1"}, 2,
          "Eine Person lässt sich nicht mit sich selbst vergleichen (Weiß, Anna, Nummer 1).");
  refused({"--person=2", "--davison=02"}, 2, "Eine Person lässt sich nicht mit sich selbst");
  refused({"--person=1", "--composite=7"}, 2, "Im Personenarchiv ");
  refused({"--person=1", "--partner="}, 2, "\"\" ist keine Nummer einer Person.");
  refused({"--person=1", "--partner=2", "--davison=2"}, 1,
          "--partner und --davison schließen einander aus.\nAufruf:");
  refused({"--partner=2"}, 1, "--partner braucht --person=NUMMER, die erste Person.\nAufruf:");
  refused({"--person=1", "--partner=2", "--name=X"}, 1,
          "--partner und --name schließen einander aus.");
}

// The Davison chart stored from the command line is the person the window
// stores, once, and its own transit file is the Davison file.
TEST_F(PairTransitCli, StoresTheDavisonChartAsTheWindowDoesAndOnlyOnce) {
  const ProcessOutput run = make({"--person=1", "--davison=2", "--store-davison"}, "davison.dat");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Das Davison-Horoskop ist im Personenarchiv gespeichert, Nummer 3.\n"),
            std::string::npos)
      << run.err;
  ASSERT_EQ(make({"--person=1", "--davison=2"}, "ohne.dat").status, 0);
  EXPECT_EQ(contents("davison.dat"), contents("ohne.dat"));

  const archive::PairEntries pair = entries();
  const auto chart = std::get<chart::PairChart>(
      chart::computePairChart(chart::PairKind::davison, pair.first, pair.second));
  const auto all = persons();
  ASSERT_EQ(all.size(), 3U);
  auto expected = std::get<archive::Person>(archive::davisonPerson(chart.davison, all[0], all[1]));
  expected.id = 3;
  expected.created = all[2].created;
  expected.changed = all[2].changed;
  EXPECT_EQ(all[2], expected);
  EXPECT_EQ(all[2].place, "Mitte Köln – New York");

  ASSERT_EQ(make({"--person=3"}, "eigene.dat").status, 0);
  EXPECT_EQ(contents("eigene.dat"), contents("davison.dat"));

  const ProcessOutput again = make({"--person=1", "--davison=2", "--store-davison"}, "noch.dat");
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.err.find("Das Davison-Horoskop ist schon im Personenarchiv, Nummer 3; es ist "
                           "nicht noch einmal gespeichert."),
            std::string::npos)
      << again.err;
  EXPECT_EQ(persons().size(), 3U);
}

TEST_F(PairTransitCli, StoringTheDavisonChartRefusedChangesNothing) {
  for (const auto& words :
       {std::vector<std::string>{"--person=1", "--partner=2", "--store-davison"},
        std::vector<std::string>{"--person=1", "--store-davison"}}) {
    const ProcessOutput run = make(words, "nichts.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("--store-davison gilt nur mit --davison.\nAufruf:")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file("nichts.dat")));
  }

  // An archive the user may read but not write: neither file nor person.
  namespace fs = std::filesystem;
  TempDir out;
  fs::permissions(out.path(), fs::perms::all);
  fs::permissions(dir_.path(),
                  fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(archive(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  const fs::path target = out.path() / "davison.dat";
  const auto outcome = asOrdinaryUser([&] {
    const ProcessOutput run = runProcess(
        {makeTransitPath(), "--archive", archive().string(), "--person=1", "--davison=2",
         "--store-davison", "--transit=08.12.2026 12:00", "--transit-zone=+01:00", "--place=Köln",
         "--transit-lat=50.9333", "--transit-lon=6.95", target.string()});
    if (run.status != 2) return "status " + std::to_string(run.status) + ": " + run.err;
    if (run.err.find("schreibgeschützt") == std::string::npos) return "message: " + run.err;
    return fs::exists(target) ? std::string("the file was written") : std::string();
  });
  if (!outcome.available) GTEST_SKIP() << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
  EXPECT_EQ(persons().size(), 2U);
}

}  // namespace
}  // namespace kelvaro::testing
