#include "archive/person_birth.h"

namespace kelvaro::archive {

chart::ChartEntry birthEntry(const Person& person) {
  chart::ChartEntry entry;
  entry.name = person.name;
  entry.firstName = person.firstName;
  entry.birthDate = birthDateText(person);
  entry.birthTime = person.birthTime ? birthTimeText(person) : "12:00";
  entry.birthZone = person.zone;
  if (person.latitude) entry.birthLatitude = chart::latitudeEntryText(*person.latitude);
  if (person.longitude) entry.birthLongitude = chart::longitudeEntryText(*person.longitude);
  return entry;
}

Checked<chart::ChartEntry> chartEntryOf(const Person& person) {
  if (placeUnchecked(person)) {
    return Rejection{"Bei " + displayName(person) +
                     " fehlen Breite, Länge oder Zeitzone des Geburtsorts (Ort prüfen)."};
  }
  return birthEntry(person);
}

}  // namespace kelvaro::archive
