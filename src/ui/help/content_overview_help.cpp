#include "ui/help/content_overview_help.h"

namespace kelvaro::ui {

std::vector<std::string> contentOverviewHelp() {
  return {
      "Die Inhaltsübersicht zeigt, was die geladene Transit-Datei enthält: die Summen, die in "
      "mindestens zwei der über der Liste genannten Achsen stehen, nach Faktoren geordnet, und "
      "darunter eine Gesamtübersicht.",
      "",
      "„Weiter zur Suche“ führt zur Übersicht der MC- und SO-Achsen und gibt die sechs Suchen "
      "frei. „Drucken“ (Strg+P), „Speichern“ (Strg+S) und „Als PDF speichern …“ geben die "
      "Übersicht aus; gespeichert wird im Programm-Ordner, eine Datei gleichen Namens wird nur "
      "nach Rückfrage ersetzt. F1 öffnet diese Hilfe, Escape schließt sie.",
  };
}

}  // namespace kelvaro::ui
