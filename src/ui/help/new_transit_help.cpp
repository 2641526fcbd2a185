#include "ui/help/new_transit_help.h"

#include "core/text_encoding.h"

namespace kelvaro::ui {

std::vector<std::string> newTransitHelp(const std::filesystem::path& transitFolder) {
  return {
      "In diesem Fenster entsteht aus Geburtsdaten und einem Transit-Zeitpunkt eine Transit-Datei "
      "mit Radix, Progression, Sonnenbogen und Transit, die Kelvaro danach laden kann.",
      "",
      "Name und Vorname: so, wie sie in der Auswertung stehen sollen, z. B. Müller und Anna. Der "
      "Dateiname entsteht daraus und aus dem Transit-Datum: Müller-Anna-08122026.dat.",
      "",
      "Geburtsdatum und Datum: Tag, Monat und vierstelliges Jahr, z. B. 24.12.1960, in den "
      "Jahren 1000 bis 2999. Ein Datum vor dem 15.10.1582 gilt im julianischen Kalender: Auf den "
      "04.10.1582 folgte der 15.10.1582. Geburtszeit und Zeit: Stunden und Minuten, z. B. 14:30 "
      "(Sekunden dürfen folgen: 14:30:15), in der Zeitzone des Ortes; vor der Einführung der "
      "Zonenzeit gilt die mittlere Ortszeit, die die Zeitzone dafür angibt (für Europe/Rome die "
      "von Rom).",
      "",
      "Geburtsort und Ort: Tippen Sie die ersten Buchstaben, z. B. Köln; die Liste darunter zeigt "
      "die passenden Orte des Ortsatlas. Ein Klick oder die Eingabetaste übernimmt Ort, Breite, "
      "Länge und Zeitzone. Findet der Atlas nichts, prüfen Sie die Schreibweise oder tragen Sie "
      "die Werte selbst ein.",
      "",
      "Breite und Länge: in Grad und Minuten mit Himmelsrichtung, z. B. 50°56' N und 06°57' O "
      "(S für Süd, W für West), oder als Dezimalzahl, z. B. 50.9333. Zeitzone: ein Name wie "
      "Europe/Berlin, UT oder ein fester Abstand wie +01:00.",
      "",
      "Der Transit steht zunächst auf jetzt, am Geburtsort. Wählen Sie einen anderen Ort, so "
      "bleibt es derselbe Augenblick, in der Zeitzone des neuen Ortes.",
      "",
      "Tasten: Tab springt zum nächsten Feld, die Eingabetaste in einem Ortsfeld übernimmt den "
      "ersten Ort der Liste (sie speichert nie), Esc oder „Abbrechen“ schließt das Fenster, ohne "
      "etwas zu schreiben.",
      "",
      "„Speichern“ schreibt die Datei in den Transit-Ordner (" + utf8FromPath(transitFolder) +
          "). Gibt es sie schon, fragt Kelvaro, bevor es sie ersetzt; danach können Sie sie gleich "
          "laden.",
  };
}

}  // namespace kelvaro::ui
