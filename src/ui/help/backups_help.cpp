#include "ui/help/backups_help.h"

namespace kelvaro::ui {

std::vector<std::string> backupsHelp() {
  return {
      "Kelvaro sichert das Personenarchiv vor der ersten Änderung eines Tages und vor jedem "
      "Import in den Ordner „Sicherungen“ neben dem Archiv; die letzten 10 Sicherungen "
      "bleiben. Die Liste zeigt jede mit ihrem Zeitpunkt und der Zahl ihrer Personen.",
      "",
      "„Wiederherstellen“ (oder ein Doppelklick) ersetzt das ganze Archiv durch die gewählte "
      "Sicherung; der jetzige Stand wird vorher selbst gesichert, so dass nichts verloren "
      "geht. „Abbrechen“ lässt das Archiv, wie es ist. F1 öffnet diese Hilfe, Escape schließt "
      "sie.",
  };
}

}  // namespace kelvaro::ui
