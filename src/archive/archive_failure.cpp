#include "archive/archive_failure.h"

#include <sqlite3.h>

#include <cerrno>

#include "archive/archive_backup.h"
#include "core/text_encoding.h"
#ifdef _WIN32
#include "core/windows_error.h"
#endif

namespace kelvaro::archive {
namespace {

// The library's system error as an errno value: on Windows it is a Windows
// error code.
int errnoOf(int systemError) {
  if (systemError == 0) return 0;
#ifdef _WIN32
  return errnoFromWindowsError(static_cast<unsigned long>(systemError)).value();
#else
  return systemError;
#endif
}

bool outOfSpace(int error) {
#ifdef EDQUOT
  if (error == EDQUOT) return true;
#endif
  return error == ENOSPC;
}

bool refusedWriting(int error) { return error == EROFS || error == EACCES || error == EPERM; }

}  // namespace

FailureKind failureKind(const DatabaseFailure& failure) {
  const int error = errnoOf(failure.systemError);
  if (outOfSpace(error)) return FailureKind::full;
  switch (failure.code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return FailureKind::busy;
    case SQLITE_FULL:
      return FailureKind::full;
    case SQLITE_READONLY:
    case SQLITE_PERM:
      return FailureKind::readOnly;
    case SQLITE_CANTOPEN:
      return refusedWriting(error) ? FailureKind::readOnly : FailureKind::cannotOpen;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_ERROR:  // the archive's tables are not as Kelvaro made them
    case SQLITE_MISMATCH:
      return FailureKind::damaged;
    case SQLITE_IOERR:
      return FailureKind::disk;
    default:
      return FailureKind::other;
  }
}

std::string damagedMessage(const std::filesystem::path& file) {
  return "Die Datei " + utf8FromPath(file) +
         " ist kein lesbares Personenarchiv (beschädigt oder keine Datenbank). Sie bleibt, wie "
         "sie ist." +
         recoveryNote(file);
}

std::string recoveryNote(const std::filesystem::path& file) {
  if (backupCount(file) == 0) return {};
  return " Im Ordner " + utf8FromPath(backupFolder(file)) +
         " liegen Sicherungen dieses Archivs: Wer die Datei umbenennt, kann danach eine davon "
         "wiederherstellen („Sicherung wiederherstellen …“ im Fenster Personen oder "
         "kelvaro-persons restore).";
}

std::string failureMessage(const DatabaseFailure& failure, const std::filesystem::path& file) {
  switch (failureKind(failure)) {
    case FailureKind::busy:
      return "Das Personenarchiv " + utf8FromPath(file) +
             " ist gerade in Benutzung (ein anderes Fenster oder kelvaro-persons schreibt "
             "darin). Bitte gleich noch einmal versuchen.";
    case FailureKind::full:
      return "Das Personenarchiv " + utf8FromPath(file) +
             " lässt sich nicht schreiben: Auf dem Datenträger ist kein Platz mehr. Es bleibt, "
             "wie es war.";
    case FailureKind::readOnly:
      return "Das Personenarchiv " + utf8FromPath(file) +
             " lässt sich nicht schreiben: Die Datei, ihr Ordner oder der Datenträger ist "
             "schreibgeschützt. Es bleibt, wie es war.";
    case FailureKind::cannotOpen:
      return "Das Personenarchiv " + utf8FromPath(file) +
             " lässt sich nicht öffnen oder anlegen (fehlt der Ordner, oder fehlen die Rechte?).";
    case FailureKind::damaged:
      return damagedMessage(file);
    case FailureKind::disk:
      return "Das Personenarchiv " + utf8FromPath(file) +
             " lässt sich nicht lesen oder schreiben (Fehler beim Zugriff auf den Datenträger).";
    case FailureKind::other:
      break;
  }
  return "Fehler im Personenarchiv " + utf8FromPath(file) + " (SQLite-Fehler " +
         std::to_string(failure.code) + ": " + failure.detail + ").";
}

std::string examinationMessage(const DatabaseFailure& failure, const std::filesystem::path& file) {
  return failureKind(failure) == FailureKind::other ? damagedMessage(file)
                                                    : failureMessage(failure, file);
}

}  // namespace kelvaro::archive
