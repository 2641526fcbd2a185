#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/cli_runner.h"
#include "support/sandbox.h"
#include "support/temp_dir.h"
#include "timing/transit_calendar.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::linesOf;
using testing::runCliProcess;
using testing::runProcess;
using testing::samplePath;

const std::string kSample = "weiss-anna.dat";

std::vector<std::string> calendarLines(std::vector<std::string> options) {
  options.insert(options.begin(), {samplePath(kSample), "calendar"});
  const auto run = runCliProcess(options);
  EXPECT_EQ(run.status, 0) << run.err;
  return linesOf(run.out);
}

// The bodies named in the lines, e.g. "SAt".
std::vector<std::string> bodiesOf(const std::vector<std::string>& lines) {
  std::vector<std::string> bodies;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string body = lines[i].substr(18, 3);
    if (std::find(bodies.begin(), bodies.end(), body) == bodies.end()) bodies.push_back(body);
  }
  std::sort(bodies.begin(), bodies.end());
  return bodies;
}

// --csv: the same hits as the lines, line for line, as a spreadsheet reads
// them (Python's csv module); --save still saves the lines.
TEST(CalendarCli, TheCsvHoldsTheLinesOfTheList) {
  const std::vector<std::string> lines =
      calendarLines({"--from=01.02.2026", "--to=31.03.2026", "--moon"});
  testing::TempDir dir;
  auto run = runCliProcess({samplePath(kSample), "--save", dir.path().string(), "calendar",
                            "--from=01.02.2026", "--to=31.03.2026", "--moon", "--csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto table = dir.path() / "kalender.csv";
  std::ofstream(table, std::ios::binary) << run.out;
  const auto read = runProcess({"/usr/bin/python3", KELVARO_CSV_READER, table.string()});
  ASSERT_EQ(read.status, 0) << read.err;
  const std::vector<std::string> rows = linesOf(read.out);
  ASSERT_EQ(rows.size(), lines.size());
  EXPECT_EQ(rows[0],
            "Datum\tZeit\tArt\tFaktor\tPunkt\tStelle\tStelle (Grad)\tRichtung\t"
            "Durchgang\twirksam ab\twirksam bis");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    std::vector<std::string> fields;
    std::istringstream row(rows[i] + "\t");
    for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
    ASSERT_EQ(fields.size(), 11u) << rows[i];
    const std::string day =
        fields[0].substr(8, 2) + "." + fields[0].substr(5, 2) + "." + fields[0].substr(0, 4);
    EXPECT_EQ(lines[i], day + " " + fields[1] + "  " + fields[3] + " = " + fields[4] + "  " +
                            fields[5] + "  " + fields[7]);
    EXPECT_EQ(fields[2], "T");
  }
  // The saved file holds the lines, not the table.
  std::vector<fs::path> saved;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    if (entry.path() != table) saved.push_back(entry.path());
  }
  ASSERT_EQ(saved.size(), 1u);
  std::ifstream savedLines(saved.front(), std::ios::binary);
  const std::string savedText{std::istreambuf_iterator<char>(savedLines), {}};
  EXPECT_EQ(savedText.find("Datum,Zeit"), std::string::npos);
}

TEST(CalendarCli, PrintsTheCalendarOfTheLibrary) {
  timing::CalendarRequest asked;
  asked.from = {2026, 2, 1};
  asked.to = {2026, 3, 15};
  asked.zone = std::get<chart::TimeZone>(chart::TimeZone::parse("Europe/Berlin"));
  // Without --bodies the slow bodies, as the window ticks them.
  asked.bodies = {factor::JU, factor::SA, 12, 13, 14, factor::KN, 15,
                  16,         17,         18, 19, 20, 21,         factor::PO};
  const auto expected = timing::transitCalendar(testing::sampleRecord(kSample), asked);
  ASSERT_TRUE(expected);
  EXPECT_EQ(calendarLines({"--from=01.02.2026", "--to=15.03.2026"}), expected->lines);
}

