// kelvaro-persons timeline: its iCalendar file never replaces an earlier
// one, and a birth time nobody knows is noon with a note.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/persons_commands.h"
#include "core/text_encoding.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

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
