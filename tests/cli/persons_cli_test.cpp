// kelvaro-persons: every command with its output and exit status, in
// process, and the persons of the archive in kelvaro-make-transit.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/option_words.h"
#include "cli/persons_commands.h"
#include "support/birth_data.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"
#include "timing/calendar_entry.h"
#include "timing/ical_export.h"
#include "timing/timeline.h"
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace kelvaro::testing {
namespace {

struct Output {
  std::string out;
  std::string err;
  int status;
};

class PersonsCli : public ::testing::Test {
 protected:
  Output persons(std::vector<std::string> words) {
    words.insert(words.begin(), {"--archive", archive().string()});
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runPersons(words, out, err);
    return {out.str(), err.str(), status};
  }
  std::filesystem::path archive() const { return dir_.path() / "personen.sqlite"; }
  std::filesystem::path file(const std::string& name) const { return dir_.path() / name; }

  Output addAnna(const std::string& note = "Klientin, seit 2019") {
    return persons({"add", "--name=Müller", "--first-name=Anna", "--birth=05.03.1970 14:30",
                    "--birth-zone=Europe/Berlin", "--birth-lat=50°56' N", "--birth-lon=6°57' O",
                    "--place=Köln", "--country=D", "--kind=w", "--note=" + note});
  }

  TempDir dir_;
};

TEST_F(PersonsCli, AddListShowRemove) {
  const Output added = addAnna();
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "1\n");
  const Output twice = addAnna("noch einmal");
  EXPECT_EQ(twice.status, 2);
  EXPECT_EQ(twice.err, "Müller, Anna ist mit denselben Geburtsdaten schon im Archiv (Nummer 1).\n");
  EXPECT_EQ(
      persons({"add", "--name=Zorn", "--first-name=", "--birth=29.02.1984", "--birth-zone=+05:30",
               "--birth-lat=-33.8667", "--birth-lon=151.2", "--place=Sydney"})
          .out,
      "2\n");

  EXPECT_EQ(persons({"list"}).out, "     1  Müller, Anna" + std::string(20, ' ') +
                                       "05.03.1970 14:30     Köln, D\n" + "     2  Zorn" +
                                       std::string(28, ' ') + "29.02.1984" + std::string(11, ' ') +
                                       "Sydney\n");
  const std::string header =
      "id\tname\tfirst_name\tbirth_date\tbirth_time\tzone\tplace\tcountry\tlatitude\t"
      "longitude\n";
  EXPECT_EQ(
      persons({"list", "--tsv", "muell"}).out,
      header + "1\tMüller\tAnna\t05.03.1970\t14:30\tEurope/Berlin\tKöln\tD\t50.9333\t6.9500\n");
  EXPECT_EQ(persons({"list", "--tsv", "SYD"}).out,
            header + "2\tZorn\t\t29.02.1984\t\t+05:30\tSydney\t\t-33.8667\t151.2000\n");

  const Output shown = persons({"show", "1"});
  EXPECT_EQ(shown.status, 0);
  EXPECT_NE(shown.out.find("Geburt:       05.03.1970 14:30 (Europe/Berlin)\n"
                           "Ort:          Köln, D\n"
                           "Breite:       50°56' N\n"
                           "Länge:        06°57' O\n"
                           "Notizen:      Klientin, seit 2019\n"),
            std::string::npos)
      << shown.out;

  EXPECT_EQ(persons({"remove", "1"}).status, 0);
  const Output gone = persons({"show", "1"});
  EXPECT_EQ(gone.status, 2);
  EXPECT_EQ(gone.err, "Im Personenarchiv " + archive().string() +
                          " gibt es keine Person mit der Nummer 1.\n");
  EXPECT_EQ(persons({"remove", "eins"}).err, "\"eins\" ist keine Nummer einer Person.\n");
  EXPECT_EQ(addAnna().out, "3\n");  // a number is never given twice
}

TEST_F(PersonsCli, RefusedEntriesAndWrongUsage) {
  const Output zone =
      persons({"add", "--name=A", "--first-name=B", "--birth=05.03.1970 14:30",
               "--birth-zone=Europe/Koeln", "--birth-lat=50", "--birth-lon=7", "--place=X"});
  EXPECT_EQ(zone.status, 2);
  EXPECT_EQ(zone.err.substr(0, 37), "Zeitzone: Die Zeitzone \"Europe/Koeln\"");
  const Output comma = persons({"add", "--name=A,B", "--first-name=B", "--birth=05.03.1970 14:30",
                                "--birth-zone=UT", "--birth-lat=50", "--birth-lon=7", "--place=X"});
  EXPECT_EQ(comma.status, 2);
  EXPECT_EQ(comma.err,
            "Name: Das Komma trennt im Austauschformat AAF die Felder und ist hier nicht "
            "erlaubt.\n");
  const Output skipped =
      persons({"add", "--name=A", "--first-name=B", "--birth=31.03.2024 02:30",
               "--birth-zone=Europe/Berlin", "--birth-lat=50", "--birth-lon=7", "--place=X"});
  EXPECT_EQ(skipped.status, 2);
  EXPECT_NE(skipped.err.find("gibt es in der Zeitzone Europe/Berlin nicht"), std::string::npos);
  for (const std::vector<std::string>& wrong :
       std::vector<std::vector<std::string>>{{},
                                             {"lst"},
                                             {"list", "a", "b"},
                                             {"list", "--xls"},
                                             {"show"},
                                             {"add", "--name=A"},
                                             {"export"},
                                             {"import", "a.aaf", "--utf8"}}) {
    const Output run = persons(wrong);
    EXPECT_EQ(run.status, 1) << (wrong.empty() ? "" : wrong.front());
    EXPECT_NE(run.err.find("Aufruf: kelvaro-persons"), std::string::npos);
  }
  std::ostringstream out, err;
  EXPECT_EQ(cli::runPersons({"--help"}, out, err), 0);
  EXPECT_NE(out.str().find("export [TEXT] ZIEL.aaf [--utf8]"), std::string::npos);
  EXPECT_EQ(cli::runPersons({"--archive", "a", "--archive", "b", "list"}, out, err), 1);
  // Nobody was added for all that: a refused entry makes no archive.
  EXPECT_FALSE(std::filesystem::exists(archive()));
}

// Usage errors name the option; whatever bytes an argument holds, the
// messages show them as text.
TEST_F(PersonsCli, MessagesNameTheOptionAndShowAnyBytesAsText) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> named = {
      {{"list", "--xls"}, "Unbekannte Angabe \"--xls\"."},
      {{"list", "--\xFF"}, "Unbekannte Angabe \"--\uFFFD\"."},
      {{"list", "--tsv", "--tsv"}, "Die Angabe --tsv steht doppelt da."},
      {{"list", "--tsv=ja"}, "Die Angabe --tsv nimmt keinen Wert."},
      {{"add", "--name"}, "Die Angabe --name braucht einen Wert."},
      {{"fo\xFC"}, "Unbekannter Befehl \"fo\uFFFD\"."},
  };
  for (const auto& [words, message] : named) {
    const Output run = persons(words);
    EXPECT_EQ(run.status, 1) << message;
    EXPECT_TRUE(run.err.starts_with(message + "\nAufruf: kelvaro-persons")) << run.err;
  }
  EXPECT_EQ(persons({"show", "\xFF"}).err, "\"\uFFFD\" ist keine Nummer einer Person.\n");
#ifndef _WIN32  // file names there are characters, not bytes
  const Output import = persons({"import", file("M\xFCller.aaf").string()});
  EXPECT_EQ(import.status, 2);
  EXPECT_EQ(import.err, "Die AAF-Datei " + file("M\uFFFDller.aaf").string() +
                            " lässt sich nicht lesen: Datei oder Ordner nicht vorhanden.\n");
#endif
}

