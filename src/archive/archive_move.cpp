#include "archive/archive_move.h"

#include <sqlite3.h>

#include <optional>
#include <random>

#include "archive/archive.h"
#include "archive/archive_failure.h"
#include "archive/companion_files.h"
#include "archive/database.h"
#include "archive/schema.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/file_replace.h"

namespace kelvaro::archive {
namespace {

// A copy of `source` under a temporary name beside `current`, checked whole;
// empty after a failure (the message in `failure`).
std::filesystem::path checkedCopy(Database& source, const std::filesystem::path& current,
                                  std::string& failure) {
  std::filesystem::path copy = current.parent_path() / ".";
  copy += current.filename();
  copy += "-" + std::to_string(std::random_device()()) + ".neu";
  try {
    {
      Database target(copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, kBusyTimeout);
      source.copyInto(target);
      target.execute("PRAGMA journal_mode = WAL");
    }
    Database check(copy, SQLITE_OPEN_READWRITE, kBusyTimeout);  // which removes its log
    Statement integrity = check.prepare("PRAGMA integrity_check");
    if (integrity.step() && integrity.text(0) == "ok" &&
        recognise(check).kind == DatabaseKind::archive) {
      return copy;
    }
    failure = "die Kopie besteht die Prüfung nicht";
  } catch (const DatabaseFailure& error) {
    failure = failureMessage(error, copy);
  }
  std::error_code ignored;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    std::filesystem::remove(withSuffix(copy, suffix), ignored);
  }
  return {};
}

// Renames `earlier` to the first free name "….verschoben", "….verschoben-2" …
std::optional<std::filesystem::path> renameAside(const std::filesystem::path& earlier,
                                                 std::error_code& error) {
  for (int number = 1; number < 100; ++number) {
    const auto aside =
        withSuffix(earlier, number == 1 ? ".verschoben" : ".verschoben-" + std::to_string(number));
    error = moveIfFree(earlier, aside);
    if (!error) return aside;
    if (error != std::errc::file_exists) return std::nullopt;
  }
  return std::nullopt;
}

ArchiveChoice stayed(const std::filesystem::path& earlier, const std::filesystem::path& current,
                     const std::string& why) {
  return {earlier, "Das Personenarchiv " + utf8FromPath(earlier) + " ließ sich nicht nach " +
                       utf8FromPath(current) + " umziehen (" + why +
                       "). Kelvaro benutzt es weiter an seinem bisherigen Platz."};
}

}  // namespace

ArchiveChoice archiveAfterMove(const std::filesystem::path& earlier,
                               const std::filesystem::path& current,
                               std::chrono::milliseconds busyTimeout) {
  std::error_code error;
  const bool moving = !present(current) && std::filesystem::is_regular_file(earlier, error);
  std::filesystem::create_directories(current.parent_path(), error);
  if (!moving) return {current, {}};
  if (error) return stayed(earlier, current, systemErrorText(error));

  std::optional<Database> source;
  try {
    source.emplace(earlier, SQLITE_OPEN_READWRITE, busyTimeout);
    // Held until the connection closes: no other program reads or writes
    // the archive while it moves.
    source->execute("PRAGMA locking_mode = EXCLUSIVE; BEGIN IMMEDIATE; COMMIT");
    if (recognise(*source).kind != DatabaseKind::archive) return {earlier, {}};
  } catch (const DatabaseFailure& failure) {
    if (failureKind(failure) != FailureKind::busy) return {earlier, {}};
    return {earlier, "Das Personenarchiv " + utf8FromPath(earlier) +
                         " wird gerade von einem anderen Programm benutzt und bleibt deshalb "
                         "vorerst dort. Kelvaro zieht es beim nächsten Mal nach " +
                         utf8FromPath(current) + " um."};
  }
  // Another Kelvaro may have moved it while this one waited for the lock.
  if (present(current)) return {current, {}};
  std::string failure;
  const std::filesystem::path copy = checkedCopy(*source, current, failure);
  if (copy.empty()) return stayed(earlier, current, failure);
  if (const std::error_code taken = moveIfFree(copy, current)) {
    std::filesystem::remove(copy, error);
    return present(current) ? ArchiveChoice{current, {}}
                            : stayed(earlier, current, systemErrorText(taken));
  }
#ifdef _WIN32
  source.reset();  // Windows renames no file that is open
#endif
  const auto aside = renameAside(earlier, error);
  source.reset();
  if (!aside) {
    return {current, "Das Personenarchiv ist nach " + utf8FromPath(current) +
                         " umgezogen. Die alte Datei " + utf8FromPath(earlier) +
                         " ließ sich nicht umbenennen (" + systemErrorText(error) +
                         ") und wird nicht mehr benutzt."};
  }
  return {current,
          "Das Personenarchiv ist in den Datenordner " + utf8FromPath(current.parent_path()) +
              " umgezogen. Die bisherige Datei bleibt als " + utf8FromPath(*aside) + " erhalten."};
}

}  // namespace kelvaro::archive
