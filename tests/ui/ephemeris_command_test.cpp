// kelvaro --ephemeris: a person's graphic ephemeris written without a
// window, as PDF, PNG and SVG; every refusal with its exit status, a German
// message and nothing left behind.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "archive/archive.h"
#include "print/print_support.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::pagesOf;
using testing::pdfText;
using testing::TempDir;

// kelvaro with these arguments, without a display whatever the environment says.
testing::ProcessOutput kelvaro(const std::vector<std::string>& arguments) {
  return testing::runWithoutDisplay(KELVARO_PROGRAM, arguments);
}

archive::Person person(std::string place, double latitude) {
  archive::Person made;
  made.name = "Müller";
  made.firstName = "Anna";
  made.birthDate = {1970, 3, 5};
  made.birthTime = archive::BirthTime{14, 30, 0, false};
  made.zone = "Europe/Berlin";
  made.place = std::move(place);
  made.latitude = latitude;
  made.longitude = 6.95;
  made.birthMoment = archive::momentOfBirth(made);
  return made;
}

// An archive with a person (number 1), one whose place is unchecked (2) and
// one whose birth time nobody knows (3).
fs::path archiveIn(const fs::path& folder) {
  const fs::path file = folder / "personen.sqlite";
  auto opened = archive::Archive::open(file);
  auto& archive = std::get<archive::Archive>(opened);
  archive.store(person("Köln", 50.9333));
  archive::Person unchecked = person("Irgendwo", 50.9333);
  unchecked.latitude.reset();
  unchecked.birthMoment.reset();
  archive.store(unchecked);
  archive::Person noTime = person("Köln", 50.9333);
  noTime.name = "Ohnezeit";
  noTime.birthTime.reset();
  noTime.birthMoment.reset();
  archive.store(noTime);
  return file;
}