// A missing archive is an error for every command that reads or changes
// it; add and import make it and say so.
TEST_F(PersonsCli, OnlyAddAndImportMakeAnArchive) {
  const std::string missing = "Das Personenarchiv " + archive().string() +
                              " gibt es nicht. Es entsteht mit dem ersten add oder import.\n";
  for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
           {"list"},
           {"show", "1"},
           {"remove", "1"},
           {"export", file("alle.aaf").string()},
           {"timeline", "1", "--from=01.01.2026", "--to=31.12.2026"}}) {
    const Output run = persons(words);
    EXPECT_EQ(run.status, 2) << words.front();
    EXPECT_EQ(run.err, missing) << words.front();
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(persons({"import", file("fehlt.aaf").string()}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(archive()));
  EXPECT_FALSE(std::filesystem::exists(file("alle.aaf")));

  const Output added = addAnna();
  EXPECT_EQ(added.out, "1\n");
  EXPECT_EQ(added.err, "Das Personenarchiv " + archive().string() + " ist neu angelegt.\n");
  EXPECT_EQ(persons({"remove", "1"}).err, "");
  std::ofstream(file("anna.aaf")) << "#A93:Müller,Anna,w,5.3.1970,14:30,Köln,D\n";
  const auto other = file("andere.sqlite");
  std::ostringstream out, err;
  EXPECT_EQ(
      cli::runPersons({"--archive", other.string(), "import", file("anna.aaf").string()}, out, err),
      0);
  EXPECT_EQ(err.str(), "Das Personenarchiv " + other.string() + " ist neu angelegt.\n");
}

// An earlier file of the export's name stays; the persons take the next
// free name, and the user is told.
TEST_F(PersonsCli, ExportKeepsAnEarlierFile) {
  addAnna();
  std::ofstream(file("anna.aaf")) << "früher";
  const Output run = persons({"export", file("anna.aaf").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "Die Datei " + file("anna.aaf").string() + " gibt es schon; geschrieben als " +
                         file("anna (2).aaf").string() + ".\n");
  EXPECT_EQ(run.out, "1 Person nach " + file("anna (2).aaf").string() + " exportiert.\n");
  std::ifstream earlier(file("anna.aaf")), written(file("anna (2).aaf"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(earlier), {}), "früher");
  EXPECT_NE(std::string(std::istreambuf_iterator<char>(written), {}).find("#A93:M"),
            std::string::npos);
  const Output folder = persons({"export", dir_.path().string()});
  EXPECT_EQ(folder.status, 2);
  EXPECT_EQ(folder.err, "Das Ziel " + dir_.path().string() +
                            " ist ein Ordner; bitte den Namen der AAF-Datei angeben.\n");
}

// A stream whose every write fails, as stdout on a full disk.
class FullDisk : public std::streambuf {
 protected:
  int_type overflow(int_type) override {
    errno = ENOSPC;
    return traits_type::eof();
  }
  std::streamsize xsputn(const char*, std::streamsize) override {
    errno = ENOSPC;
    return 0;
  }
};

// Output that does not reach stdout is no success; what was stored stays,
// and the message names the new person's number or repeats the report.
TEST_F(PersonsCli, OutputThatCannotBeWrittenIsNoSuccess) {
  addAnna();
  const auto onFullDisk = [this](std::vector<std::string> words) {
    words.insert(words.begin(), {"--archive", archive().string()});
    FullDisk full;
    std::ostream out(&full);
    std::ostringstream err;
    const int status = cli::runPersons(words, out, err);
    return Output{"", err.str(), status};
  };
  const Output list = onFullDisk({"list"});
  EXPECT_EQ(list.status, 2);
  EXPECT_EQ(list.err,
            "kelvaro-persons: Die Ausgabe ließ sich nicht schreiben: Kein Platz mehr auf dem "
            "Datenträger.\n");
  const Output added = onFullDisk({"add", "--name=Weiß", "--first-name=Anna",
                                   "--birth=12.04.1981 06:30", "--birth-zone=Europe/Berlin",
                                   "--birth-lat=50°56' N", "--birth-lon=06°57' O", "--place=Köln"});
  EXPECT_EQ(added.status, 2);
  EXPECT_EQ(added.err,
            "Weiß, Anna ist mit der Nummer 2 im Archiv gespeichert, aber die Nummer ließ sich "
            "nicht ausgeben: Kein Platz mehr auf dem Datenträger.\n");
  EXPECT_NE(persons({"list"}).out.find("Weiß, Anna"), std::string::npos);
  std::ofstream(file("eins.aaf")) << "#A93:Eins,*,m,1.2.1970,10:00,*,*\n";
  const Output imported = onFullDisk({"import", file("eins.aaf").string()});
  EXPECT_EQ(imported.status, 2);
  EXPECT_EQ(imported.err,
            "Der Bericht des Imports ließ sich nicht ausgeben (Kein Platz mehr auf dem "
            "Datenträger); er lautet:\n1 übernommen, 0 schon vorhanden, 0 fehlerhaft\n");
}

TEST_F(PersonsCli, ExportAndImport) {
  addAnna();
  persons({"add", "--name=Wałęsa", "--first-name=Lech", "--birth=29.09.1943 12:00",
           "--birth-zone=Europe/Warsaw", "--birth-lat=52.1", "--birth-lon=18.2", "--place=Popowo"});
  const Output refused = persons({"export", file("alle.aaf").string()});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err,
            "Bei Wałęsa, Lech steht das Zeichen \"ł\", das Windows-1252 nicht kennt. Bitte als "
            "UTF-8 exportieren. (--utf8)\n");
  EXPECT_FALSE(std::filesystem::exists(file("alle.aaf")));
  const Output one = persons({"export", "müller", file("anna.aaf").string()});
  EXPECT_EQ(one.out, "1 Person nach " + file("anna.aaf").string() + " exportiert.\n");
  EXPECT_EQ(persons({"export", file("alle.aaf").string(), "--utf8"}).status, 0);

  const std::string exported = std::filesystem::path(file("alle.aaf")).string();
  const auto other = dir_.path() / "andere.sqlite";
  std::ostringstream out, err;
  EXPECT_EQ(cli::runPersons({"--archive", other.string(), "import", exported}, out, err), 0);
  EXPECT_EQ(out.str(), "2 übernommen, 0 schon vorhanden, 0 fehlerhaft\n");
  std::ostringstream again;
  cli::runPersons({"--archive=" + other.string(), "import", exported}, again, err);
  EXPECT_EQ(again.str(), "0 übernommen, 2 schon vorhanden, 0 fehlerhaft\n");
  std::ostringstream listed;
  cli::runPersons({"--archive", other.string(), "list", "--tsv"}, listed, err);
  EXPECT_EQ(listed.str(), persons({"list", "--tsv"}).out);

  // Faulty records make the import fail, the report printed all the same.
  std::ofstream(file("kaputt.aaf")) << "#A93:Kaputt,*,m,1.1.1970\n";
  const Output faulty = persons({"import", file("kaputt.aaf").string()});
  EXPECT_EQ(faulty.status, 2);
  EXPECT_EQ(faulty.out,
            "0 übernommen, 0 schon vorhanden, 1 fehlerhaft\n"
            "Zeile 1: #A93 hat 4 statt 7 Felder.\n");
  EXPECT_EQ(faulty.err, "1 Datensatz ist fehlerhaft und wurde nicht übernommen (siehe oben).\n");
  EXPECT_EQ(persons({"import", file("fehlt.aaf").string()}).status, 2);
}

// The backup made before the day's first change, listed and restored; the
// state before the restore is a backup then.
TEST_F(PersonsCli, BackupsAndRestore) {
  const std::string folder = (dir_.path() / "Sicherungen").string();
  EXPECT_EQ(persons({"backups"}).out, "Keine Sicherungen in " + folder + ".\n");
  addAnna();
  persons({"add", "--name=Zorn", "--first-name=", "--birth=29.02.1984", "--birth-zone=+05:30",
           "--birth-lat=-33.8667", "--birth-lon=151.2", "--place=Sydney"});
  EXPECT_EQ(persons({"remove", "1"}).status, 0);
  const std::string listed = persons({"backups"}).out;
  // The folder as a pattern of itself (on Windows it holds backslashes).
  const std::string folderPattern =
      std::regex_replace(folder, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
  const std::regex line(R"(  1  \d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d       1 Person  )" +
                        folderPattern + R"([/\\]personen-[-0-9]+\.sqlite\n)");
  EXPECT_TRUE(std::regex_match(listed, line)) << listed;

  const Output restored = persons({"restore", "1"});
  EXPECT_EQ(restored.status, 0) << restored.err;
  EXPECT_EQ(restored.out, "Sicherung vom " + listed.substr(5, 19) +
                              " (1 Person) wiederhergestellt; der Stand davor ist gesichert.\n");
  EXPECT_EQ(persons({"list"}).out.find("     1  Müller, Anna"), 0u);
  EXPECT_NE(persons({"backups"}).out.find("  2  "), std::string::npos);
  for (const std::string wrong : {"0", "3", "x", "-1"}) {
    const Output refused = persons({"restore", wrong});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "\"" + wrong +
                               "\" ist keine Nummer einer Sicherung (kelvaro-persons backups "
                               "zeigt sie).\n");
  }
  // A damaged archive, renamed as its message advises, comes back from a backup.
  std::filesystem::rename(archive(), file("personen-beschaedigt.sqlite"));
  const Output fromBackup = persons({"restore", "2"});  // the first, of Müller alone
  EXPECT_EQ(fromBackup.status, 0) << fromBackup.err;
  EXPECT_EQ(persons({"list"}).out.find("     1  Müller, Anna"), 0u);
}

// The archive itself (or its log) named as the AAF file: reading or
// replacing it would drop the locks SQLite holds on it, or destroy it.
TEST_F(PersonsCli, TheArchiveIsNeitherImportedNorReplaced) {
  addAnna();
  for (const std::string suffix : {"", "-wal"}) {
    const std::string named = archive().string() + suffix;
    const Output imported = persons({"import", named});
    EXPECT_EQ(imported.status, 2);
    EXPECT_EQ(imported.err, "Die Datei " + named +
                                " gehört zum Personenarchiv, das gerade geöffnet ist, und ist "
                                "keine AAF-Datei. Sie wird nicht gelesen.\n");
    // The export keeps the archive's file as it keeps any earlier file.
    const Output exported = persons({"export", named});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err.rfind("Die Datei " + named + " gibt es schon; geschrieben als ", 0), 0u)
        << exported.err;
  }
  EXPECT_NE(persons({"list", "--tsv"}).out.find("Müller\tAnna"), std::string::npos);
}

