#include "ui/help/persons_help.h"

namespace kelvaro::ui {

std::vector<std::string> personsHelp() {
  return {
      "Das Personenarchiv hält die Geburtsdaten Ihrer Klienten fest, damit eine neue "
      "Transit-Datei ohne erneutes Eintippen entsteht. Es liegt in der Datei personen.sqlite "
      "im Datenordner des Benutzers (unter Windows %APPDATA%\\Kelvaro, sonst "
      "~/.local/share/kelvaro), wo kein Dateidialog von Kelvaro hinschaut; ein Archiv im "
      "Programm-Ordner früherer Versionen zieht beim ersten Öffnen dorthin um.",
      "",
      "Suchen: Was Sie in das Suchfeld tippen, filtert die Liste sofort nach Name, Vorname und "
      "Ort; Groß- und Kleinschreibung zählen nicht, und „Muller“, „Mueller“ und „Müller“ finden "
      "alle Müller. Ein Klick auf eine Spaltenüberschrift sortiert nach dieser Spalte, ein "
      "zweiter umgekehrt.",
      "",
      "Neu, Ändern, Löschen: „Neu“ nimmt eine Person auf, „Ändern“ (oder ein Doppelklick) "
      "ändert die gewählte. „Löschen“ fragt vorher; „Wiederherstellen“ holt gelöschte Personen "
      "mit ihrer Nummer zurück, solange dieses Fenster offen ist.",
      "",
      "Transit-Datei …: öffnet das Fenster einer neuen Transit-Datei mit den Geburtsdaten der "
      "gewählten Person, den Transit jetzt, am zuletzt benutzten Transit-Ort. „Speichern“ dort "
      "schreibt die Datei.",
      "",
      "Vergleich …: Wählen Sie zwei Personen zusammen (die zweite mit gedrückter Strg-Taste "
      "anklicken). Das Fenster „Vergleich“ macht aus beiden eine Transit-Datei: den Vergleich "
      "(r, p, s von A, t das Radix von B), das Composit (die näheren Halbsummen beider) oder das "
      "Davison-Horoskop (die Mitte beider Geburten in Zeit und Ort).",
      "",
      "Zeitleiste …: öffnet den Kalender für die gewählte Person: wann Solarbogen (S), "
      "Progression (P) und Transite (T) ihre Radix-Punkte und Halbsummen auslösen.",
      "",
      "Grafische Ephemeride …: zeigt das laufende Jahr der gewählten Person als Bild: die Kurven "
      "von Solarbogen, Progression und Transiten über den Radixpunkten und Halbsummen mit MC, SO, "
      "AS oder MO. Andere Zeiträume und Punkte wählt man in der Zeitleiste und öffnet dort die "
      "grafische Ephemeride.",
      "",
      "AAF importieren …: liest eine Datei im Astrologischen Austauschformat (Windows-1252 oder "
      "UTF-8). Wer schon im Archiv steht (gleicher Name, Vorname, Ort und Geburtszeitpunkt), wird "
      "nicht doppelt aufgenommen; fehlerhafte Datensätze werden mit ihrer Zeile gemeldet und "
      "halten die anderen nicht auf. Datensätze ohne Koordinaten bekommen sie aus dem Ortsatlas, "
      "wenn Ort und Land genau einen Ort nennen, sonst stehen sie mit „Ort prüfen“ in der Liste.",
      "",
      "AAF exportieren …: schreibt die Personen der Liste (bei einer Suche nur die gefundenen) "
      "als AAF in Windows-1252, wie andere Programme es lesen; Namen mit Zeichen, die "
      "Windows-1252 nicht kennt, können als UTF-8 geschrieben werden.",
      "",
      "Als CSV speichern …: schreibt die Personen der Liste als Tabelle für "
      "Tabellenkalkulationen (Komma-getrennt, UTF-8, Breite und Länge als Text und in "
      "Dezimalgrad).",
      "",
      "Sicherung wiederherstellen …: Vor der ersten Änderung eines Tages und vor jedem Import "
      "sichert Kelvaro das ganze Archiv in den Ordner Sicherungen daneben; die letzten zehn "
      "Sicherungen bleiben. Hier wählen Sie eine davon (mit Datum, Uhrzeit und Zahl der "
      "Personen); sie ersetzt das Archiv, nachdem der jetzige Stand selbst gesichert ist.",
  };
}

}  // namespace kelvaro::ui
