#pragma once

#include <string>
#include <string_view>

#include "archive/person.h"
#include "chart/chart_entry.h"
#include "core/checked.h"

namespace kelvaro::archive {

// The birth fields of the chart layer's entry (name, first name, birth date,
// time, zone, latitude and longitude) filled from a stored person, as a user
// would type them; the transit fields stay empty. Every reader of a person's
// birth (kelvaro-make-transit --person, the window of a new transit file)
// takes it from here.
//
// Coordinates are written in degrees, minutes and seconds ("50°56'00\" N");
// an unknown birth time becomes noon, 12:00 (see birthTimeUnknown).
// Empty fields where the person lacks coordinates or a zone.
chart::ChartEntry birthEntry(const Person& person);

// birthEntry(), refused with a German message where a transit file cannot be
// made from it: coordinates or zone missing ("Ort prüfen").
Checked<chart::ChartEntry> chartEntryOf(const Person& person);

// The birth data of the person's timeline, the same birthEntry() gives a
// transit file (noon for an unknown time), refused like chartEntryOf() where
// the place is unchecked, or where the zone skips or repeats the birth time.
Checked<chart::BirthData> birthDataOf(const Person& person);

// True when birthEntry() put in noon for a birth time nobody knows.
inline bool birthTimeUnknown(const Person& person) { return !person.birthTime; }

// The note beside whatever is computed for noon because nobody knows the
// birth time: "Hinweis: Die Geburtszeit von Müller, Anna ist unbekannt; die
// Zeitleiste ist für 12:00 Uhr Ortszeit berechnet." (`what`: "die Zeitleiste").
std::string noonNote(const Person& person, std::string_view what);

}  // namespace kelvaro::archive