#ifndef _WIN32  // the folders on Windows are %APPDATA% and C:/Astro/Kelvaro, not below HOME
// Runs kelvaro-persons without --archive, HOME the test's folder.
Output withHome(const std::filesystem::path& home, const std::vector<std::string>& words) {
  const char* earlier = std::getenv("HOME");
  const std::string before = earlier ? earlier : "";
  ::setenv("HOME", home.c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");
  std::ostringstream out, err;
  const int status = cli::runPersons(words, out, err);
  if (earlier) {
    ::setenv("HOME", before.c_str(), 1);
  } else {
    ::unsetenv("HOME");
  }
  return {out.str(), err.str(), status};
}

// Without --archive: the archive of the user's data folder, made with it.
TEST_F(PersonsCli, TheDataFoldersArchiveByDefault) {
  const Output added =
      withHome(dir_.path(), {"add", "--name=A", "--first-name=B", "--birth=05.03.1970 14:30",
                             "--birth-zone=UT", "--birth-lat=50", "--birth-lon=7", "--place=X"});
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / ".local/share/kelvaro/personen.sqlite"));
}

// The archive of the program folder of earlier versions moves to the data
// folder at the first call, the old file kept aside; later calls use it.
TEST_F(PersonsCli, AnEarlierArchiveMovesToTheDataFolderOnce) {
  addAnna();
  const std::string listed = persons({"list"}).out;
  const auto program = dir_.path() / "Astro" / "Kelvaro";
  std::filesystem::create_directories(program);
  std::filesystem::rename(archive(), program / "personen.sqlite");

  const Output moved = withHome(dir_.path(), {"list"});
  EXPECT_EQ(moved.status, 0);
  EXPECT_EQ(moved.out, listed);
  const auto data = dir_.path() / ".local" / "share" / "kelvaro";
  EXPECT_EQ(moved.err, "Das Personenarchiv ist in den Datenordner " + data.string() +
                           " umgezogen. Die bisherige Datei bleibt als " +
                           (program / "personen.sqlite.verschoben").string() + " erhalten.\n");
  EXPECT_FALSE(std::filesystem::exists(program / "personen.sqlite"));
  const Output later = withHome(dir_.path(), {"list"});
  EXPECT_EQ(later.out, listed);
  EXPECT_EQ(later.err, "");
}
#endif

