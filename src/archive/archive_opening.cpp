#include "archive/archive_opening.h"

#include <sqlite3.h>

#include <random>

#include "archive/archive_failure.h"
#include "archive/companion_files.h"
#include "core/system_error_text.h"
#include "core/text_encoding.h"
#include "output/file_replace.h"

namespace kelvaro::archive {
namespace {

// The -wal and -shm that a read-only connection made beside a refused file:
// a connection that may write removes them when it closes as the last one
// (with the file's lock, so never while another program uses them). It only
// reads; with an empty -journal (or none) and an empty -wal nothing is
// rolled back or copied into the file.
void closeLogMadeByExamination(const std::filesystem::path& file) {
  const auto log = withSuffix(file, "-wal");
  if (!present(log) && !present(withSuffix(file, "-shm"))) return;
  std::error_code error;
  const auto journal = std::filesystem::file_size(withSuffix(file, "-journal"), error);
  if ((!error && journal > 0) || hasLogContent(file)) return;
  try {
    Database closer(file, SQLITE_OPEN_READWRITE, std::chrono::milliseconds(0));
    closer.integer("SELECT count(*) FROM sqlite_schema");
  } catch (const DatabaseFailure&) {
    // A damaged file: the connection has opened the log all the same.
  }
}

Verdict examine(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout,
                Database::Opening opening) {
  try {
    Database probe(file, SQLITE_OPEN_READONLY, busyTimeout, opening);
    if (auto refused = refusalOf(recognise(probe), file)) return {refused, std::nullopt};
    Statement check = probe.prepare("PRAGMA quick_check");
    if (!check.step() || check.text(0) != "ok") return {damagedMessage(file), std::nullopt};
    return {};
  } catch (const DatabaseFailure& failure) {
    return {examinationMessage(failure, file), failureKind(failure)};
  }
}

}  // namespace

std::optional<std::string> refusalOf(const Recognition& found, const std::filesystem::path& file) {
  switch (found.kind) {
    case DatabaseKind::foreign:
      return "Die Datei " + utf8FromPath(file) +
             " ist die Datenbank eines anderen Programms, kein Personenarchiv von Kelvaro. Sie "
             "bleibt, wie sie ist.";
    case DatabaseKind::newer:
      return "Das Personenarchiv " + utf8FromPath(file) +
             " stammt von einer neueren Kelvaro-Version (Schema " + std::to_string(found.version) +
             "). Es bleibt, wie es ist.";
    case DatabaseKind::unknownVersion:
      return "Das Personenarchiv " + utf8FromPath(file) + " trägt die ungültige Schema-Version " +
             std::to_string(found.version) + " und ist damit beschädigt. Es bleibt, wie es ist." +
             recoveryNote(file);
    case DatabaseKind::damaged:
      return damagedMessage(file);
    case DatabaseKind::empty:
    case DatabaseKind::archive:
      break;
  }
  return std::nullopt;
}

std::string readOnlyMessage(const std::filesystem::path& file) {
  return failureMessage({SQLITE_READONLY, {}}, file);
}

Verdict examineExisting(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout,
                        Database::Opening opening) {
  const bool hadBoth = present(withSuffix(file, "-wal")) && present(withSuffix(file, "-shm"));
  Verdict verdict = examine(file, busyTimeout, opening);
  if (verdict.refusal && !hadBoth) closeLogMadeByExamination(file);
  return verdict;
}

bool hasLogContent(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(withSuffix(file, "-wal"), error);
  return !error && size > 0;
}

Checked<bool> createArchiveFile(const std::filesystem::path& file,
                                std::chrono::milliseconds busyTimeout) {
  std::filesystem::path temporary = file.parent_path() / ".";
  temporary += file.filename();
  temporary += "-" + std::to_string(std::random_device()()) + ".neu";
  const auto removeTemporary = [&] {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
      std::filesystem::remove(withSuffix(temporary, suffix), ignored);
    }
  };
  try {
    Database made(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeout);
    made.execute("PRAGMA journal_mode = WAL");
    upgrade(made);
  } catch (const DatabaseFailure& failure) {
    removeTemporary();
    // No new file in a folder that is there: it is write-protected.
    const auto folder = file.parent_path().empty() ? "." : file.parent_path();
    if (failureKind(failure) == FailureKind::cannotOpen && present(folder)) {
      return Rejection{readOnlyMessage(file)};
    }
    return Rejection{failureMessage(failure, file)};
  }
  // Closed: its log is folded into it and gone.
  const std::error_code moved = moveIfFree(temporary, file);
  removeTemporary();
  if (moved && moved != std::errc::file_exists) {
    return Rejection{"Das Personenarchiv " + utf8FromPath(file) +
                     " lässt sich nicht anlegen: " + systemErrorText(moved) + "."};
  }
  return !moved;
}

}  // namespace kelvaro::archive
