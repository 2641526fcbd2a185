#include "core/system_error_text.h"

#include <cerrno>

namespace kelvaro {

std::string systemErrorText(int error) {
  switch (error) {
    case ENOENT:
      return "Datei oder Ordner nicht vorhanden";
    case ENOTDIR:
      return "Kein Ordner";
    case EISDIR:
      return "Ist ein Ordner";
    case EACCES:
    case EPERM:
      return "Keine Berechtigung";
    case ENOSPC:
      return "Kein Platz mehr auf dem Datenträger";
    case EROFS:
      return "Schreibgeschütztes Dateisystem";
    case ELOOP:
      return "Zu viele symbolische Verknüpfungen";
    case ENAMETOOLONG:
      return "Name zu lang";
    case EFBIG:
      return "Datei zu groß";
    case EEXIST:
      return "Datei ist schon vorhanden";
    case EIO:
      return "Ein-/Ausgabefehler";
    case ENXIO:
    case ENODEV:
      return "Kein solches Gerät";
#ifdef EDQUOT
    case EDQUOT:
      return "Speicherkontingent überschritten";
#endif
    default:
      return std::generic_category().message(error);
  }
}

// Errors of the system's own category (such as Windows error numbers) are
// first brought to their portable meaning.
std::string systemErrorText(const std::error_code& error) {
  const std::error_condition portable = error.default_error_condition();
  if (portable.category() == std::generic_category()) return systemErrorText(portable.value());
  return error.message();
}

}  // namespace kelvaro
