#include "archive/archive_failure.h"

#include <sqlite3.h>

#include "core/text_encoding.h"

namespace kelvaro::archive {
namespace {

std::string shown(const std::filesystem::path& file) { return utf8FromPath(file); }

}  // namespace

std::string damagedMessage(const std::filesystem::path& file) {
  return "Die Datei " + shown(file) +
         " ist kein lesbares Personenarchiv (beschädigt oder keine Datenbank). Sie bleibt, wie "
         "sie ist.";
}

std::string failureMessage(const DatabaseFailure& failure, const std::filesystem::path& file) {
  switch (failure.code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "Das Personenarchiv " + shown(file) +
             " ist gerade in Benutzung (ein anderes Fenster oder kelvaro-persons schreibt "
             "darin). Bitte gleich noch einmal versuchen.";
    case SQLITE_FULL:
      return "Das Personenarchiv " + shown(file) +
             " lässt sich nicht schreiben: Der Datenträger ist voll. Es bleibt, wie es war.";
    case SQLITE_READONLY:
    case SQLITE_PERM:
      return "Das Personenarchiv " + shown(file) +
             " lässt sich nicht schreiben: Es ist schreibgeschützt. Es bleibt, wie es war.";
    case SQLITE_CANTOPEN:
      return "Das Personenarchiv " + shown(file) +
             " lässt sich nicht öffnen oder anlegen (fehlt der Ordner, oder fehlen die Rechte?).";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return damagedMessage(file);
    case SQLITE_IOERR:
      return "Das Personenarchiv " + shown(file) +
             " lässt sich nicht lesen oder schreiben (Fehler beim Zugriff auf den Datenträger).";
    default:
      return "Fehler im Personenarchiv " + shown(file) + " (SQLite-Fehler " +
             std::to_string(failure.code) + ": " + failure.detail + ").";
  }
}

}  // namespace kelvaro::archive
