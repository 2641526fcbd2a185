#include "archive/archive_backup.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>

#include "archive/archive.h"
#include "archive/archive_failure.h"
#include "archive/database.h"
#include "archive/schema.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/file_replace.h"

namespace kelvaro::archive {
namespace {

constexpr std::size_t kStampLength = 17;  // "2026-12-09-165100"

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

std::string stampOf(const std::tm& time) {
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d-%02d%02d%02d", time.tm_year + 1900,
                time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
  return text;
}

std::string stemOf(const std::filesystem::path& archiveFile) {
  return utf8FromPath(archiveFile.stem());
}

// A backup's name split up: its time stamp and its number within the second
// (1 for the first); nothing for a name that is no backup of the archive.
struct BackupName {
  std::string stamp;
  int number = 1;
};

std::optional<BackupName> backupNameOf(const std::string& name, const std::string& stem) {
  const std::string prefix = stem + "-";
  const std::string suffix = ".sqlite";
  if (!name.starts_with(prefix) || !name.ends_with(suffix)) return std::nullopt;
  const std::string middle =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (middle.size() < kStampLength) return std::nullopt;
  BackupName found{middle.substr(0, kStampLength)};
  for (std::size_t i = 0; i < kStampLength; ++i) {
    const bool dash = i == 4 || i == 7 || i == 10;
    if (dash ? found.stamp[i] != '-' : (found.stamp[i] < '0' || found.stamp[i] > '9')) {
      return std::nullopt;
    }
  }
  const std::string rest = middle.substr(kStampLength);
  if (rest.empty()) return found;
  if (rest.size() < 2 || rest.size() > 4 || rest[0] != '-' ||
      !std::all_of(rest.begin() + 1, rest.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  found.number = std::stoi(rest.substr(1));
  return found;
}

// "09.12.2026 16:51:00" of "2026-12-09-165100".
std::string takenOf(const std::string& stamp) {
  return stamp.substr(8, 2) + "." + stamp.substr(5, 2) + "." + stamp.substr(0, 4) + " " +
         stamp.substr(11, 2) + ":" + stamp.substr(13, 2) + ":" + stamp.substr(15, 2);
}

std::optional<long long> personsIn(const std::filesystem::path& file) {
  try {
    Database copy(file, SQLITE_OPEN_READONLY, kBusyTimeout);
    if (recognise(copy).kind != DatabaseKind::archive) return std::nullopt;
    return copy.integer("SELECT count(*) FROM persons");
  } catch (const DatabaseFailure&) {
    return std::nullopt;
  }
}

struct Named {
  std::filesystem::path file;
  BackupName name;
};

// The backups of the archive, the newest first, without reading them.
std::vector<Named> namedBackups(const std::filesystem::path& archiveFile) {
  std::vector<Named> found;
  std::error_code error;
  const std::string stem = stemOf(archiveFile);
  for (const auto& entry : std::filesystem::directory_iterator(backupFolder(archiveFile), error)) {
    if (auto name = backupNameOf(utf8FromPath(entry.path().filename()), stem)) {
      found.push_back({entry.path(), *name});
    }
  }
  std::sort(found.begin(), found.end(), [](const Named& a, const Named& b) {
    return a.name.stamp != b.name.stamp ? a.name.stamp > b.name.stamp
                                        : a.name.number > b.name.number;
  });
  return found;
}

// Why the library failed, in a few words for the backup's message.
std::string reasonOf(const DatabaseFailure& failure) {
  switch (failureKind(failure)) {
    case FailureKind::full:
      return systemErrorText(std::make_error_code(std::errc::no_space_on_device));
    case FailureKind::readOnly:
    case FailureKind::cannotOpen:
      return "Der Ordner ist schreibgeschützt oder fehlt";
    case FailureKind::busy:
      return "Das Archiv ist gerade in Benutzung";
    default:
      return "SQLite-Fehler " + std::to_string(failure.code);
  }
}

void removeDatabaseFile(const std::filesystem::path& file) {
  std::error_code ignored;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    std::filesystem::path named = file;
    named += suffix;
    std::filesystem::remove(named, ignored);
  }
}

// A copy of the archive under a temporary name in `folder`: one file, without
// a log (journal mode DELETE), so that reading it makes nothing beside it.
std::filesystem::path copyOf(Database& database, const std::filesystem::path& folder,
                             const std::string& stem) {
  const auto copy =
      folder / pathFromUtf8("." + stem + "-" + std::to_string(std::random_device()()) + ".neu");
  try {
    {
      Database target(copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, kBusyTimeout);
      database.copyInto(target);
    }
    Database target(copy, SQLITE_OPEN_READWRITE, kBusyTimeout);
    target.execute("PRAGMA journal_mode = DELETE");
  } catch (...) {
    removeDatabaseFile(copy);
    throw;
  }
  return copy;
}

}  // namespace

std::filesystem::path backupFolder(const std::filesystem::path& archiveFile) {
  return archiveFile.parent_path() / "Sicherungen";
}

std::vector<Backup> backupsOf(const std::filesystem::path& archiveFile) {
  std::vector<Backup> backups;
  for (const Named& named : namedBackups(archiveFile)) {
    backups.push_back({named.file, named.name.stamp.substr(0, 10), takenOf(named.name.stamp),
                       personsIn(named.file)});
  }
  return backups;
}

std::size_t backupCount(const std::filesystem::path& archiveFile) {
  return namedBackups(archiveFile).size();
}

std::string backupDay() { return stampOf(localNow()).substr(0, 10); }

bool hasBackupOfDay(const std::filesystem::path& archiveFile, const std::string& day) {
  const std::vector<Named> all = namedBackups(archiveFile);
  return std::any_of(all.begin(), all.end(),
                     [&](const Named& named) { return named.name.stamp.starts_with(day); });
}

Checked<std::filesystem::path> writeBackup(Database& database,
                                           const std::filesystem::path& archiveFile) {
  const std::filesystem::path folder = backupFolder(archiveFile);
  const std::string stem = stemOf(archiveFile);
  const auto refused = [&](const std::string& why) {
    return Rejection{"Vor der Änderung ließ sich keine Sicherung des Personenarchivs in " +
                     utf8FromPath(folder) + " anlegen (" + why +
                     "). Die Änderung ist nicht ausgeführt; das Archiv bleibt, wie es war."};
  };
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return refused(systemErrorText(error));
  std::filesystem::path copy;
  try {
    copy = copyOf(database, folder, stem);
  } catch (const DatabaseFailure& failure) {
    return refused(reasonOf(failure));
  }
  const std::string stamp = stampOf(localNow());
  // Within one second the numbers go on after the highest there, also where
  // an earlier one of that second was removed as the oldest.
  int first = 1;
  for (const Named& named : namedBackups(archiveFile)) {
    if (named.name.stamp == stamp) first = std::max(first, named.name.number + 1);
  }
  for (int number = first; number < first + 100; ++number) {
    const std::string name =
        stem + "-" + stamp + (number == 1 ? "" : "-" + std::to_string(number)) + ".sqlite";
    const std::filesystem::path backup = folder / pathFromUtf8(name);
    error = moveIfFree(copy, backup);
    if (!error) {
      const std::vector<Named> all = namedBackups(archiveFile);
      for (std::size_t old = kKeptBackups; old < all.size(); ++old) {
        removeDatabaseFile(all[old].file);
      }
      return backup;
    }
    if (error != std::errc::file_exists) break;
  }
  removeDatabaseFile(copy);
  return refused(systemErrorText(error));
}

}  // namespace kelvaro::archive