TEST(EphemerisCommand, WritesTheSheetAsPdfPngAndSvg) {
  TempDir data;
  const std::string archive = archiveIn(data.path()).string();
  TempDir dir;
  const fs::path pdf = dir.path() / "ephemeride.pdf";
  const auto run = kelvaro({"--ephemeris", pdf.string(), "--person", "1", "--archive", archive,
                            "--from=01.01.2031", "--to=31.12.2031", "--movers=S,P,T"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  if (testing::kReadsPdfText) {
    const auto pages = pagesOf(pdfText(pdf));
    ASSERT_EQ(pages.size(), 1U);
    const std::string text = pdfText(pdf);
    for (const char* wanted : {"Grafische Ephemeride: Müller, Anna", "in Köln", "Seite 1 von 1",
                               "Zeitraum: 01.01.2031 bis 31.12.2031", "Januar 2031", "MCr"}) {
      EXPECT_NE(text.find(wanted), std::string::npos) << wanted;
    }
  }
  const auto png =
      kelvaro({"--ephemeris", (dir.path() / "e.png").string(), "--person", "1", "--archive",
               archive, "--from=01.01.1990", "--to=31.12.2049", "--movers=S,P", "--with=MC,SO"});
  ASSERT_EQ(png.status, 0) << png.err;
  EXPECT_EQ(testing::fileBytes(dir.path() / "e.png").substr(1, 3), "PNG");
  const auto svg =
      kelvaro({"--ephemeris", (dir.path() / "e.svg").string(), "--person", "1", "--archive",
               archive, "--from=01.03.2031", "--to=31.03.2031", "--bodies=SA,UR"});
  ASSERT_EQ(svg.status, 0) << svg.err;
  EXPECT_NE(testing::fileBytes(dir.path() / "e.svg").find("<svg"), std::string::npos);
}

TEST(EphemerisCommand, RefusalsSayWhyAndLeaveNothingBehind) {
  TempDir data;
  const std::string archive = archiveIn(data.path()).string();
  TempDir dir;
  const std::string out = (dir.path() / "e.pdf").string();
  const auto line = [&](std::vector<std::string> extra) {
    std::vector<std::string> words = {"--ephemeris", out, "--archive",         archive,
                                      "--person",    "1", "--from=01.01.2031", "--to=31.12.2031"};
    for (std::string& word : extra) {
      const auto key = word.substr(0, word.find('='));
      const auto same = std::find_if(words.begin(), words.end(), [&](const std::string& w) {
        return w.starts_with(key + "=") || w == key;
      });
      if (same == words.end()) {
        words.push_back(word);
      } else if (*same == key) {
        *(same + 1) = word.substr(key.size() + 1);
      } else {
        *same = word;
      }
    }
    return words;
  };
  // A named pipe as the archive would hold whatever opens it.
  const fs::path pipe = data.path() / "pipe.sqlite";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
      {line({"--archive=" + pipe.string()}), "ist eine benannte Pipe, keine Datei"},
      {line({"--person=7"}), "keine Person mit der Nummer 7"},
      {line({"--person=x"}), "keine Nummer"},
      {line({"--person=2"}), "Ort prüfen"},
      {line({"--from=31.02.2031"}), "31.02.2031"},
      {line({"--to=01.01.2045"}), "länger als 10 Jahre"},
      {line({"--movers=X"}), "X"},
      {line({"--with=MC,QQ"}), "QQ"},
      {line({"--ephemeris=" + (dir.path() / "e.jpg").string()}), "Unbekanntes Format"},
      {line({"--ephemeris=" + (dir.path() / "weg" / "e.pdf").string()}),
       "lässt sich nicht speichern"},
  };
  for (const auto& [arguments, message] : refusals) {
    const auto run = kelvaro(arguments);
    EXPECT_EQ(run.status, 2) << message << ": " << run.err;
    EXPECT_TRUE(run.err.starts_with("kelvaro --ephemeris: ")) << run.err;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(fs::is_empty(dir.path())) << message;
  }
  const auto usage = kelvaro({"--ephemeris", out, "--person", "1"});
  EXPECT_EQ(usage.status, 1);
  EXPECT_NE(usage.err.find("--from"), std::string::npos) << usage.err;
  // A usage error names the option.
  for (const auto& [word, message] : std::vector<std::pair<std::string, std::string>>{
           {"--orbs=1", "Unbekannte Angabe \"--orbs\"."},
           {"--from=02.01.2031", "Die Angabe --from steht doppelt da."}}) {
    const auto named = kelvaro({"--ephemeris", out, "--person", "1", "--from=01.01.2031", word});
    EXPECT_EQ(named.status, 1);
    EXPECT_TRUE(named.err.starts_with("kelvaro --ephemeris: " + message + "\n")) << named.err;
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// --points and --orb, as kelvaro-persons timeline takes them; a birth time
// nobody knows is noon, with a note.
TEST(EphemerisCommand, TakesPointsAndOrbAndNotesAnUnknownBirthTime) {
  TempDir data;
  const std::string archive = archiveIn(data.path()).string();
  TempDir dir;
  const fs::path pdf = dir.path() / "e.pdf";
  const auto run =
      kelvaro({"--ephemeris", pdf.string(), "--person", "3", "--archive", archive,
               "--from=01.01.2031", "--to=31.12.2031", "--points=factors", "--orb=1:30"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err,
            "kelvaro --ephemeris: Hinweis: Die Geburtszeit von Ohnezeit, Anna ist unbekannt; "
            "die Ephemeride ist für 12:00 Uhr Ortszeit berechnet.\n");
  if (testing::kReadsPdfText) {
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Orbis: 01:30 (S und P)"), std::string::npos) << text;
    EXPECT_NE(text.find("MCr"), std::string::npos) << text;
    EXPECT_EQ(text.find("MCr/"), std::string::npos) << text;  // no midpoints
  }
  const auto refused =
      kelvaro({"--ephemeris", (dir.path() / "f.pdf").string(), "--person", "1", "--archive",
               archive, "--from=01.01.2031", "--to=31.12.2031", "--orb=1:99"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("1:99"), std::string::npos) << refused.err;
}

// A second run with the same OUT keeps the first file and takes the next
// free name; an OUT that is no UTF-8 is shown with replacement characters.
TEST(EphemerisCommand, AnEarlierFileIsKeptAndNoRawBytesAreEchoed) {
  TempDir data;
  const std::string archive = archiveIn(data.path()).string();
  TempDir dir;
  const fs::path out = dir.path() / "e.svg";
  const auto line = [&](const fs::path& target, const std::string& to) {
    return std::vector<std::string>{
        "--ephemeris", target.string(), "--person",          "1",
        "--archive",   archive,         "--from=01.01.2031", "--to=" + to};
  };
  ASSERT_EQ(kelvaro(line(out, "31.03.2031")).status, 0);
  const std::string first = testing::fileBytes(out);
  const auto again = kelvaro(line(out, "30.06.2031"));
  ASSERT_EQ(again.status, 0) << again.err;
  const fs::path second = dir.path() / "e (2).svg";
  EXPECT_EQ(again.err, "kelvaro --ephemeris: Die Datei " + out.string() +
                           " gibt es schon; geschrieben als " + second.string() + ".\n");
  EXPECT_EQ(testing::fileBytes(out), first);
  EXPECT_NE(testing::fileBytes(second), first);

  const std::string raw = "\xFF\xFE";
  for (const auto& arguments : {line(dir.path() / (raw + ".jpg"), "31.03.2031"), line(out, raw)}) {
    const auto run = kelvaro(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.find(raw), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\uFFFD\uFFFD"), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace kelvaro