#ifndef _WIN32  // runs the programs
// The same birth data give the same file, typed or from the archive.
TEST_F(PersonsCli, MakeTransitOfAPersonIsTheFileOfItsBirthData) {
  addAnna();
  const std::vector<std::string> transit = {"--transit=08.12.2026 12:00", "--transit-zone=+01:00",
                                            "--place=Köln", "--transit-lat=50.9333",
                                            "--transit-lon=6.95"};
  std::vector<std::string> byPerson = {makeTransitPath(), "--archive", archive().string(),
                                       "--person=1"};
  byPerson.insert(byPerson.end(), transit.begin(), transit.end());
  byPerson.push_back(file("person.dat").string());
  const ProcessOutput fromArchive = runProcess(byPerson);
  ASSERT_EQ(fromArchive.status, 0) << fromArchive.err;
  std::vector<std::string> typed = {makeTransitPath(),
                                    "--name=Müller",
                                    "--first-name=Anna",
                                    "--birth=05.03.1970 14:30",
                                    "--birth-zone=Europe/Berlin",
                                    "--birth-lat=50°56' N",
                                    "--birth-lon=6°57' O"};
  typed.insert(typed.end(), transit.begin(), transit.end());
  typed.push_back(file("typed.dat").string());
  ASSERT_EQ(runProcess(typed).status, 0);
  std::ifstream a(file("person.dat"), std::ios::binary), b(file("typed.dat"), std::ios::binary);
  const std::string fromPerson{std::istreambuf_iterator<char>(a), {}};
  EXPECT_EQ(fromPerson.size(), 2560u);
  EXPECT_EQ(fromPerson, std::string(std::istreambuf_iterator<char>(b), {}));

  // Refusals: no such person, birth data besides --person, a place to check.
  byPerson[3] = "--person=7";
  EXPECT_EQ(runProcess(byPerson).status, 2);
  std::vector<std::string> both = byPerson;
  both[3] = "--person=1";
  both.insert(both.begin() + 1, "--name=X");
  EXPECT_EQ(runProcess(both).status, 1);
  std::ofstream(file("ohne.aaf")) << "#A93:Ohne,Ort,m,1.2.1970,10:00,Nirgendwo,XX\n";
  persons({"import", file("ohne.aaf").string()});
  byPerson[3] = "--person=2";
  const ProcessOutput unchecked = runProcess(byPerson);
  EXPECT_EQ(unchecked.status, 2);
  EXPECT_EQ(unchecked.err,
            "Bei Ohne, Ort fehlen Breite, Länge oder Zeitzone des Geburtsorts (Ort prüfen).\n");
}

