#include "ui/help/dial_help.h"

#include "print/printout.h"
#include "ui/platform/program_folders.h"

namespace kelvaro::ui {

std::vector<std::string> dialHelp() {
  return {
      "Die Gradscheibe zeigt die geladene Transit-Datei auf der gewählten Scheibe: jeden Faktor "
      "von MC bis PO in seinen vier Varianten, Radix (r) innen, dann Progression (p), "
      "Solarbogen (s) und Transit (t) außen. Der Zeiger sucht eine Achse: rechts stehen alle "
      "Summen und Halbsummen, die mit dem eingestellten Orbis auf dem Winkel des Zeigers "
      "liegen, dieselbe Liste wie Option 3 über alle Faktoren. Über der Scheibe stehen der "
      "Name und der Transit der Datei.",
      "",
      "Die Scheibe: Unter „Scheibe“ wählen Sie 360°, 90°, 45°, 22,5° oder 11,25°. Jeder Faktor "
      "steht dann an seiner Länge modulo der Scheibe, und die Liste am Zeiger zeigt die Summen "
      "und Halbsummen, die modulo der Scheibe im Orbis um den Zeiger liegen. Die zuletzt "
      "gewählte Scheibe bleibt für den nächsten Start; vorgegeben ist die 22,5°-Scheibe.",
      "",
      "Der Zeiger: Ziehen Sie ihn mit der Maus, klicken Sie auf die Skala oder auf einen "
      "Namen, dann springt er auf diesen Faktor (Beispiel: ein Klick auf »SO« im innersten "
      "Ring stellt ihn auf die Sonne des Radix). Er steht auf ganzen Minuten von 00°00' bis "
      "22°59' (auf den anderen Scheiben bis zur letzten Minute vor ihrer Größe, auf der "
      "90°-Scheibe bis 89°59'); über der Liste steht sein Winkel, zum Beispiel »Zeiger 07°30'«.",
      "",
      "Die Ringe: Die Kästchen »r  Radix«, »p  Progression«, »s  Solarbogen« und "
      "»t  Transit« zeigen einen Ring oder blenden ihn aus (Beispiel: nur »t« angekreuzt "
      "zeigt die Transite allein). Die Liste bleibt dabei vollständig. In einem Vergleich "
      "zweier Personen ist der äußere Ring das Radix des Partners und heißt nach ihm, zum "
      "Beispiel »t  Radix Müller, Hans«.",
      "",
      "Der Orbis ist der des Hauptfensters (Beispiel: »Orbis: 01:12« gilt 1°12' zu beiden "
      "Seiten des Zeigers, auf der Scheibe als heller Sektor). Ein Klick auf die "
      "Orbis-Anzeige im Hauptfenster ändert ihn; Scheibe und Liste folgen sofort.",
      "",
      "Die Liste: Ein Doppelklick auf eine Summe oder Halbsumme einer Zeile rahmt auf der "
      "Scheibe genau ihre beiden Faktoren ein (Beispiel: ein Doppelklick auf »KNt/POs« in der "
      "Zeile » MCr+WIp KNt/POs« rahmt KNt und POs). Lange Zeilen laufen nach rechts weiter; "
      "die Bildlaufleiste unter der Liste zeigt ihr Ende. Mit der Maus oder mit Umschalt und den "
      "Pfeiltasten markieren Sie Text, Strg+C "
      "kopiert ihn, Strg+A markiert alles.",
      "",
      "Die Tasten: Pfeil rechts oder auf stellt den Zeiger eine Bogenminute vor, Pfeil links "
      "oder ab eine zurück, Bild auf und Bild ab ein Grad, das Mausrad 10 Bogenminuten je "
      "Raste. Die Pfeiltasten stellen den Zeiger auch, nachdem Sie in die Liste geklickt "
      "haben. Strg+P druckt, Strg+S speichert das Bild, Escape schließt das Fenster. F1 "
      "öffnet diese Hilfe, Escape schließt sie.",
      "",
      "»Drucken« druckt das Blatt der Gradscheibe auf weißem Papier: Name, Datum, Zeit und "
      "Ort des Transits, die Scheibe mit Zeiger und Orbis-Sektor, Zeiger und Orbis, die "
      "Legende der Ringe und die Liste. Jede Seite trägt die Kopfzeile und »Seite n von m«.",
      "",
      "»Als PDF speichern …« schreibt dasselbe Blatt ohne Druckdialog als PDF-Datei in den "
      "Ordner der Ergebnisdateien, in dem auch »Speichern« die Listen ablegt (der "
      "Programm-Ordner, gewöhnlich " +
          programFolderInHelp() +
          "), unter dem Namen der Ergebnisdateien mit »_Gradscheibe.pdf« (Beispiel: "
          "»Müller,Jürgen München_05_03_2007_14_30_00_Gradscheibe.pdf«). Gibt es die Datei "
          "schon, fragt das Programm, ob es sie ersetzen soll; bei »Nein« erhält die neue Datei "
          "den nächsten freien Namen mit » (2)«.",
      "",
      std::string("»Bild speichern« fragt in einem Dateidialog, der im selben Ordner öffnet "
                  "und einen Namen vorschlägt, wohin das Blatt gehen soll, und bietet ") +
          (writesSvg() ? "PNG (300 dpi, A4), SVG und PDF an; die Endung des Namens wählt das "
                         "Format (Beispiel: »Blatt.svg«)."
                       : "PNG (300 dpi, A4) und PDF an; die Endung des Namens wählt das Format "
                         "(Beispiel: »Blatt.png«).") +
          " Der Dialog fragt, bevor er eine vorhandene Datei ersetzt.",
      "",
      "Ruht die Maus auf einer Summe oder Halbsumme der Liste, nennt ein Hinweis das "
      "Planetenbild mit Ihren Stichworten (aus der Datei Stichworte.txt im Programm-Ordner). "
      "»Als Tabelle …« zeigt die Bilder am Zeiger als Tabelle mit Abweichung und Stichworten. "
      "»Klientenblatt …« druckt oder speichert (PDF, PNG) eine Seite mit Name, Geburtsdaten "
      "aus dem Personenarchiv, Transit, Orbis, der Scheibe mit Zeiger und den Bildern am "
      "Zeiger, die genauesten zuerst; was nicht auf die Seite passt, wird gezählt.",
  };
}

}  // namespace kelvaro::ui
