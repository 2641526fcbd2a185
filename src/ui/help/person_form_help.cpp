#include "ui/help/person_form_help.h"

namespace kelvaro::ui {

std::vector<std::string> personFormHelp() {
  return {
      "Hier stehen die Geburtsdaten einer Person (oder eines Ereignisses), wie sie im "
      "Personenarchiv gespeichert werden.",
      "",
      "Name oder Vorname muss angegeben sein. Das Geburtsdatum wird als TT.MM.JJJJ geschrieben "
      "(Jahre 1000 bis 2999; ein Datum vor dem 15.10.1582 gilt im julianischen Kalender), die "
      "Geburtszeit als hh:mm oder hh:mm:ss; eine leere Geburtszeit heißt: unbekannt. Vor der "
      "Einführung der Zonenzeit gilt die mittlere Ortszeit, die die Zeitzone dafür angibt.",
      "",
      "Die Zeitzone ist ein Name wie Europe/Berlin, UT oder eine feste Abweichung wie +01:00. "
      "Breite und Länge werden in Grad geschrieben (50.9333 oder 50°56' N, 06°57' O) und auf die "
      "Bogensekunde gerundet gespeichert. Enter im Feld Ort sucht den Ort im Ortsatlas (die Orte "
      "mit 500 und mehr Einwohnern, der größte zuerst) und setzt Land (den Ländercode wie D, A "
      "oder CH; der deutsche Name des Landes steht daneben), Breite, Länge und Zeitzone.",
      "",
      "Fehlen Breite, Länge oder Zeitzone, steht die Person mit „Ort prüfen“ in der Liste; eine "
      "Transit-Datei lässt sich dann noch nicht machen.",
      "",
      "Die Art ist m (männlich), w oder f (weiblich), e (Ereignis), l (Land) oder o "
      "(Organisation). Eine andere Art aus einer AAF-Datei bleibt beim Speichern, wie sie war.",
      "",
      "Kommas sind in Name, Vorname, Ort und Land nicht erlaubt: Das Austauschformat AAF trennt "
      "damit seine Felder. In „Über“, in der Quelle und in den Notizen sind sie erlaubt.",
      "",
      "„Speichern“ prüft die Angaben; ein Fehler wird gemeldet, und der Cursor steht im Feld. "
      "Eine Person mit demselben Namen, Vornamen, Ort und Geburtszeitpunkt wird nicht ein zweites "
      "Mal aufgenommen.",
  };
}

}  // namespace kelvaro::ui