// A chart of 1452 from an exchange file: the Julian date, the Julian day
// and the local mean time of 10e56 (+00:43:44) give the same transit file as
// the birth data typed; marked Gregorian ("23.4.1452g") the same day.
TEST_F(PersonsCli, AChartOf1452ImportsAndMakesItsTransitFile) {
  std::ofstream(file("vinci.aaf")) << "#A93:da Vinci,Leonardo,m,14.4.1452,20:56,Vinci,I\n"
                                      "#B93:2251505.341852,43n45,10e56,*,L\n"
                                      "#A93:da Vinci,Gregorianisch,m,23.4.1452g,20:56,Vinci,I\n"
                                      "#B93:*,43n45,10e56,*,L\n";
  const Output imported = persons({"import", file("vinci.aaf").string()});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_TRUE(imported.out.starts_with("2 übernommen, 0 schon vorhanden, 0 fehlerhaft"))
      << imported.out;
  const std::vector<std::string> transit = {"--transit=01.01.1500 12:00",
                                            "--transit-zone=Europe/Rome", "--place=Vinci",
                                            "--transit-lat=43°45' N", "--transit-lon=10°56' O"};
  std::vector<std::string> typed = {makeTransitPath(),        "--name=da Vinci",
                                    "--first-name=Leonardo",  "--birth=14.04.1452 20:56",
                                    "--birth-zone=+00:43:44", "--birth-lat=43°45' N",
                                    "--birth-lon=10°56' O"};
  typed.insert(typed.end(), transit.begin(), transit.end());
  typed.push_back(file("typed.dat").string());
  ASSERT_EQ(runProcess(typed).status, 0);
  std::ifstream typedFile(file("typed.dat"), std::ios::binary);
  const std::string expected{std::istreambuf_iterator<char>(typedFile), {}};
  for (const char* number : {"1", "2"}) {
    std::vector<std::string> byPerson = {makeTransitPath(), "--archive", archive().string(),
                                         std::string("--person=") + number};
    byPerson.insert(byPerson.end(), transit.begin(), transit.end());
    byPerson.push_back(file("person.dat").string());
    const ProcessOutput made = runProcess(byPerson);
    ASSERT_EQ(made.status, 0) << made.err;
    std::ifstream madeFile(file("person.dat"), std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(madeFile), {}};
    // The first name differs in the second record; the positions may not.
    EXPECT_EQ(bytes.substr(1792), expected.substr(1792)) << number;
    if (std::string(number) == "1") {
      EXPECT_EQ(bytes, expected);
    }
  }
}

