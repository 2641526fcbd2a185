#include "ui/help/main_window_help.h"

namespace kelvaro::ui {

std::vector<std::string> mainWindowHelp() {
  return {
      "Das Hauptfenster führt durch die Auswertung einer Transit-Datei: „Weiter“ zeigt die "
      "Transit-Dateien zur Auswahl, dann fragt Kelvaro nach dem Orbis (Grad und Minuten, "
      "Beispiel: 030 für 0°30'), zeigt die Inhaltsübersicht und nach „Weiter zur Suche“ die "
      "Übersicht der MC- und SO-Achsen. Danach sind die Suchen frei.",
      "",
      "Die Suchen: 1 findet Halbsummen und Summen in MC, SO und AS (Beispiel: KN+JU). 2 sucht "
      "alle Planetenbilder auf einer frei gewählten Achse (Beispiel: KNt+JUp; dann rechts die "
      "Varianten von links nach rechts wählen) oder zu einem Planetenbild ohne Varianten. 3 "
      "sucht in einem Winkel der 22,5°-Scheibe (Grad, Minuten, auf Wunsch ein Faktor). 4 löst "
      "Gleichungen wie VE+JU=KN+ oder VE/JU=KN/. 5 zeigt die korrespondierenden Halbsummen, 6 "
      "das magische Quadrat einer Faktorvariante (Beispiel: KNt). 7 öffnet die Gradscheibe, 8 "
      "den Transit-Kalender.",
      "",
      "Der Orbis: Ein Klick auf „Orbis“ oben rechts ändert ihn jederzeit; was schon angezeigt "
      "ist, bleibt stehen.",
      "",
      "Die Liste: „Drucken“ (Strg+P), „Speichern“ (Strg+S) und „Als PDF speichern …“ geben die "
      "angezeigte Liste aus. Gespeichert wird im Programm-Ordner, dem Ordner, in dem Kelvaro "
      "gestartet wurde; eine Datei gleichen Namens wird nur nach Rückfrage ersetzt.",
      "",
      "„Als Tabelle …“ öffnet die Planetenbilder einer Suche (Optionen 1 bis 4) als Tabelle: "
      "je Bild seine Stelle auf der Scheibe, seine Abweichung in Bogenminuten und Ihre "
      "Stichworte, sortierbar, mit kleinerem Orbis, als CSV und als Klientenblatt. „Als CSV "
      "speichern …“ schreibt den Transit-Kalender als Tabelle für Tabellenkalkulationen.",
      "",
      "„Personen …“ öffnet das Personenarchiv: Personen erfassen, aus ihren Geburtsdaten "
      "Transit-Dateien machen, zwei Personen vergleichen, die Zeitleiste zeigen. „Noch einmal "
      "von vorne“ beginnt mit einer anderen Datei. F1 öffnet diese Hilfe, Escape schließt sie.",
  };
}

}  // namespace kelvaro::ui
