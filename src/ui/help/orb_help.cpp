#include "ui/help/orb_help.h"

namespace kelvaro::ui {

std::vector<std::string> orbHelp() {
  return {
      "Der Orbis ist der größte Abstand auf der Gradscheibe, in dem zwei Punkte noch als "
      "zusammenstehend gelten. Er gilt für alle Übersichten und Suchen, bis Sie ihn mit einem "
      "Klick auf „Orbis“ oben rechts im Hauptfenster ändern.",
      "",
      "Geben Sie die Grad (eine Ziffer, 0 bis 9) und die Minuten (zwei Ziffern, 00 bis 59) "
      "ein, z. B. 1 und 12 für 1°12'. Nach der Ziffer der Grad springt die Eingabe in die "
      "Minuten; mit ihrer zweiten Ziffer, der Eingabetaste dort oder „OK“ ist der Orbis "
      "eingegeben. F1 öffnet diese Hilfe, Escape schließt sie.",
  };
}

}  // namespace kelvaro::ui