// The programs themselves: stdout on a full disk, and a named pipe as the
// archive, which nothing may open (it would wait for a writer for ever).
TEST_F(PersonsCli, TheProgramsOnAFullDiskAndWithAPipeAsTheArchive) {
  const std::vector<std::string> add = {KELVARO_PERSONS,
                                        "--archive",
                                        archive().string(),
                                        "add",
                                        "--name=Weiß",
                                        "--first-name=Anna",
                                        "--birth=12.04.1981 06:30",
                                        "--birth-zone=Europe/Berlin",
                                        "--birth-lat=50°56' N",
                                        "--birth-lon=06°57' O",
                                        "--place=Köln"};
  const ProcessOutput added = runProcess(add, "/dev/full");
  EXPECT_EQ(added.status, 2);
  EXPECT_TRUE(
      added.err.starts_with("Weiß, Anna ist mit der Nummer 1 im Archiv gespeichert, aber "
                            "die Nummer ließ sich nicht ausgeben: Kein Platz mehr"))
      << added.err;
  const ProcessOutput listed =
      runProcess({KELVARO_PERSONS, "--archive", archive().string(), "list"}, "/dev/full");
  EXPECT_EQ(listed.status, 2);
  EXPECT_NE(listed.err.find("Die Ausgabe ließ sich nicht schreiben"), std::string::npos);

  const auto pipe = file("pipe.sqlite");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string refused =
      "Das Personenarchiv " + pipe.string() + " ist eine benannte Pipe, keine Datei.\n";
  std::vector<std::string> intoPipe = add;
  intoPipe[2] = pipe.string();
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{KELVARO_PERSONS, "--archive", pipe.string(), "list"}, intoPipe}) {
    const ProcessOutput run = runProcess(command);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, refused);
  }
  const ProcessOutput transit =
      runProcess({makeTransitPath(), "--archive", pipe.string(), "--person=1",
                  "--transit=08.12.2026 12:00", "--transit-zone=+01:00", "--place=Köln",
                  "--transit-lat=50.9333", "--transit-lon=6.95", file("t.dat").string()});
  EXPECT_EQ(transit.status, 2);
  EXPECT_EQ(transit.err, refused);
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}
#endif

