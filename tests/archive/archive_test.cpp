// The archive file: persons in and out, numbers that stay, the same person
// once, and files that are not an archive of ours refused untouched.
#include "archive/archive.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "archive/person_builder.h"
#include "archive/person_search.h"
#include "archive/schema.h"
#include "core/text_encoding.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

using archive::Archive;
using archive::Person;

Archive openArchive(const std::filesystem::path& file,
                    std::chrono::milliseconds busy = archive::kBusyTimeout) {
  auto opened = Archive::open(file, Archive::Access::write, busy);
  if (const Rejection* refused = rejection(opened)) ADD_FAILURE() << refused->message;
  return std::get<Archive>(std::move(opened));
}

template <typename T>
T value(Checked<T> checked) {
  if (const Rejection* refused = rejection(checked)) ADD_FAILURE() << refused->message;
  return std::get<T>(std::move(checked));
}

// A connection of another program (or of a second Kelvaro) to the same file.
class OtherConnection {
 public:
  explicit OtherConnection(const std::filesystem::path& file) {
    sqlite3_open(utf8FromPath(file).c_str(), &db_);
  }
  ~OtherConnection() { sqlite3_close(db_); }
  int run(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }
  std::string text(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr);
    std::string result;
    if (sqlite3_step(statement) == SQLITE_ROW) {
      result = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
    return result;
  }

 private:
  sqlite3* db_ = nullptr;
};

