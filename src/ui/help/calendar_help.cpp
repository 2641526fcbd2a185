#include "ui/help/calendar_help.h"

#include "ui/platform/program_folders.h"

namespace kelvaro::ui {

std::vector<std::string> calendarHelp() {
  return {
      "Dieses Fenster sucht die Tage, an denen ein bewegter Faktor auf einem Radix-Punkt steht, "
      "und zwar auf der gewählten Scheibe: im Abstand eines Vielfachen ihrer Größe, auf der "
      "22,5°-Scheibe eines Vielfachen von 22,5°. Radix-Punkte sind die Faktoren MC bis PO des "
      "Radix und ihre Halbsummen.",
      "",
      "„Scheibe“ wählt 360°, 90°, 45°, 22,5° (Vorgabe) oder 11,25°; Kalender und Zeitleiste "
      "merken sich jeweils die zuletzt gewählte. Auf der 90°-Scheibe ist ein Transit genau dann "
      "eine Zeile, wenn er 0°, 90°, 180° oder 270° vom Punkt entfernt steht.",
      "",
      "Aus dem Hauptfenster („8  Transit-Kalender“) rechnet es den Transit-Kalender der geladenen "
      "Transit-Datei, also nur T. Seine Zeilen kommen in die Ergebnisliste des Hauptfensters und "
      "werden dort gedruckt und gespeichert. Aus dem Personenarchiv („Zeitleiste …“) rechnet es "
      "die "
      "Zeitleiste einer Person mit S, P und T; ihre Zeilen bleiben in diesem Fenster.",
      "",
      "S, P, T: S sind die Solarbogen-Direktionen (jeder Radix-Faktor plus der Solarbogen), P die "
      "Progressionen (ein Tag nach der Geburt steht für ein Lebensjahr), T die Transite. S und P "
      "brauchen die Geburt; eine Transit-Datei kennt sie nicht, deshalb gibt es sie nur für eine "
      "Person, und sie beginnen mit der Geburt.",
      "",
      "Von, Bis: der erste und der letzte Tag als TT.MM.JJJJ, z. B. 01.01.2027. Ein ganz getipptes "
      "Datum ersetzt das angezeigte, wo die Schreibmarke auch steht. Die Pfeiltasten Auf und Ab "
      "ändern Tag, Monat oder Jahr, je "
      "nachdem, wo die Schreibmarke steht; Alt+Ab öffnet den Monatskalender. Mit T reicht der "
      "Zeitraum höchstens 10 Jahre, mit S und P allein höchstens 100 Jahre, in den Jahren 1000 "
      "bis 2999. Ein Datum vor dem 15.10.1582 gilt im julianischen Kalender (auf den 04.10.1582 "
      "folgte der 15.10.1582; der Monatskalender zeigt die Wochentage jener Zeit nicht). Ein Von "
      "nach dem Bis wird mit einer Meldung abgelehnt.",
      "",
      "Zeitzone: die Zone der Tage und Zeiten der Zeilen, z. B. Europe/Berlin, UT oder +01:00. "
      "Für eine Person steht dort zuerst die Zone Ihrer Uhr (mit ihrer Sommerzeit).",
      "",
      "Für die nächste Zeitleiste, auch nach einem Neustart, merkt sich das Fenster S, P und T, "
      "die Transit-Körper, die Punkte, die Zeitzone und den Orbis der zuletzt berechneten.",
      "",
      "Transit-Körper: die Körper von T. Vorgegeben sind die langsamen: JU, SA, UR, NE, PL, KN "
      "und die Hamburger Punkte CU bis PO, wie auf der Kommandozeile. Die schnellen Körper, vor "
      "allem der Mond, geben sehr viele Zeilen.",
      "",
      "Faktoren (S und P): die Faktoren, die als S und P laufen; vorgegeben sind alle.",
      "",
      "Punkte: nur die Radix-Faktoren, nur die Halbsummen, oder beide. Mit Faktoren: nur die "
      "Punkte, die einen dieser Faktoren enthalten, z. B. MC,SO; leer lassen für alle Punkte.",
      "",
      "Orbis (S und P): z. B. 1:12 für 1°12'. Dann nennen die Zeilen von S und P auch die Tage, an "
      "denen der Orbis erreicht und wieder verlassen wird, z. B. „wirksam "
      "02.05.2030–27.01.2032“. Leer lassen für Zeilen ohne diese Tage.",
      "",
      "Eine Zeile nennt den Tag (bei T mit der Uhrzeit), den bewegten Faktor (z. B. SAs, SOp, "
      "PLt), den Radix-Punkt, seine Stelle auf der Scheibe und die Richtung. Ein Körper, der in "
      "einer Schleife mehrmals über denselben Punkt läuft, bekommt die Nummer seines Durchgangs, "
      "z. B. (2/3) für den zweiten von dreien.",
      "",
      "Tasten: Die Eingabetaste rechnet („Berechnen“), Strg+P druckt die Liste, Strg+S "
      "speichert sie, Escape schließt das Fenster, F1 zeigt "
      "diese Hilfe, Tab geht von Feld zu Feld. Dauert die Rechnung länger, zeigt ein Balken den "
      "Fortschritt; „Abbrechen“ hört auf und lässt alles, wie es war.",
      "",
      "Dateien: „Speichern“ schreibt die Zeilen der Zeitleiste als Textdatei, „Als CSV speichern "
      "…“ als Tabelle für Tabellenkalkulationen (je Zeile Datum, Zeit, Art, Faktor, Punkt, "
      "Stelle als Text und in Dezimalgrad, Richtung), „iCal exportieren "
      "…“ als iCalendar-Datei (.ics), die Kalenderprogramme einlesen: S und P als ganztägige "
      "Termine, T zur Minute, jeder Termin mit dem Namen der Person. Ohne Haken bei „iCal: jede "
      "Zeile“ sind es S und P ohne MO und T von JU bis PL, damit ein Jahr lesbar bleibt; die "
      "Meldung danach sagt, wie viele Termine es sind. Ein erneuter Export derselben Zeilen "
      "ersetzt dort die Termine, "
      "statt sie zu verdoppeln. „Als PDF speichern“ schreibt die Seiten, die „Drucken“ druckt, "
      "in eine PDF-Datei. Alle drei schlagen den Programm-Ordner vor (" +
          programFolderInHelp() +
          ") und einen Namen aus der Person und dem Zeitraum; eine vorhandene Datei wird nur "
          "nach Rückfrage ersetzt. „Drucken“ druckt die Zeilen.",
      "",
      "„Grafische Ephemeride“ zeigt die berechnete Zeitleiste als Bild: die Kurven der bewegten "
      "Faktoren auf der gewählten Scheibe über der Zeit, die gewählten Punkte als Linien und jede "
      "Zeile der Liste als Punkt. Ein Klick auf einen Punkt wählt seine Zeile hier in der Liste.",
  };
}

}  // namespace kelvaro::ui
