#include "ui/help/intro_text.h"

#include <array>
#include <cstddef>

namespace kelvaro::ui {
namespace {

// The signature, kept apart from the readable texts and XOR-scrambled with
// a short repeating key.
constexpr std::array<unsigned char, 4> kSignatureKey = {0x2b, 0x11, 0x5c, 0x37};
constexpr std::array<unsigned char, 16> kScrambledSignature = {
    0x62, 0x79, 0x2e, 0x17, 0x60, 0x74, 0x30, 0x41, 0x4a, 0x63, 0x33, 0x1a, 0x7f, 0x74, 0x3d, 0x5a};

std::string signature() {
  std::string text;
  for (std::size_t i = 0; i < kScrambledSignature.size(); ++i) {
    text += static_cast<char>(kScrambledSignature[i] ^ kSignatureKey[i % kSignatureKey.size()]);
  }
  return text;
}

}  // namespace

std::vector<std::string> introLines(const std::string& programFolder) {
  return {
      " ",
      " Kelvaro ermöglicht die Analyse eines mit Norlin-10.8 ff erstellten Transit-Horoskopes.",
      " ",
      " Norlin speichert bei jeder Anwendung des Transit-Moduls Pemto eine Datei mit Name und",
      " Vorname der Person, dem Transit-Ort, seinen Koordinaten, Datum und Uhrzeit sowie den",
      " Positionen aller Faktoren in den Horoskopen R, P, S und T.",
      " ",
      " Der Dateiname enthält Name, Vorname, Datum und Ort und endet auf .dat. Die Datei wird",
      " im automatisch angelegten Verzeichnis " + programFolder + " gespeichert,",
      " für jede Person und jeden Ort eine Datei.",
      " ",
      " Eine weitere Pemto-Eingabe für dieselbe Person und denselben Ort überschreibt die",
      " bisherige Datei. Soll eine Datei erhalten bleiben, geben Sie ihr vorher einen neuen",
      " Namen: an die Stelle der Endung .dat tritt das Datum (TTMMJJ) oder die Uhrzeit (hhmmss).",
      " Windows protestiert zwar dagegen, aber es funktioniert: Eine solche Datei kann über",
      " ihr Datum oder ihre Uhrzeit ausgewählt werden und wird korrekt gelesen.",
      " ",
      " Nach \"Weiter\" wird die Liste der gespeicherten Transit-Dateien zur Auswahl gezeigt,",
      " danach folgt die Orbis-Eingabe. Dann erscheint eine Inhaltsübersicht der Datei, und",
      " nach deren \"Weiter\" folgen die Auswertung der MC- und SO-Achsen und die Freigabe der",
      " Suchmöglichkeiten:",
      " ",
      " (1) beliebige Summen und Halbsummen in MC, SO, AS",
      " (2) Planetenbilder nach zwei verschiedenen Verfahren",
      " (3) Summen und Halbsummen mit einem frei gewählten Gradscheiben-Winkel",
      " (4) Gleichungs-Lösungen, z. B. VE+JU=KN+x oder VE/JU=KN/x",
      " (5) korrespondierende Halbsummen",
      " (6) das magische Quadrat einer beliebigen Faktorvariante mit allen Summen",
      "     und ihren Planetenbildern in der 0°/22,5°-Achse",
      " ",
      " Soll der Orbis während eines Durchgangs geändert werden, öffnet ein Linksklick",
      " auf \"Orbis\" oben rechts die Eingabe von Grad und Minuten.",
      " ",
      " Viel Freude beim Entdecken der Planetenbilder!",
      " ",
  };
}

std::string greetingLine() {
  return " Ich wünsche Geduld und Erfolg bei der Anwendung. " + signature();
}

std::vector<std::string> introNewsLines(const std::string& transitFolder,
                                        const std::string& programFolder) {
  return {
      " ",
      " Eine Transit-Datei entsteht auch ohne weiteres Programm hier in Kelvaro: aus einer",
      " Person des Archivs (\"Personen …\", dann \"Transit-Datei …\") oder aus Geburtsdaten",
      " (\"Neue Transit-Datei …\"), und Kelvaro legt Transit-Dateien im Transit-Ordner",
      " dieses Systems ab: " + transitFolder,
      " ",
      " Kelvaro kann außerdem:",
      " - mit \"Neue Transit-Datei …\" neben \"Weiter\" eine Transit-Datei selbst berechnen,",
      "   aus den Geburtsdaten einer Person und einem Transit-Ort mit Datum und Uhrzeit;",
      " - mit \"7  Gradscheibe\" die Scheibe der geladenen Datei mit einem Zeiger zeigen;",
      " - mit \"8  Transit-Kalender\" auflisten, wann Transite die Radix-Faktoren und",
      "   -Halbsummen auf der Scheibe auslösen.",
      " Beide bieten die 360°-, 90°-, 45°-, 22,5°- und 11,25°-Scheibe (Vorgabe 22,5°).",
      " Die sechs Suchen und die Übersichten bleiben als ihre Methode auf der 22,5°-Scheibe.",
      " ",
      " Ihre Dateien auf diesem System:",
      "   Transit-Dateien:   " + transitFolder,
      "   Programm-Ordner:   " + programFolder,
      " ",
  };
}

}  // namespace kelvaro::ui
