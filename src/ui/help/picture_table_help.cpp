#include "ui/help/picture_table_help.h"

#include "core/keywords.h"
#include "ui/platform/program_folders.h"

namespace kelvaro::ui {

std::vector<std::string> pictureTableHelp() {
  return {
      "Die Tabelle zeigt die Planetenbilder eines Suchergebnisses, eines je Zeile: das Bild "
      "(Beispiel: »SOr/MOr = MCr/MOp«), die Stelle seiner rechten Seite auf der Scheibe, die "
      "Abweichung der beiden Seiten auf der Scheibe in Bogenminuten (»12'«) und Ihre "
      "Stichworte dazu. Die Liste im Hauptfenster bleibt, wie sie ist.",
      "",
      "Orbis bis: Ein kleinerer Orbis als der der Suche (Beispiel: »0:30«, dann Enter oder "
      "Tab) lässt nur die Bilder stehen, deren Abweichung kleiner ist. Ein größerer findet "
      "nichts Neues und wird auf den Orbis der Suche gesetzt.",
      "",
      "Sortieren: »Nach Abweichung sortieren« stellt die genauesten Bilder nach oben; ohne "
      "Haken steht die Reihenfolge der Liste. Ein Klick auf einen Spaltenkopf sortiert nach "
      "dieser Spalte, ein zweiter umgekehrt.",
      "",
      "Als CSV speichern …: die gezeigten Zeilen in ihrer Reihenfolge als Tabelle für "
      "Tabellenkalkulationen (UTF-8, Kommas, Dezimalpunkt), Stelle und Abweichung als Text "
      "und in Grad.",
      "",
      "Klientenblatt …: eine A4-Seite mit Name und Geburtsdaten (aus dem Personenarchiv), "
      "dem Transit, dem Orbis, der Gradscheibe mit Zeiger und den Zeilen, die Sie gewählt "
      "haben (Strg-Klick oder Umschalt-Klick; ohne Wahl alle gezeigten), jede mit Abweichung "
      "und Stichworten. Passen nicht alle Zeilen auf die Seite, sagt das Blatt, wie viele "
      "fehlen. Drucken, als PDF oder als Bild (PNG) speichern.",
      "",
      "Stichworte …: öffnet Ihre Stichworte-Datei zum Bearbeiten (siehe dort die Hilfe).",
  };
}

std::vector<std::string> keywordsHelp() {
  return {
      "Die Stichworte stehen in der Textdatei " + std::string(kKeywordsFileName) +
          " im Programm-Ordner (" + programFolderInHelp() +
          "). Sie können sie hier oder in jedem Texteditor bearbeiten; Kelvaro liest sie bei "
          "jeder Tabelle neu.",
      "",
      "Jede Zeile ist »SCHLÜSSEL = Stichworte«. Der Schlüssel ist ein Faktor ohne Index "
      "(»SO = Lebenskraft«), eine Halbsumme, Summe oder Differenz (»SO/MO = …«, »MA+SA = …«) "
      "oder ein Planetenbild (»SO = MA/SA = …«). Die Stichworte beginnen nach dem letzten "
      "»=« der Zeile. Leere Zeilen und Zeilen mit # am Anfang sind Bemerkungen.",
      "",
      "Zu einem Planetenbild zeigt die Tabelle seine eigene Zeile, sonst die seiner "
      "Halbsummen oder Faktoren. Kelvaro liefert Stichworte zu den Faktoren mit; die zu "
      "Planetenbildern sind Ihre eigenen Notizen.",
      "",
      "Eine Zeile, die nicht gelesen werden kann, steht unten mit ihrer Nummer. Sie bleibt in "
      "der Datei, wie sie ist, und zählt nur nicht, bis Sie sie verbessern. Speichern "
      "schreibt den Text so, wie er im Feld steht.",
  };
}

}  // namespace kelvaro::ui