// The timeline of a stored person is that of its birth data, in its birth
// zone, with S, P and T and the calendar's bodies unless told otherwise.
TEST_F(PersonsCli, TimelineOfAPerson) {
  addAnna();
  const auto ics = file("anna.ics");
  const Output shown = persons({"timeline", "1", "--from=01.03.2026", "--to=30.04.2026",
                                "--orb=1:12", "--ics", ics.string()});
  ASSERT_EQ(shown.status, 0) << shown.err;
  timing::CalendarRequest request;
  request.from = {2026, 3, 1};
  request.to = {2026, 4, 30};
  request.zone = std::get<chart::TimeZone>(chart::TimeZone::parse("Europe/Berlin"));
  request.movers = {true, true, true};
  request.bodies = timing::defaultCalendarBodies();
  request.factors = timing::allDirectedFactors();
  request.orb = 1.2;
  const auto expected = timing::timeline(birthData(kKoeln), request);
  std::string lines;
  for (const std::string_view line : expected->result.lines) lines += std::string(line) + "\n";
  EXPECT_EQ(shown.out, lines);
  EXPECT_TRUE(shown.out.starts_with(
      "Zeitleiste für Müller, Anna vom 01.03.2026 bis 30.04.2026, Zeiten in Europe/Berlin\n"));
  std::ifstream written(ics, std::ios::binary);
  const std::string events{std::istreambuf_iterator<char>(written), {}};
  EXPECT_TRUE(events.starts_with("BEGIN:VCALENDAR\r\n"));
  std::size_t count = 0;
  for (std::size_t at = 0; (at = events.find("BEGIN:VEVENT", at)) != std::string::npos; ++at) {
    ++count;
  }
  // The standard filter: S and P but the Moon's, T of Jupiter to Pluto.
  const auto taken = static_cast<std::size_t>(std::count_if(
      expected->hits.begin(), expected->hits.end(),
      [](const timing::TimelineHit& hit) { return timing::IcalFilter{}.takes(hit); }));
  EXPECT_EQ(count, taken);
  EXPECT_LT(taken, expected->hits.size());
  EXPECT_EQ(shown.err, ics.string() + ": " + std::to_string(taken) +
                           " Termine geschrieben (S und P ohne MO, T von JU bis PL).\n");
  const auto all = file("alle.ics");
  const Output every = persons({"timeline", "1", "--from=01.03.2026", "--to=30.04.2026",
                                "--orb=1:12", "--ics", all.string(), "--ics-all"});
  EXPECT_EQ(every.err, all.string() + ": " + std::to_string(expected->hits.size()) +
                           " Termine geschrieben (alle Zeilen der Liste).\n");
  const Output withoutFile =
      persons({"timeline", "1", "--from=01.03.2026", "--to=30.04.2026", "--ics-all"});
  EXPECT_EQ(withoutFile.status, 1);
  EXPECT_EQ(withoutFile.err, "Die Angabe --ics-all gilt nur mit --ics.\n");

  // Transits of Saturn alone (MC moves only as S and P), in UT.
  const Output saturn = persons({"timeline", "1", "--from=01.01.2026", "--to=31.12.2027",
                                 "--movers=T", "--bodies=sa,MC", "--zone=UT"});
  ASSERT_EQ(saturn.status, 0) << saturn.err;
  std::istringstream saturnLines(saturn.out);
  std::string line;
  std::getline(saturnLines, line);
  EXPECT_TRUE(line.ends_with("Zeiten in UT")) << line;
  int hits = 0;
  for (; std::getline(saturnLines, line); ++hits) {
    EXPECT_EQ(line.substr(timing::kHitTextColumn, 6), "SAt = ") << line;
  }
  EXPECT_GT(hits, 0);
}