// --dial=90 and --dial=22,5: the library's calendar on that dial; 22,5 is
// the calendar without the option.
TEST(CalendarCli, ChoosesTheDial) {
  timing::CalendarRequest asked;
  asked.from = {2026, 2, 1};
  asked.to = {2026, 5, 31};
  asked.zone = std::get<chart::TimeZone>(chart::TimeZone::parse("Europe/Berlin"));
  asked.bodies = {factor::SA, factor::PO};
  asked.dial = DialSize(DialSize::Kind::quarter);
  const auto expected = timing::transitCalendar(testing::sampleRecord(kSample), asked);
  ASSERT_TRUE(expected);
  const auto ninety =
      calendarLines({"--from=01.02.2026", "--to=31.05.2026", "--bodies=SA,PO", "--dial=90"});
  EXPECT_EQ(ninety, expected->lines);
  EXPECT_EQ(ninety.front(),
            "Transit-Kalender vom 01.02.2026 bis 31.05.2026 auf der 90°-Scheibe, Zeiten in "
            "Europe/Berlin");
  EXPECT_EQ(
      calendarLines({"--from=01.02.2026", "--to=31.05.2026", "--bodies=SA,PO", "--dial=22,5"}),
      calendarLines({"--from=01.02.2026", "--to=31.05.2026", "--bodies=SA,PO"}));
}

TEST(CalendarCli, ChoosesBodiesAndPoints) {
  const std::vector<std::string> range = {"--from=01.01.2027", "--to=03.01.2027", "--zone=UT"};
  const auto with = [&range](std::vector<std::string> more) {
    more.insert(more.begin(), range.begin(), range.end());
    return calendarLines(more);
  };
  // Without --bodies the fourteen slow bodies, JU to PO; --moon adds the
  // Moon. In two months even the slowest body meets one of the 253 points.
  const std::vector<std::string> bodies =
      bodiesOf(calendarLines({"--from=01.01.2027", "--to=28.02.2027"}));
  EXPECT_EQ(bodies, (std::vector<std::string>{"ADt", "APt", "CUt", "HAt", "JUt", "KNt", "KRt",
                                              "NEt", "PLt", "POt", "SAt", "URt", "VUt", "ZEt"}));
  EXPECT_EQ(bodiesOf(calendarLines({"--from=01.01.2027", "--to=28.02.2027", "--moon"})).size(),
            15u);
  EXPECT_EQ(bodiesOf(with({"--bodies=mo"})), std::vector<std::string>{"MOt"});
  EXPECT_EQ(bodiesOf(with({"--bodies=SO,VE", "--moon"})),
            (std::vector<std::string>{"MOt", "SOt", "VEt"}));

  // Points: a factor is padded to the width of a midpoint.
  for (const auto& line : with({"--bodies=MO", "--points=factors", "--with=mc,SO"})) {
    if (line.starts_with("Transit")) continue;
    EXPECT_TRUE(line.substr(24, 7) == "MCr    " || line.substr(24, 7) == "SOr    ") << line;
  }
  const auto midpoints = with({"--bodies=MO", "--points=midpoints", "--with=AS"});
  EXPECT_GT(midpoints.size(), 1u);
  for (std::size_t i = 1; i < midpoints.size(); ++i) {
    EXPECT_NE(midpoints[i].substr(24, 7).find("ASr"), std::string::npos) << midpoints[i];
    EXPECT_EQ(midpoints[i][27], '/') << midpoints[i];
  }
}

