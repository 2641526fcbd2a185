#include "core/keywords.h"

namespace kelvaro {

std::string_view shippedKeywords() {
  return R"(# Stichworte zu den Faktoren, Paaren und Bildern
#
# Jede Zeile nennt einen Faktor, ein Paar oder ein Bild, dann „=“ und die
# Stichworte. Die Stichworte beginnen nach dem letzten „=“ der Zeile; in
# ihnen selbst steht deshalb kein „=“.
#
# - Faktoren ohne r, p, s oder t schreiben: die Stichworte gelten in allen
#   Horoskopen. Groß- oder Kleinschreibung und Leerzeichen sind gleich.
# - Ein Paar mit / oder + gilt in beiden Reihenfolgen (SO/MO wie MO/SO),
#   ein Paar mit - nur so, wie es dasteht.
# - Ein Bild gilt auch mit vertauschten Seiten (SO = MA/SA wie MA/SA = SO).
# - Steht derselbe Eintrag zweimal da, gilt der spätere.
# - Leere Zeilen und Zeilen, die mit # beginnen, sind Bemerkungen.
#
# Beispiele für eigene Einträge (zum Gebrauch das # davor löschen):
# SO/MO = Paar, Ehe, Mann und Frau
# VE+MA = Leidenschaft
# SO = MA/SA = Kraftprobe, Durchhalten
# KN+JU = MO/SA = Abschied in Freundschaft

MC = das Ich, Persönlichkeit, Seele, eigene Ziele, Bewusstsein
WI = Umwelt, Verbindung zur Welt, Öffentlichkeit, das Allgemeine
SO = Lebenskraft, Selbst, Körper, der Mann, Vater
AS = Umgebung, Begegnung, Ort, Nachbarschaft, Auftreten
MO = Gefühl, Stimmung, Empfänglichkeit, die Frau, Mutter
KN = Verbindungen, Bündnisse, Kontakte, Zusammenschluss
ME = Denken, Verstand, Sprache, Nachricht, Weg
VE = Liebe, Schönheit, Kunst, Harmonie, Anziehung
MA = Tatkraft, Wille, Antrieb, Mut, Streit
JU = Glück, Wachstum, Zufriedenheit, Fülle, Gelingen
SA = Hemmung, Ernst, Ausdauer, Trennung, Alter
UR = Umbruch, Überraschung, Spannung, Erfindung, Freiheit
NE = Auflösung, Ahnung, Traum, Täuschung, Schwäche
PL = Macht, Wandlung, Größe, Masse, Zwang
CU = Familie, Ehe, Kunst, Gemeinschaft, Zugehörigkeit
HA = Verfall, Mangel, Vergangenes, Verborgenes, Not
ZE = Führung, schöpferisches Feuer, Zeugung, gezielte Kraft
KR = Rang, Autorität, Sachkunde, das Höchste, Obrigkeit
AP = Weite, Handel, Ausbreitung, Wissen, Erfolg im Großen
AD = Tiefe, Beharren, Stillstand, Enge, Grenze
VU = Wucht, gewaltige Kraft, Energie, Durchbruch
PO = Geist, Erkenntnis, Klarheit, Wahrheit, Idee
)";
}

}  // namespace kelvaro