TEST_F(PersonsCli, TimelineRefusals) {
  addAnna();
  const auto refused = [this](std::vector<std::string> options) {
    options.insert(options.begin(), {"timeline", "1"});
    return persons(options);
  };
  const Output noOrb = refused({"--from=01.01.2026", "--to=31.12.2026", "--orb=12"});
  EXPECT_EQ(noOrb.status, 2);
  EXPECT_EQ(noOrb.err,
            "Orbis: \"12\" ist kein Orbis. Bitte als G:MM angeben, z. B. 1:12 (höchstens 9:59).\n");
  EXPECT_EQ(refused({"--to=31.12.2026"}).status, 1);
  EXPECT_EQ(refused({"--from=01.01.2026", "--to=31.12.2036"}).status, 2);
  EXPECT_EQ(refused({"--from=01.01.2026", "--to=31.12.2026", "--movers=X"}).status, 2);
  const Output unwritable =
      refused({"--from=01.01.2026", "--to=31.01.2026", "--ics", file("fehlt/anna.ics").string()});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_NE(unwritable.err.find("lässt sich nicht schreiben"), std::string::npos) << unwritable.err;
  EXPECT_EQ(persons({"timeline", "7", "--from=01.01.2026", "--to=31.12.2026"}).status, 2);
}

}  // namespace
}  // namespace kelvaro::testing