TEST(CalendarCli, RefusesBadDatesZonesAndNames) {
  struct Case {
    std::vector<std::string> options;
    std::string err;
  };
  for (const Case& c : {
           Case{{"--from=31.02.2025", "--to=01.03.2025"},
                "Von: \"31.02.2025\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ angeben.\n"},
           Case{{"--from=01.01.2025", "--to=2025-03-01"},
                "Bis: \"2025-03-01\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ angeben.\n"},
           Case{{"--from=01.01.2999", "--to=01.03.3000"},
                "Bis: Das Jahr 3000 liegt nicht zwischen 1000 und 2999.\n"},
           Case{{"--from=02.01.2025", "--to=01.01.2025"},
                "Das Ende 01.01.2025 liegt vor dem Anfang 02.01.2025.\n"},
           Case{{"--from=01.01.2025", "--to=01.01.2035"},
                "Der Zeitraum von 01.01.2025 bis 01.01.2035 ist länger als 10 Jahre. Bitte einen "
                "kürzeren Zeitraum angeben.\n"},
           Case{{"--from=01.01.2025", "--to=02.01.2025", "--zone=Mars/Olympus"},
                "Die Zeitzone \"Mars/Olympus\" ist unbekannt. Bitte einen Namen wie "
                "Europe/Berlin, UT oder eine feste Abweichung wie +01:00 angeben.\n"},
           Case{{"--from=01.01.2025", "--to=02.01.2025", "--bodies=SA,MC"},
                "Unbekannter Himmelskörper \"MC\". Möglich sind SO, MO, ME, VE, MA, JU, SA, UR, "
                "NE, PL, KN, CU, HA, ZE, KR, AP, AD, VU und PO.\n"},
           Case{{"--from=01.01.2025", "--to=02.01.2025", "--with=MC,GZ"},
                "Unbekannter Faktor \"GZ\". Möglich sind die Faktoren MC bis PO.\n"},
           Case{{"--from=01.01.2025", "--to=02.01.2025", "--points=pairs"},
                "Unbekannte Auswahl der Punkte \"pairs\". Möglich sind factors, midpoints und "
                "all.\n"},
           Case{{"--from=01.01.2025", "--to=02.01.2025", "--dial=17"},
                "Unbekannte Scheibe »17«: erlaubt sind 360, 90, 45, 22,5 oder 11,25 Grad.\n"},
           Case{{"--from=01.01.2025", "--to=02.01.2025", "--dial=0"},
                "Unbekannte Scheibe »0«: erlaubt sind 360, 90, 45, 22,5 oder 11,25 Grad.\n"},
           Case{{"--from=01.01.2025", "--to=02.01.2025", "--dial=x"},
                "Unbekannte Scheibe »x«: erlaubt sind 360, 90, 45, 22,5 oder 11,25 Grad.\n"},
       }) {
    std::vector<std::string> arguments = {samplePath(kSample), "calendar"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    const auto run = runCliProcess(arguments);
    EXPECT_EQ(run.status, 2) << c.options.back();
    EXPECT_EQ(run.out, "") << c.options.back();
    EXPECT_EQ(run.err, c.err) << c.options.back();
  }
  // Ten years to the day are accepted; a missing --to is wrong usage.
  EXPECT_EQ(runCliProcess({samplePath(kSample), "calendar", "--from=01.01.2025", "--to=31.12.2034",
                           "--bodies=PO", "--points=factors", "--with=MC"})
                .status,
            0);
  EXPECT_EQ(runCliProcess({samplePath(kSample), "calendar", "--from=01.01.2025"}).status, 1);
}

// An elements file of the fictitious bodies in a folder named by
// SE_EPHE_PATH, malformed or not, changes nothing and ends nothing.
TEST(CalendarCli, TheEphemerisFolderOfTheEnvironmentChangesNothing) {
  const std::vector<std::string> options = {"--from=01.01.2026", "--to=31.03.2026",
                                            "--bodies=CU,KR", "--points=factors"};
  const std::vector<std::string> expected = calendarLines(options);
  ASSERT_GT(expected.size(), 1u);
  const testing::TempDir folder;
  std::ofstream(folder.path() / "seorbel.txt") << "J1900, J1900, x\n";
  ::setenv("SE_EPHE_PATH", folder.path().c_str(), 1);
  const std::vector<std::string> lines = calendarLines(options);
  ::unsetenv("SE_EPHE_PATH");
  EXPECT_EQ(lines, expected);
}

// --points takes its words in any case, as --bodies and --with do.
TEST(CalendarCli, PointsInAnyCase) {
  const std::vector<std::string> range = {"--from=01.01.2027", "--to=03.01.2027", "--zone=UT",
                                          "--bodies=MO"};
  const auto with = [&range](const std::string& points) {
    std::vector<std::string> options = range;
    options.push_back("--points=" + points);
    return calendarLines(options);
  };
  EXPECT_EQ(with("ALL"), with("all"));
  EXPECT_EQ(with("Midpoints"), with("midpoints"));
  EXPECT_EQ(with(" FACTORS "), with("factors"));
  EXPECT_NE(with("factors"), with("all"));
}

// kelvaro-cli hands the calendar and the help over to the program that has
// the calendar; the help lists it with the other commands.
TEST(CalendarCli, TheHelpListsTheCalendar) {
  const auto help = runCliProcess({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("calendar"), std::string::npos);
  EXPECT_NE(help.out.find("correspondences"), std::string::npos);
}

// A copy of kelvaro-cli in a folder of its own: no calendar program beside it.
class LoneCli {
 public:
  LoneCli() { fs::copy_file(testing::cliPath(), path()); }
  fs::path path() const { return dir_.path() / "kelvaro-cli"; }
  const fs::path& folder() const { return dir_.path(); }

 private:
  testing::TempDir dir_;
};

// Only the word in the place of the command hands the run over: a file
// named "calendar", an entry "calendar" or the value of --orb do not.
TEST(CalendarHandover, OnlyTheCommandCalendarIsHandedOver) {
  const LoneCli cli;
  fs::copy_file(samplePath(kSample), cli.folder() / "calendar");
  const fs::path previous = fs::current_path();
  fs::current_path(cli.folder());
  const auto file = runProcess({cli.path(), "calendar", "header"});
  const auto entry = runProcess({cli.path(), samplePath(kSample), "search1", "calendar"});
  const auto orb = runProcess({cli.path(), "--orb", "calendar", samplePath(kSample), "header"});
  const auto command = runProcess(
      {cli.path(), samplePath(kSample), "calendar", "--from=01.01.2026", "--to=02.01.2026"});
  fs::current_path(previous);
  const std::string missing = "lässt sich nicht starten";
  EXPECT_EQ(file.status, 0) << file.err;
  EXPECT_EQ(file.out, runCliProcess({samplePath(kSample), "header"}).out);
  EXPECT_EQ(entry.err.find(missing), std::string::npos) << entry.err;
  EXPECT_EQ(entry.status, 2) << entry.err;
  EXPECT_EQ(orb.err.find(missing), std::string::npos) << orb.err;
  EXPECT_EQ(orb.status, 2) << orb.err;
  EXPECT_EQ(command.status, 1);
  EXPECT_NE(command.err.find(missing), std::string::npos) << command.err;
}

// A copy of kelvaro-cli in the place of the calendar program would hand the
// run on to itself for ever; it stops with a message instead.
TEST(CalendarHandover, AProgramThatWouldHandOverAgainStops) {
  const LoneCli cli;
  fs::copy_file(testing::cliPath(), cli.folder() / "kelvaro-cli-chart");
  const auto run = runProcess(
      {cli.path(), samplePath(kSample), "calendar", "--from=01.01.2026", "--to=02.01.2026"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "kelvaro-cli: Der Transit-Kalender fehlt: An der Stelle von kelvaro-cli-chart steht "
            "ein Programm, das ihn nur weitergibt. Bitte Kelvaro neu installieren.\n");
}

// Without /proc and with a bare name as argv[0] (as a shell starts a program
// from the PATH), the calendar program is still found beside kelvaro-cli.
TEST(CalendarHandover, TheCalendarProgramIsFoundWithoutArgv0BeingAPath) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizers' runtime needs /proc";
#endif
  const auto outcome = testing::withoutProc([]() -> std::string {
    const auto run = testing::runProcessNamed(
        testing::cliPath(), {"kelvaro-cli", samplePath(kSample), "calendar", "--from=01.01.2026",
                             "--to=02.01.2026", "--bodies=MO", "--points=factors"});
    if (run.status != 0) return "status " + std::to_string(run.status) + ": " + run.err;
    if (!run.out.starts_with("Transit-Kalender vom 01.01.2026")) return "lines: " + run.out;
    return {};
  });
  if (!outcome.available) GTEST_SKIP() << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}

}  // namespace
}  // namespace kelvaro
