#include "ui/help/pair_chart_help.h"

namespace kelvaro::ui {

std::vector<std::string> pairChartHelp() {
  return {
      "Dieses Fenster macht aus zwei Personen des Archivs eine Transit-Datei, die Kelvaro wie "
      "jede andere lädt: alle Übersichten, die Suchen, die Gradscheibe und der Kalender arbeiten "
      "mit ihr. Die Person A steht oben; „Tauschen“ macht B zu A.",
      "",
      "Vergleich: r, p und s sind Radix, Progression und Solarbogen von A zum Datum, t ist das "
      "Radix von B. So zeigt jede Suche, welche Faktoren von B auf den Halbsummen von A stehen; "
      "die Kopfzeile sagt es mit „t = Radix“ und dem Namen von B.",
      "",
      "Composit: r ist für jeden Faktor die nähere Halbsumme der Radixfaktoren von A und B "
      "(MC und AS ebenso), p und s die näheren Halbsummen ihrer Progressionen und Solarbögen zum "
      "Datum, t die Transite zu Datum und Ort.",
      "",
      "Davison: das Horoskop des Augenblicks genau zwischen beiden Geburten (in Weltzeit) am Ort "
      "in der Mitte zwischen beiden Geburtsorten auf dem Großkreis; p, s und t sind die einer "
      "Geburt zu diesem Zeitpunkt. Mit „Davison als Person im Archiv speichern“ steht es danach "
      "als Person „Davison“ im Archiv, für Zeitleiste und Kalender.",
      "",
      "Datum, Zeit, Zeitzone, Ort, Breite und Länge: der Transit wie bei einer neuen "
      "Transit-Datei, zuerst jetzt am zuletzt benutzten Transit-Ort. Beim Tippen eines Ortes "
      "zeigt die Liste darunter die passenden Orte des Ortsatlas; ein Klick oder die "
      "Eingabetaste übernimmt Ort, Breite, Länge und Zeitzone. „Speichern“ schreibt die "
      "Datei in den Transit-Ordner, z. B. Weiß-Anna-Vergleich-Müller-Hans-08122026.dat, und "
      "bietet an, sie zu laden.",
  };
}

}  // namespace kelvaro::ui
