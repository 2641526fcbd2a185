// kelvaro-persons timeline: its iCalendar file never replaces an earlier
// one, and a birth time nobody knows is noon with a note.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/persons_commands.h"
#include "core/text_encoding.h"
#include "support/file_bytes.h"
#ifndef _WIN32
#include "support/run_process.h"
#include "support/split_text.h"
#endif
#include "support/temp_dir.h"
#include "timing/timeline.h"

namespace kelvaro::testing {
namespace {

struct Outcome {
  std::string out;
  std::string err;
  int status;
};

class PersonsTimeline : public ::testing::Test {
 protected:
  Outcome persons(std::vector<std::string> words) {
    words.insert(words.begin(), {"--archive", utf8FromPath(dir_.path() / "personen.sqlite")});
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runPersons(words, out, err);
    return {out.str(), err.str(), status};
  }
  std::string file(const std::string& name) const { return utf8FromPath(dir_.path() / name); }
  std::string contentOf(const std::string& name) const {
    return testing::fileBytes(dir_.path() / name);
  }
  void add(const std::string& name, const std::string& birth) {
    ASSERT_EQ(persons({"add", "--name=" + name, "--first-name=Anna", "--birth=" + birth,
                       "--birth-zone=Europe/Berlin", "--birth-lat=50°56' N", "--birth-lon=6°57' O",
                       "--place=Köln"})
                  .status,
              0);
  }

  TempDir dir_;
};

#ifndef _WIN32  // the reader is a Linux program
// The rows of a CSV file as Python's csv module reads them, fields split.
std::vector<std::vector<std::string>> csvRows(const std::filesystem::path& file) {
  const auto read = runProcess({"/usr/bin/python3", KELVARO_CSV_READER, file.string()});
  EXPECT_EQ(read.status, 0) << read.err;
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : split(read.out, '\n')) rows.push_back(split(line + "\t", '\t'));
  return rows;
}

// The CSV of a timeline holds the hits of its text list, line for line:
// day, time, mover, point, place and direction, the pass and the orb days.
TEST_F(PersonsTimeline, TheCsvHoldsTheLinesOfTheList) {
  add("Müller", "05.03.1970 14:30");
  const std::vector<std::string> words = {"timeline", "1", "--from=01.01.2026", "--to=31.03.2026",
                                          "--orb=1:12"};
  const Outcome text = persons(words);
  std::vector<std::string> csvWords = words;
  csvWords.push_back("--csv");
  const Outcome csv = persons(csvWords);
  ASSERT_EQ(csv.status, 0) << csv.err;
  std::ofstream(dir_.path() / "zeitleiste.csv", std::ios::binary) << csv.out;
  const auto rows = csvRows(dir_.path() / "zeitleiste.csv");
  const std::vector<std::string> lines = split(text.out, '\n');
  ASSERT_EQ(rows.size(), lines.size());  // the header row for the title line
  EXPECT_EQ(rows[0][0], "Datum");
  EXPECT_EQ(rows[0].size(), 11u);
  int transits = 0;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const auto& row = rows[i];
    const std::string& line = lines[i];
    const std::string day =
        row[0].substr(8, 2) + "." + row[0].substr(5, 2) + "." + row[0].substr(0, 4);
    EXPECT_EQ(line.substr(0, 10), day) << line;
    EXPECT_EQ(line.substr(11, 5), row[1].empty() ? "     " : row[1]) << line;
    std::string hit = row[3] + " = " + row[4] + "  " + row[5] + "  " + row[7];
    EXPECT_TRUE(line.substr(timing::kHitTextColumn).starts_with(hit)) << line;
    EXPECT_EQ(row[3].back(), row[2] == "T" ? 't' : row[2] == "S" ? 's' : 'p') << line;
    const double minutes = std::stoi(row[5].substr(0, 2)) * 60 + std::stoi(row[5].substr(4, 2));
    // The same place in degrees, within the minute the text shows.
    EXPECT_NEAR(std::stod(row[6]) * 60, minutes, 0.6) << line;
    if (!row[8].empty()) {
      EXPECT_NE(line.find("(" + row[8] + ")"), std::string::npos) << line;
    }
    if (!row[9].empty()) {
      EXPECT_NE(line.find("wirksam "), std::string::npos) << line;
    }
    transits += row[2] == "T";
  }
  EXPECT_GT(transits, 0);
  EXPECT_LT(transits, static_cast<int>(rows.size()) - 1);
}

