#include "ui/help/ephemeris_help.h"

#include "print/printout.h"

namespace kelvaro::ui {

std::vector<std::string> ephemerisHelp() {
  return {
      "Die grafische Ephemeride zeigt die Zeitleiste als Bild: die Zeit läuft nach rechts, "
      "die Scheibe der Zeitleiste von 0°00' unten bis zu ihrer Größe oben, auf der "
      "22,5°-Scheibe bis 22°30'. Die Scheibe (360°, 90°, 45°, 22,5° oder 11,25°) wird im "
      "Fenster der Zeitleiste gewählt. Jeder bewegte Faktor ist eine Kurve: Solarbogen (s) "
      "blau, Progression (p) grün, Transite (t) rot; rückläufige Stücke sind gestrichelt. "
      "Verlässt eine Kurve die Scheibe oben, kommt sie bei 0°00' wieder herein und trägt "
      "dort ihren Namen.",
      "",
      "Die grauen waagrechten Linien sind die Radixpunkte und Halbsummen, links beschriftet; "
      "wo nicht alle Namen Platz haben, nennt die Maus auf der Höhe einer Linie ihren Namen. "
      "Jeder Punkt, an dem eine Kurve eine Linie trifft, ist eine Zeile der Liste: die Maus "
      "darüber zeigt die Zeile mit Datum (bei Transiten mit Uhrzeit), ein Klick wählt sie in "
      "der Liste der Zeitleiste.",
      "",
      "Das Mausrad vergrößert und verkleinert den gezeigten Zeitraum um die Stelle der Maus, "
      "Ziehen mit gedrückter Taste verschiebt ihn. „Heute“ markiert den heutigen Tag und "
      "stellt ihn in die Mitte, „Ganzer Zeitraum“ zeigt wieder alles.",
      "",
      std::string("„Drucken“, „Als PDF speichern“ und „Als Bild speichern …“ ") +
          (writesSvg() ? "(PNG oder SVG)" : "(PNG)") +
          " geben das Blatt mit Namen, Geburtsdaten, Zeitraum, Bild und Legende aus, quer auf "
          "einer Seite; das Bild zeigt den Zeitraum, den das Fenster gerade zeigt.",
  };
}

}  // namespace kelvaro::ui