TEST(Archive, StoresFindsAndKeepsNumbersForGood) {
  TempDir dir;
  const auto file = dir.path() / "personen.sqlite";
  Archive archive = openArchive(file);
  const auto anna = value(archive.store(cologne()));
  EXPECT_TRUE(anna.added);
  Person zander = cologne("Zander", "Ärger");
  zander.birthTime.reset();  // unknown
  zander.birthMoment.reset();
  zander.notes = "erste Zeile\nzweite, mit Komma";
  const auto second = value(archive.store(zander));
  Person arndt = cologne("Ärndt", "Bea");
  const auto third = value(archive.store(arndt));

  const auto found = value(archive.find(second.id));
  ASSERT_TRUE(found);
  zander.id = second.id;
  zander.created = found->created;
  zander.changed = found->changed;
  EXPECT_EQ(*found, zander);
  EXPECT_EQ(found->created.size(), 19u);  // "2026-12-08 14:03:12"
  EXPECT_FALSE(value(archive.find(99)));

  // By number; by name with the umlauts folded: Ärndt before Müller before Zander.
  std::vector<Person> all = value(archive.persons());
  EXPECT_EQ(all.back().name, "Ärndt");
  archive::sortByName(all);
  std::vector<std::string> names;
  for (const Person& person : all) names.push_back(person.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Ärndt", "Müller", "Zander"}));

  Person changed = *found;
  changed.place = "Bonn";
  EXPECT_EQ(archive.update(changed), std::nullopt);
  EXPECT_EQ(value(archive.find(second.id))->place, "Bonn");

  // A removed person's number is never given again; restored, it has it back.
  const Person removed = *value(archive.find(third.id));
  EXPECT_EQ(archive.remove(third.id), std::nullopt);
  EXPECT_FALSE(value(archive.find(third.id)));
  const auto fourth = value(archive.store(cologne("Neu", "Nora")));
  EXPECT_GT(fourth.id, third.id);
  EXPECT_EQ(archive.restore(removed), std::nullopt);
  EXPECT_EQ(value(archive.find(third.id)), removed);
  EXPECT_EQ(anna.id, 1);

  // Everything is on the disk for the next program that opens it.
  Archive again = openArchive(file);
  EXPECT_EQ(value(again.persons()).size(), 4u);
}

TEST(Archive, TheSamePersonIsKeptOnce) {
  TempDir dir;
  Archive archive = openArchive(dir.path() / "a.sqlite");
  const auto first = value(archive.store(cologne()));
  // The same moment written with another zone is the same birth.
  Person offset = cologne();
  offset.zone = "+01:00";
  offset.notes = "anders notiert";
  const auto same = value(archive.store(offset));
  EXPECT_FALSE(same.added);
  EXPECT_EQ(same.id, first.id);
  // Another minute, another place, another first name: other persons.
  Person later = cologne();
  later.birthTime->minute = 31;
  later.birthMoment = archive::momentOfBirth(later);
  Person bonn = cologne();
  bonn.place = "Bonn";
  for (const Person& other : {later, bonn, cologne("Müller", "Anne")}) {
    EXPECT_TRUE(value(archive.store(other)).added);
  }
  // Without a moment the local date and time decide.
  Person unknown = cologne("Ohne", "Zeit");
  unknown.birthTime.reset();
  unknown.birthMoment.reset();
  EXPECT_TRUE(value(archive.store(unknown)).added);
  EXPECT_FALSE(value(archive.store(unknown)).added);
  unknown.birthDate.day = 6;
  EXPECT_TRUE(value(archive.store(unknown)).added);
  EXPECT_EQ(value(archive.persons()).size(), 6u);
}

TEST(Archive, PersonsWithFaultsAreRefused) {
  TempDir dir;
  Archive archive = openArchive(dir.path() / "a.sqlite");
  const auto refusal = [&](const Person& person) {
    const auto stored = archive.store(person);
    return rejection(stored) ? rejection(stored)->message : std::string("(gespeichert)");
  };
  Person nameless = cologne("", "");
  EXPECT_EQ(refusal(nameless), "Name: Bitte einen Namen oder einen Vornamen angeben.");
  EXPECT_EQ(refusal(cologne("Müller, Anna", "")),
            "Name: Das Komma trennt im Austauschformat AAF die Felder und ist hier nicht erlaubt.");
  EXPECT_EQ(refusal(cologne("Mül\tler")),
            "Name: Steuerzeichen und ungültige Zeichen sind nicht erlaubt.");
  EXPECT_EQ(refusal(cologne("*")),
            "Name: Ein Stern allein bedeutet im Austauschformat AAF „unbekannt“.");
  Person old = cologne();
  old.birthDate.year = 3001;
  EXPECT_EQ(refusal(old), "Geburtsdatum: Das Jahr 3001 liegt nicht zwischen 1000 und 2999.");
  Person feb30 = cologne();
  feb30.birthDate = {1970, 2, 30};
  EXPECT_NE(refusal(feb30).find("kein gültiges Datum"), std::string::npos);
  Person zone = cologne();
  zone.zone = "Europe/Koeln";
  EXPECT_NE(refusal(zone).find("Zeitzone: Die Zeitzone \"Europe/Koeln\" ist unbekannt."),
            std::string::npos);
  // The range of every entry of a place: no pole, no 89°59'59".
  for (const double latitude : {90.5, 90.0, -90.0, archive::degreesOfArcSeconds(323999)}) {
    Person north = cologne();
    north.latitude = latitude;
    EXPECT_EQ(refusal(north), "Breite: Sie liegt außerhalb von 89°59' S bis 89°59' N.");
  }
  Person nan = cologne();
  nan.longitude = std::nan("");
  EXPECT_EQ(refusal(nan), "Länge: Sie liegt außerhalb von 180° W bis 180° O.");
  Person notes = cologne();
  notes.notes = std::string(10001, 'x');
  EXPECT_EQ(refusal(notes), "Notizen: Höchstens 10000 Zeichen (eingegeben: 10001).");
  notes.notes = "zwei\nZeilen, mit Komma";
  EXPECT_EQ(refusal(notes), "(gespeichert)");
  EXPECT_EQ(value(archive.persons()).size(), 1u);
}

TEST(Archive, AnEmptyFileBecomesAnArchiveInWriteAheadMode) {
  TempDir dir;
  const auto file = dir.path() / "neu.sqlite";
  std::ofstream(file).close();  // 0 bytes, as a kill while making it could leave
  openArchive(file);
  OtherConnection check(file);
  EXPECT_EQ(check.text("PRAGMA application_id"), std::to_string(archive::kApplicationId));
  EXPECT_EQ(check.text("PRAGMA user_version"), std::to_string(archive::kSchemaVersion));
  EXPECT_EQ(check.text("PRAGMA journal_mode"), "wal");
}

TEST(Archive, ReadingAMissingArchiveMakesNoFile) {
  TempDir dir;
  const auto file = dir.path() / "personen.sqlite";
  auto opened = Archive::open(file, Archive::Access::read);
  ASSERT_FALSE(rejection(opened));
  EXPECT_TRUE(value(std::get<Archive>(opened).persons()).empty());
  EXPECT_FALSE(std::filesystem::exists(file));
  const auto missingFolder = Archive::open(dir.path() / "fehlt" / "personen.sqlite");
  ASSERT_TRUE(rejection(missingFolder));
  EXPECT_NE(rejection(missingFolder)->message.find("lässt sich nicht öffnen oder anlegen"),
            std::string::npos);
}

// Random bytes, an archive cut in half, another program's database, an
// archive of a newer Kelvaro: each refused with its message, and not one byte
// of it changed.
TEST(Archive, FilesThatAreNoArchiveOfOursAreRefusedUntouched) {
  TempDir dir;
  std::mt19937 random(29);
  std::string noise(8192, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  const auto randomFile = dir.path() / "rauschen.sqlite";
  std::ofstream(randomFile, std::ios::binary) << noise;

  const auto cut = dir.path() / "halb.sqlite";
  {
    Archive archive = openArchive(cut);
    std::vector<Person> many;
    for (int i = 0; i < 400; ++i) many.push_back(cologne("Name" + std::to_string(i)));
    value(archive.storeAll(many));
  }
  std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);

  const auto foreign = dir.path() / "fremd.sqlite";
  {
    OtherConnection other(foreign);
    other.run("CREATE TABLE kunden (name TEXT); INSERT INTO kunden VALUES ('x')");
  }
  const auto newer = dir.path() / "neuer.sqlite";
  {
    OtherConnection other(newer);
    other.run(
        "PRAGMA application_id = 1263294034; PRAGMA user_version = 9;"
        "CREATE TABLE persons (id INTEGER)");
  }
  const std::pair<std::filesystem::path, std::string> cases[] = {
      {randomFile, "ist kein lesbares Personenarchiv (beschädigt oder keine Datenbank)"},
      {cut, "ist kein lesbares Personenarchiv (beschädigt oder keine Datenbank)"},
      {foreign, "ist die Datenbank eines anderen Programms, kein Personenarchiv von Kelvaro"},
      {newer, "stammt von einer neueren Kelvaro-Version (Schema 9)"},
  };
  for (const auto& [file, message] : cases) {
    const std::string before = testing::fileBytes(file);
    for (const auto access : {Archive::Access::write, Archive::Access::read}) {
      const auto opened = Archive::open(file, access);
      ASSERT_TRUE(rejection(opened)) << file;
      EXPECT_NE(rejection(opened)->message.find(message), std::string::npos)
          << rejection(opened)->message;
    }
    EXPECT_EQ(testing::fileBytes(file), before) << file;
  }
}

// The window and kelvaro-persons at once: a change waits for the other
// writer, and says so when the other one does not finish in time.
TEST(Archive, AChangeWaitsForAnotherWriterThenReports) {
  TempDir dir;
  const auto file = dir.path() / "a.sqlite";
  Archive archive = openArchive(file);
  {
    OtherConnection writer(file);
    ASSERT_EQ(writer.run("BEGIN IMMEDIATE"), SQLITE_OK);
    std::thread finish([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      writer.run("COMMIT");
    });
    EXPECT_TRUE(value(archive.store(cologne())).added);  // after the other one
    finish.join();
  }
  OtherConnection writer(file);
  ASSERT_EQ(writer.run("BEGIN IMMEDIATE"), SQLITE_OK);
  Archive impatient = openArchive(file, std::chrono::milliseconds(200));
  const auto stored = impatient.store(cologne("Zweite"));
  ASSERT_TRUE(rejection(stored));
  EXPECT_EQ(rejection(stored)->message,
            "Das Personenarchiv " + file.string() +
                " ist gerade in Benutzung (ein anderes Fenster oder kelvaro-persons schreibt "
                "darin). Bitte gleich noch einmal versuchen.");
  writer.run("ROLLBACK");
  EXPECT_EQ(value(impatient.persons()).size(), 1u);
}

// A failure in the middle of a list (here a trigger stands for a full disk)
// leaves the archive as it was.
TEST(Archive, AListIsStoredWholeOrNotAtAll) {
  TempDir dir;
  const auto file = dir.path() / "a.sqlite";
  Archive archive = openArchive(file);
  value(archive.store(cologne("Vorher")));
  OtherConnection(file).run(
      "CREATE TRIGGER stop BEFORE INSERT ON persons WHEN NEW.name = 'Fehler' "
      "BEGIN SELECT RAISE(ABORT, 'kein Platz'); END");
  const auto stored =
      archive.storeAll({cologne("Erste"), cologne("Zweite"), cologne("Fehler"), cologne("Vierte")});
  ASSERT_TRUE(rejection(stored));
  std::vector<std::string> names;
  for (const Person& person : value(archive.persons())) names.push_back(person.name);
  EXPECT_EQ(names, std::vector<std::string>{"Vorher"});
}

TEST(Archive, RemembersTheLastTransitPlace) {
  TempDir dir;
  const auto file = dir.path() / "a.sqlite";
  Archive archive = openArchive(file);
  EXPECT_FALSE(value(archive.lastTransitPlace()));
  const archive::TransitPlace bonn{"Bonn", "50°44' N", "07°06' O", "Europe/Berlin"};
  EXPECT_EQ(archive.rememberTransitPlace(bonn), std::nullopt);
  EXPECT_EQ(value(openArchive(file).lastTransitPlace()), bonn);
}

}  // namespace
}  // namespace kelvaro::testing
