// The archive's backups: before the first change of a day and before every
// import, the last ten kept, each one whole file; restoring one after a
// backup of the state before; no change where no backup can be made.
#include "archive/archive_backup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "archive/archive.h"
#include "archive/person_builder.h"
#include "core/text_encoding.h"
#include "support/temp_dir.h"

namespace kelvaro::testing {
namespace {

using archive::Archive;
using archive::Backup;

template <typename T>
T value(Checked<T> checked) {
  if (const Rejection* refused = rejection(checked)) ADD_FAILURE() << refused->message;
  return std::get<T>(std::move(checked));
}

Archive openArchive(const std::filesystem::path& file) { return value(Archive::open(file)); }

std::vector<std::string> namesIn(const Archive& archive) {
  std::vector<std::string> names;
  for (const auto& person : value(archive.persons())) names.push_back(person.name);
  return names;
}

std::vector<long long> personCounts(const std::vector<Backup>& backups) {
  std::vector<long long> counts;
  for (const Backup& backup : backups) counts.push_back(backup.persons.value_or(-1));
  return counts;
}

std::vector<std::string> filesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(utf8FromPath(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ArchiveBackup, BeforeTheFirstChangeOfADayAndBeforeEveryImport) {
  TempDir dir;
  const auto file = dir.path() / "personen.sqlite";
  {
    Archive archive = openArchive(file);
    value(archive.store(cologne("Erste")));  // nothing to lose yet: no backup
    EXPECT_TRUE(archive::backupsOf(file).empty());
    value(archive.store(cologne("Zweite")));  // the first change of the day with persons
    value(archive.store(cologne("Dritte")));
    EXPECT_EQ(archive.remove(1), std::nullopt);
    EXPECT_EQ(personCounts(archive::backupsOf(file)), std::vector<long long>{1});
    value(archive.storeAll({cologne("Vierte")}));  // an import: always
  }
  // Another program the same day: today's backup is there.
  value(openArchive(file).store(cologne("Fünfte")));

  const std::vector<Backup> backups = archive::backupsOf(file);
  EXPECT_EQ(personCounts(backups), (std::vector<long long>{2, 1}));  // the newest first
  for (const Backup& backup : backups) {
    EXPECT_EQ(backup.file.parent_path(), dir.path() / "Sicherungen");
    EXPECT_TRUE(std::regex_match(utf8FromPath(backup.file.filename()),
                                 std::regex(R"(personen-\d{4}-\d\d-\d\d-\d{6}(-\d+)?\.sqlite)")));
    EXPECT_TRUE(std::regex_match(backup.taken, std::regex(R"(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d)")));
    EXPECT_EQ(backup.day, archive::backupDay());
  }
  // Each backup is one whole file: reading it leaves nothing beside it.
  auto oldest = Archive::open(backups.back().file, Archive::Access::read);
  EXPECT_EQ(namesIn(std::get<Archive>(oldest)), std::vector<std::string>{"Erste"});
  EXPECT_EQ(filesIn(dir.path() / "Sicherungen").size(), 2u);
}

// Only the last ten backups of an archive stay; other files in the folder,
// backups of another archive among them, are left alone.
TEST(ArchiveBackup, TheLastTenAreKept) {
  TempDir dir;
  const auto file = dir.path() / "personen.sqlite";
  const auto folder = dir.path() / "Sicherungen";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "notizen.txt") << "meine";
  std::ofstream(folder / "andere-2020-01-01-120000.sqlite") << "fremd";
  Archive archive = openArchive(file);
  for (int i = 1; i <= 13; ++i) value(archive.storeAll({cologne("Name" + std::to_string(i))}));
  const std::vector<Backup> backups = archive::backupsOf(file);
  // Before the first import there was no one; the other twelve made backups.
  EXPECT_EQ(personCounts(backups), (std::vector<long long>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3}));
  EXPECT_EQ(filesIn(folder).size(), 12u);
  EXPECT_TRUE(std::filesystem::exists(folder / "notizen.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder / "andere-2020-01-01-120000.sqlite"));
}

TEST(ArchiveBackup, RestoringReplacesTheArchiveAfterABackupOfIt) {
  TempDir dir;
  const auto file = dir.path() / "personen.sqlite";
  Archive archive = openArchive(file);
  value(archive.storeAll({cologne("Müller"), cologne("Weiß")}));
  value(archive.storeAll({cologne("Später")}));  // backs up Müller and Weiß
  EXPECT_EQ(archive.remove(1), std::nullopt);
  Archive other = openArchive(file);  // kelvaro-persons at the same time

  const Backup chosen = archive::backupsOf(file).front();
  ASSERT_EQ(chosen.persons, 2);
  EXPECT_EQ(archive.restoreBackup(chosen.file), std::nullopt);
  EXPECT_EQ(namesIn(archive), (std::vector<std::string>{"Müller", "Weiß"}));
  EXPECT_EQ(namesIn(other), (std::vector<std::string>{"Müller", "Weiß"}));
  EXPECT_EQ(value(archive.find(1))->name, "Müller");  // with its number
  // The state before is the newest backup now.
  EXPECT_EQ(personCounts(archive::backupsOf(file)), (std::vector<long long>{2, 2}));
  auto before = Archive::open(archive::backupsOf(file).front().file, Archive::Access::read);
  EXPECT_EQ(namesIn(std::get<Archive>(before)), (std::vector<std::string>{"Weiß", "Später"}));
  // Numbers are still never given twice.
  EXPECT_GT(value(archive.store(cologne("Neu"))).id, 2);
}

// The archive itself damaged: its message names the backups, and after the
// damaged file is renamed a backup brings the persons back.
TEST(ArchiveBackup, ADamagedArchiveComesBackFromItsBackup) {
  TempDir dir;
  const auto file = dir.path() / "personen.sqlite";
  {
    Archive archive = openArchive(file);
    value(archive.storeAll({cologne("Müller"), cologne("Weiß")}));
    value(archive.storeAll({cologne("Zorn")}));
  }
  std::ofstream(file, std::ios::binary) << std::string(8192, 'x');
  const auto damaged = Archive::open(file);
  ASSERT_TRUE(rejection(damaged));
  EXPECT_NE(rejection(damaged)->message.find(
                " Im Ordner " + utf8FromPath(dir.path() / "Sicherungen") +
                " liegen Sicherungen dieses Archivs: Wer die Datei umbenennt, kann danach eine "
                "davon wiederherstellen"),
            std::string::npos)
      << rejection(damaged)->message;

  std::filesystem::rename(file, dir.path() / "personen-kaputt.sqlite");
  Archive fresh = openArchive(file);
  EXPECT_EQ(fresh.restoreBackup(archive::backupsOf(file).front().file), std::nullopt);
  EXPECT_EQ(namesIn(fresh), (std::vector<std::string>{"Müller", "Weiß"}));
}

// A file that is no whole archive of ours is not restored; the archive stays.
TEST(ArchiveBackup, ABrokenBackupIsNotRestored) {
  TempDir dir;
  const auto file = dir.path() / "personen.sqlite";
  Archive archive = openArchive(file);
  value(archive.storeAll({cologne("Müller")}));
  const auto broken = dir.path() / "kaputt.sqlite";
  std::ofstream(broken, std::ios::binary) << std::string(8192, 'x');
  const auto failure = archive.restoreBackup(broken);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("kein lesbares Personenarchiv"), std::string::npos) << *failure;
  const auto empty = dir.path() / "leer.sqlite";
  std::ofstream(empty).close();
  EXPECT_TRUE(archive.restoreBackup(empty));
  EXPECT_EQ(namesIn(archive), std::vector<std::string>{"Müller"});
}

// Where no backup can be made (here a file stands where the folder should
// be), the change is refused and the archive stays as it was.
TEST(ArchiveBackup, NoBackupNoChange) {
  TempDir dir;
  const auto file = dir.path() / "personen.sqlite";
  Archive archive = openArchive(file);
  value(archive.store(cologne("Erste")));
  std::ofstream(dir.path() / "Sicherungen") << "kein Ordner";
  const auto stored = archive.store(cologne("Zweite"));
  ASSERT_TRUE(rejection(stored));
  EXPECT_EQ(
      rejection(stored)->message.rfind("Vor der Änderung ließ sich keine Sicherung des "
                                       "Personenarchivs in " +
                                           utf8FromPath(dir.path() / "Sicherungen") + " anlegen (",
                                       0),
      0u)
      << rejection(stored)->message;
  EXPECT_EQ(namesIn(archive), std::vector<std::string>{"Erste"});
}

}  // namespace
}  // namespace kelvaro::testing