TEST_F(PersonsTimeline, ThePersonsListAsCsv) {
  add("Müller-Ölz", "05.03.1970 14:30");
  add("Weiß", "01.02.1980");
  const Outcome csv = persons({"list", "--csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  std::ofstream(dir_.path() / "personen.csv", std::ios::binary) << csv.out;
  const auto rows = csvRows(dir_.path() / "personen.csv");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"Nummer", "Name", "Vorname", "Geburtsdatum",
                                               "Geburtszeit", "Zone", "Ort", "Land", "Breite",
                                               "Breite (Grad)", "Länge", "Länge (Grad)"}));
  EXPECT_EQ(rows[1], (std::vector<std::string>{"1", "Müller-Ölz", "Anna", "05.03.1970", "14:30",
                                               "Europe/Berlin", "Köln", "", "50°56' N", "50.9333",
                                               "06°57' O", "6.9500"}));
  EXPECT_EQ(rows[2][3], "01.02.1980");
  EXPECT_EQ(rows[2][4], "");
  EXPECT_EQ(persons({"list", "--csv", "--tsv"}).status, 1);
}
#endif

// --dial=90 names the dial in the title and gives the 90° events UIDs of
// their own; a size that is none is refused and writes nothing.
TEST_F(PersonsTimeline, OnAnotherDial) {
  add("Müller", "05.03.1970 14:30");
  const std::vector<std::string> range = {"timeline", "1", "--from=01.01.2026", "--to=31.03.2026",
                                          "--movers=T"};
  auto with = [&range](std::vector<std::string> more) {
    more.insert(more.begin(), range.begin(), range.end());
    return more;
  };
  const Outcome ninety = persons(with({"--dial=90", "--ics", file("neunzig.ics")}));
  ASSERT_EQ(ninety.status, 0) << ninety.err;
  EXPECT_TRUE(ninety.out.starts_with(
      "Zeitleiste für Müller, Anna vom 01.01.2026 bis 31.03.2026 auf der 90°-Scheibe, Zeiten in"));
  const Outcome standard = persons(with({"--ics", file("standard.ics")}));
  ASSERT_EQ(standard.status, 0) << standard.err;
  EXPECT_EQ(persons(with({"--dial=22,5"})).out, standard.out);
  EXPECT_NE(contentOf("neunzig.ics").find("-D90-"), std::string::npos);
  EXPECT_EQ(contentOf("standard.ics").find("-D"), std::string::npos);

  for (const char* wrong : {"--dial=17", "--dial=0", "--dial=x"}) {
    const Outcome refused = persons(with({wrong, "--ics", file("falsch.ics")}));
    EXPECT_EQ(refused.status, 2) << wrong;
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("erlaubt sind 360, 90, 45, 22,5 oder 11,25 Grad."),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "falsch.ics"));
  }
}

TEST_F(PersonsTimeline, AnEarlierCalendarFileIsKeptAndTheNextFreeNameTaken) {
  add("Müller", "05.03.1970 14:30");
  const std::vector<std::string> words = {"timeline",        "1",     "--from=01.01.2026",
                                          "--to=31.01.2026", "--ics", file("anna.ics")};
  const Outcome first = persons(words);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_TRUE(first.err.starts_with(file("anna.ics") + ": ")) << first.err;
  const std::string earlier = contentOf("anna.ics");
  ASSERT_TRUE(earlier.starts_with("BEGIN:VCALENDAR"));

  const Outcome second = persons(words);
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(second.out, first.out);
  EXPECT_TRUE(second.err.starts_with("Die Datei " + file("anna.ics") +
                                     " gibt es schon; geschrieben als " + file("anna (2).ics") +
                                     ".\n" + file("anna (2).ics") + ": "))
      << second.err;
  EXPECT_EQ(contentOf("anna.ics"), earlier);
  EXPECT_TRUE(contentOf("anna (2).ics").starts_with("BEGIN:VCALENDAR"));
}

TEST_F(PersonsTimeline, AnUnknownBirthTimeIsNoonWithANote) {
  add("Ohnezeit", "05.03.1970");
  add("Mittag", "05.03.1970 12:00");
  const std::vector<std::string> range = {"--from=01.01.2026", "--to=31.03.2026"};
  const Outcome unknown = persons({"timeline", "1", range[0], range[1]});
  const Outcome noon = persons({"timeline", "2", range[0], range[1]});
  ASSERT_EQ(unknown.status, 0) << unknown.err;
  EXPECT_EQ(unknown.err,
            "Hinweis: Die Geburtszeit von Ohnezeit, Anna ist unbekannt; die Zeitleiste ist für "
            "12:00 Uhr Ortszeit berechnet.\n");
  EXPECT_EQ(noon.err, "");
  // The same lines as for a birth at noon, the heading's name aside.
  const auto body = [](const std::string& out) { return out.substr(out.find('\n')); };
  EXPECT_EQ(body(unknown.out), body(noon.out));
}

}  // namespace
}  // namespace kelvaro::testing
