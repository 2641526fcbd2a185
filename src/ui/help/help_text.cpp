#include "ui/help/help_text.h"

namespace kelvaro::ui {

std::vector<std::string> helpLines() {
  return {
      "Einige Erläuterungen zur Anwendung dieser speziellen Auswahl:",
      "",
      "Mit dieser Tafel legen Sie die Variante der zu suchenden Faktoren fest und entscheiden, "
      "ob Halbsummen ( / ) oder Summen ( + ) gesucht werden.",
      "",
      "Sie haben schon gelesen, dass von links nach rechts gewählt wird. Ein falscher Klick in "
      "der linken r-p-s-t-Wahl wird korrigiert, indem Sie die gewünschte Taste anklicken; sie "
      "ersetzt die falsche Wahl. Das gilt ebenso für die beiden anderen Wahlen.",
      "",
      "Nach der Wahl zwischen Halbsumme und Summe und der Wahl der rechten Variante wird das "
      "Ergebnis sofort im großen Fenster angezeigt.",
      ".",
      "",
      "Wollen Sie nur die rechte Variante ändern, brauchen Sie nicht wieder links zu beginnen: "
      "Klicken Sie eine andere rechte Variante an, und das neue Ergebnis wird angezeigt.",
      "",
      "Um zum Beispiel von Halbsumme auf Summe umzuschalten, ist nach der Wahl von + noch ein "
      "Klick auf eine rechte Variante nötig, damit die neue Suche beginnen kann.",
      "",
      "Eine Änderung der Variante von Faktor 3 (F3) verlangt auch eine neue Wahl zwischen "
      "Halbsumme und Summe und eine neue Variante für Faktor 4 (F4).",
      "",
      "Haben die Faktoren 3 und 4 dieselbe Variante, werden Sie gefragt, ob nur "
      "Ein-Faktor-Varianten gesucht werden sollen, also F3 = F4; mit \"Nein\" werden alle "
      "Faktoren gesucht, wie bei den anderen Verfahren.",
      "",
      "Eine neue Transit-Datei: Mit \"Neue Transit-Datei …\" neben \"Weiter\" berechnet Kelvaro "
      "die vier Horoskope selbst. Geben Sie Name, Vorname, Geburtsdatum (TT.MM.JJJJ, vor dem "
      "15.10.1582 julianisch), "
      "Geburtszeit (HH:MM) und Geburtsort ein; die Ortssuche zeigt passende Orte, und Ihre Wahl "
      "füllt Breite, Länge und Zeitzone. Für den Transit gelten Ort, Datum und Zeit (vorgegeben: "
      "jetzt) mit Zeitzone. Zeitzonen sind Namen wie Europe/Berlin, UT oder feste Abweichungen "
      "wie +01:00; eine Uhrzeit, die es wegen einer Zeitumstellung nicht oder zweimal gibt, "
      "verlangt die Abweichung. \"Speichern\" legt <Name>-<Vorname>-<TTMMJJJJ>.dat mit dem "
      "Transitdatum im Transit-Ordner ab und lädt die Datei auf Wunsch sofort.",
      "",
      "Über Kelvaro: Die Positionen berechnet die Swiss Ephemeris (AGPL-3.0). Der Ortsatlas "
      "enthält die Orte mit 500 und mehr Einwohnern aus den Daten von GeoNames "
      "(www.geonames.org), lizenziert unter Creative Commons Namensnennung 4.0 (CC BY 4.0); die "
      "deutschen Namen der Länder stammen aus Debians iso-codes.",
  };
}

}  // namespace kelvaro::ui
