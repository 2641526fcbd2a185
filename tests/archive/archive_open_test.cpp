// Opening the archive file: what is refused and what the messages say, and
// that a refused file keeps every byte and gets nothing beside it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <set>

#include "archive/archive.h"
#include "archive/person_builder.h"
#include "archive/schema.h"
#include "core/text_encoding.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#ifndef _WIN32
#include <sys/stat.h>

#include "support/sandbox.h"
#endif

namespace kelvaro::testing {
namespace {

using archive::Archive;

std::set<std::string> namesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(utf8FromPath(entry.path().filename()));
  }
  return names;
}

// A database of another program (or of a Kelvaro with another schema) in
// write-ahead mode, as Kelvaro's own archives are.
void makeDatabase(const std::filesystem::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(utf8FromPath(file).c_str(), &db);
  sqlite3_exec(db, ("PRAGMA journal_mode = WAL;" + sql).c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

std::string refusalOf(const std::filesystem::path& file, Archive::Access access) {
  const auto opened = Archive::open(file, access);
  return rejection(opened) ? rejection(opened)->message : "(geöffnet)";
}

// Another program's database, a newer Kelvaro's archive, archives with a
// schema version of 0 or below (which once indexed the upgrade steps out of
// bounds) and one whose table lacks columns: refused with their messages, for reading and for
// writing, and left byte for byte, with no -wal or -shm beside them.
TEST(ArchiveOpen, RefusedDatabasesKeepEveryByteAndGetNothingBeside) {
  TempDir dir;
  const std::string mark = "PRAGMA application_id = " + std::to_string(archive::kApplicationId);
  const std::pair<const char*, std::string> databases[] = {
      {"fremd.sqlite", "CREATE TABLE kunden (name TEXT)"},
      {"neuer.sqlite", mark + "; PRAGMA user_version = 9; CREATE TABLE persons (id INTEGER)"},
      {"null.sqlite", mark + "; CREATE TABLE persons (id INTEGER)"},
      {"negativ.sqlite", mark + "; PRAGMA user_version = -3; CREATE TABLE persons (id INTEGER)"},
      {"spalten.sqlite", mark + "; PRAGMA user_version = 1; CREATE TABLE persons (id, name);"
                                "CREATE TABLE settings (key, value)"},
  };
  for (const auto& [name, sql] : databases) makeDatabase(dir.path() / name, sql);
  const std::set<std::string> before = namesIn(dir.path());
  const std::pair<const char*, std::string> expected[] = {
      {"fremd.sqlite", "ist die Datenbank eines anderen Programms, kein Personenarchiv"},
      {"neuer.sqlite", "stammt von einer neueren Kelvaro-Version (Schema 9)"},
      {"null.sqlite", "trägt die ungültige Schema-Version 0 und ist damit beschädigt"},
      {"negativ.sqlite", "trägt die ungültige Schema-Version -3 und ist damit beschädigt"},
      {"spalten.sqlite", "ist kein lesbares Personenarchiv (beschädigt oder keine Datenbank)"},
  };
  for (const auto& [name, message] : expected) {
    const auto file = dir.path() / name;
    const std::string bytes = testing::fileBytes(file);
    for (const auto access : {Archive::Access::read, Archive::Access::write}) {
      EXPECT_NE(refusalOf(file, access).find(message), std::string::npos)
          << name << ": " << refusalOf(file, access);
    }
    EXPECT_EQ(testing::fileBytes(file), bytes) << name;
  }
  EXPECT_EQ(namesIn(dir.path()), before);
}

#ifndef _WIN32
// A device or a named pipe is no archive: refused before the library opens
// it, so that neither waits for a writer nor gets a -journal beside it.
TEST(ArchiveOpen, DevicesAndPipesAreRefusedUntouched) {
  TempDir dir;
  const auto pipe = dir.path() / "rohr.sqlite";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::pair<std::filesystem::path, std::string> kinds[] = {{"/dev/null", "ein Gerät"},
                                                                 {pipe, "eine benannte Pipe"}};
  for (const auto& [file, kind] : kinds) {
    for (const auto access : {Archive::Access::read, Archive::Access::write}) {
      EXPECT_EQ(refusalOf(file, access),
                "Das Personenarchiv " + file.string() + " ist " + kind + ", keine Datei.");
    }
  }
  EXPECT_FALSE(std::filesystem::exists("/dev/null-journal"));
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"rohr.sqlite"});
}

// The archive of `folder` with one person, made before the disk changes.
std::string makeArchiveIn(const std::filesystem::path& folder) {
  auto opened = Archive::open(folder / "personen.sqlite");
  if (const Rejection* refused = rejection(opened)) return refused->message;
  const auto stored = std::get<Archive>(opened).store(cologne());
  return rejection(stored) ? rejection(stored)->message : "";
}

// The person is still read; a change is refused with `message`, and the
// archive is as it was.
std::string checkReadButNotWritten(const std::filesystem::path& folder,
                                   const std::string& message) {
  const auto file = folder / "personen.sqlite";
  const std::string bytes = testing::fileBytes(file);
  auto read = Archive::open(file, Archive::Access::read);
  if (const Rejection* refused = rejection(read)) return "reading: " + refused->message;
  const auto persons = std::get<Archive>(read).persons();
  if (rejection(persons) || std::get<std::vector<archive::Person>>(persons).size() != 1) {
    return "the person is not read";
  }
  const std::string refused = refusalOf(file, Archive::Access::write);
  if (refused.find(message) == std::string::npos) return "writing: " + refused;
  if (testing::fileBytes(file) != bytes) return "the archive changed";
  return {};
}

TEST(ArchiveOpen, AHealthyArchiveOnAFullDiskIsReadAndSaysSo) {
  const auto outcome = inPrivateTmpfs(256, [](const std::filesystem::path& folder) {
    if (std::string failed = makeArchiveIn(folder); !failed.empty()) return failed;
    if (std::string error = fillUp(folder); !error.empty()) return error;
    return checkReadButNotWritten(folder, "Auf dem Datenträger ist kein Platz mehr.");
  });
  if (!outcome.available) GTEST_SKIP() << "no tmpfs: " << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}

TEST(ArchiveOpen, AHealthyArchiveOnAReadOnlyDiskIsReadAndSaysSo) {
  const auto outcome = inPrivateTmpfs(256, [](const std::filesystem::path& folder) {
    if (std::string failed = makeArchiveIn(folder); !failed.empty()) return failed;
    if (std::string error = remountReadOnly(folder); !error.empty()) return error;
    return checkReadButNotWritten(folder, "schreibgeschützt");
  });
  if (!outcome.available) GTEST_SKIP() << "no tmpfs: " << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}

TEST(ArchiveOpen, AHealthyArchiveInAReadOnlyFolderIsReadAndSaysSo) {
  TempDir dir;
  ASSERT_EQ(makeArchiveIn(dir.path()), "");
  namespace fs = std::filesystem;
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  const auto outcome = asOrdinaryUser([&] {
    if (std::string failed = checkReadButNotWritten(dir.path(), "schreibgeschützt");
        !failed.empty()) {
      return failed;
    }
    const std::string refused = refusalOf(dir.path() / "neu.sqlite", Archive::Access::write);
    return refused.find("schreibgeschützt") == std::string::npos ? "new: " + refused
                                                                 : std::string();
  });
  if (!outcome.available) GTEST_SKIP() << outcome.reason;
  EXPECT_EQ(outcome.failure, "");
}
#endif  // _WIN32

}  // namespace
}  // namespace kelvaro::testing
